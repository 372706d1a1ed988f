#pragma once
// The arithmetic of the prime calculators and tasks: the prime test, the prime
// factorisation and its display lines, ggT and kgV, and reading a field as a whole
// number. Plain C++, no window needed.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::primes {

// The widest text a result line may hold.
inline constexpr std::size_t kLineWidth = 95;
// The largest kgV the calculator shows: the largest signed 32-bit number.
inline constexpr std::int64_t kLargestResult = 2147483647;

// True when n is prime (0 and 1 are not).
bool IstPrimzahl(std::uint64_t n);

// The prime factors of n in ascending order, each as often as it divides n;
// 0 and 1 give none.
std::vector<std::uint64_t> ZerlegePrimfaktoren(std::uint64_t n);

// The lines the factorisation display shows for n: each factor followed by two blanks,
// a new line when the next factor would pass the line width. 0 and 1 give one empty line.
std::vector<std::string> PrimfaktorZeilen(std::uint64_t n);

// ggT and kgV of two or three positive numbers (Euclid's algorithm).
std::uint64_t GgTBerechnen(std::uint64_t a, std::uint64_t b);
std::uint64_t GgTBerechnen(std::uint64_t a, std::uint64_t b, std::uint64_t c);
std::uint64_t KgVBerechnen(std::uint64_t a, std::uint64_t b);
std::uint64_t KgVBerechnen(std::uint64_t a, std::uint64_t b, std::uint64_t c);
// Same over a list of 2 or 3 values.
std::uint64_t GgTBerechnen(const std::vector<std::uint64_t>& values);
std::uint64_t KgVBerechnen(const std::vector<std::uint64_t>& values);

// A field's text read as a signed 32-bit whole number (optional sign, digits only);
// nothing for any other text, the empty text included.
std::optional<std::int32_t> parseInteger(const std::string& text);

// What the ggT and kgV calculators do to their inputs before computing: absolute
// values, 0 replaced by 1, sorted ascending.
std::vector<std::uint64_t> prepareGgTKgVInputs(const std::vector<std::int32_t>& values);

// The prime-range lines: each prime followed by two blanks, a new line whenever the
// next entry would make the line longer than kLineWidth.
inline constexpr std::size_t kEntryBlanks = 2;
inline constexpr std::size_t entryWidth(int digits) { return std::size_t(digits) + kEntryBlanks; }
inline constexpr std::size_t entriesPerLine(int digits) { return kLineWidth / entryWidth(digits); }

} // namespace quorvel::primes
