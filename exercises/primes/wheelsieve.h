#pragma once
// Segmented sieve of Eratosthenes on the 30-wheel: one byte stands for 30 numbers,
// its eight bits for the residues 1, 7, 11, 13, 17, 19, 23 and 29. Numbers up to
// 2^31 - 1. Segments have a fixed place on the number line (segment s holds the
// numbers 30 * kSegmentBytes * s up to the next segment's start), so a count taken
// in one pass and a segment sieved again later agree.

#include <cstdint>
#include <vector>

namespace quorvel::primes {

class WheelSieve {
public:
    static constexpr std::uint32_t kSegmentBytes = 131072;
    static constexpr std::uint64_t kSegmentSpan = 30ull * kSegmentBytes; // numbers per segment
    static constexpr std::uint32_t kMaxValue = 2147483647u;

    // A sieve for numbers up to `limit` (at most kMaxValue).
    explicit WheelSieve(std::uint32_t limit = kMaxValue);

    static std::uint32_t segmentOf(std::uint32_t n) { return std::uint32_t(n / kSegmentSpan); }

    // Streaming pass: start at segment `first`, then call next() for each following one.
    void begin(std::uint32_t first);
    // Sieves the current segment and moves on; returns its index.
    std::uint32_t next();
    // Sieves segment s alone (starting the crossing offsets afresh).
    void sieveAt(std::uint32_t s);

    // After next() or sieveAt(): the primes of the sieved segment within [lo, hi],
    // counted or listed in ascending order. 2, 3 and 5 are included when in range.
    std::uint32_t count(std::uint32_t lo, std::uint32_t hi) const;
    void primes(std::uint32_t lo, std::uint32_t hi, std::vector<std::uint32_t>& out) const;

    // After next() or sieveAt(): the segment's bits with those of numbers outside [lo, hi]
    // cleared (2, 3 and 5 have no bits), padded with zero bytes to a multiple of 8.
    void rangeBits(std::uint32_t lo, std::uint32_t hi, std::vector<std::uint8_t>& out) const;
    // The number a bit of segment s stands for (bit i is bit i % 8 of byte i / 8).
    static std::uint32_t numberAt(std::uint32_t s, std::uint64_t bit);

    std::uint32_t segment() const { return m_segment; }

private:
    struct Prime {
        std::uint32_t k;     // p / 30
        std::uint8_t c;      // index of p mod 30 in the wheel
        std::uint8_t w;      // wheel position of the next multiple
        std::int32_t base;   // start of that multiple's cycle, relative to the segment
    };
    void startPrimes(std::uint32_t s);
    void fill(std::uint32_t s);
    void cross(std::uint32_t size);
    // Bytes [b0, b1) of the segment with the bits of numbers below lo or above hi cut off.
    template <class F> void forBits(std::uint32_t lo, std::uint32_t hi, F&& f) const;

    std::uint32_t m_limit;
    std::vector<Prime> m_primes;        // sieving primes above the pre-sieved ones
    const std::uint8_t* m_patternA; // multiples of 7, 11, 13, 17 taken out
    const std::uint8_t* m_patternB; // multiples of 19, 23, 29, 31 taken out
    std::vector<std::uint8_t> m_bits;
    std::uint32_t m_segment = 0;
    std::uint32_t m_active = 0; // sieving primes whose square lies below the segment's end
    std::uint32_t m_next = 0;   // segment the next call of next() sieves
};

} // namespace quorvel::primes
