#pragma once
// The prime tasks without a window: drawing and checking "Teilbarkeit",
// "Primfaktorzerlegung", "ggT" and "kgV" tasks, and the four topics that run them in the
// shared exercise series frame. The settings read from the page go in; the task text,
// the expected answer and the verdict come out.

#include "topicadapter.h"
#include "services.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace quorvel::primes {

// Item index of "Aufgabentyp"; the statistics type is this + 1.
enum PrimeTaskType : int { Teilbarkeit = 0, Primfaktorzerlegung = 1, GgT = 2, KgV = 3 };
inline constexpr int kPrimeTaskTypes = 4;

enum PrimeDifficulty : int { Leicht = 0, Mittel = 1, Schwer = 2 };

// The divisors offered for "Teilbarkeit", in the order of their radio items.
inline constexpr std::array<int, 8> kDivisors{2, 3, 4, 5, 6, 8, 9, 10};

// A factorisation answer holds at most this many numbers (no task needs more than 13).
inline constexpr int kMaxFactorNumbers = 20;

struct PrimeTaskSettings {
    int type = Teilbarkeit;
    int divisorIndex = 0; // item of "Überprüfen auf Teilbarkeit durch:", 0 .. 7
    int numberCount = 2;  // ggT and kgV: 2 or 3 numbers
    int difficulty = Leicht;
};

// ---- Teilbarkeit ----------------------------------------------------------------

struct DivisibilityTask {
    int n = 0;
    int divisor = 2;
    bool divisible = true;
    QString question() const; // "Ist die Zahl 1254 durch 3 teilbar?"
};

// The largest number drawn for each difficulty: 5000, 25000, 100000.
int divisibilityLimit(int difficulty);

// n uniform up to the limit; then one draw of five: the fifth rounds n down to a
// multiple of the divisor (never for 2, whose multiples come often enough by chance).
DivisibilityTask drawDivisibilityTask(int divisorIndex, int difficulty, RandomSource& random);

// `choice` is "Ja", "Nein" or empty (no decision: a notice that costs nothing).
AnswerCheck checkDivisibility(const DivisibilityTask& task, const QString& choice);

// "Die Zahl 15 ist durch 5 teilbar!" / "Die Zahl 16 ist nicht durch 5 teilbar!"
QString divisibilityVerdict(const DivisibilityTask& task);

// ---- Primfaktorzerlegung --------------------------------------------------------

struct FactorTask {
    int n = 2;
    QString expected; // ascending factors, each followed by one blank: "2 2 3 "
    QString text() const; // "Zerlegen Sie 12 in Primfaktoren."
};

// The largest number for each difficulty: 100, 500, 10000 (the smallest is 2).
int factorLimit(int difficulty);

FactorTask drawFactorTask(int difficulty, RandomSource& random);

// The numbers of a typed factorisation: every run of digits is one number (leading zeros
// do not count); everything else only separates. A number too large for 64 bits reads
// as the largest value, which is no factor of any task.
struct FactorAnswer {
    std::vector<std::uint64_t> numbers;
    bool tooMany = false; // more than kMaxFactorNumbers runs of digits
};
FactorAnswer readFactorAnswer(const QString& text);

// The numbers ascending, each followed by one blank.
QString factorText(std::vector<std::uint64_t> numbers);

// Right when the typed numbers are the factors of n in any order, each as often as it
// divides n. No number at all is a notice like the empty field; more than 20 numbers are
// refused with a notice. Neither costs a try.
AnswerCheck checkFactorAnswer(const FactorTask& task, const QString& text);

// ---- ggT and kgV ----------------------------------------------------------------

struct GgTKgVTask {
    bool ggt = true;
    std::vector<std::int32_t> numbers;
    std::int32_t expected = 1;
    QString numbersText() const; // "12 ; 18" or "4 ; 6 ; 9"
};

// ggT: p, q, r from 1 .. R - 1 (R = 11, 21, 101), then x = k1 * p * q, y = k2 * q * r
// (and z = k3 * r) with every number above 0, so x and y share at least q.
GgTKgVTask drawGgTTask(int numberCount, int difficulty, RandomSource& random);
// kgV: two or three numbers from 1 .. R - 1 (R = 21, 41, 101).
GgTKgVTask drawKgVTask(int numberCount, int difficulty, RandomSource& random);

// The typed text read as a whole number; any other text is Invalid with the conversion
// error.
AnswerCheck checkGgTKgVAnswer(const GgTKgVTask& task, const QString& text);

// ---- The topics in the exercise series frame ------------------------------------

SeriesTexts primeSeriesTexts(int type);

// Shared part: the statistics topic and type, the texts of the type.
template <class Task>
class PrimeTaskTopic : public TopicAdapter<PrimeTaskSettings, Task> {
    using Base = TopicAdapter<PrimeTaskSettings, Task>;

public:
    PrimeTaskTopic(int type, RandomSource& random, typename Base::ReadSettings readSettings,
                   typename Base::ShowTask show)
        : Base(random, std::move(readSettings), std::move(show)), m_type(type)
    {
    }
    int statTopic() const override { return TopicPrimes; }
    SeriesTexts texts() const override { return primeSeriesTexts(m_type); }

protected:
    int statType() const { return m_type + 1; }

private:
    int m_type;
};

class DivisibilityTopic final : public PrimeTaskTopic<DivisibilityTask> {
public:
    DivisibilityTopic(RandomSource& random, ReadSettings readSettings, ShowTask show)
        : PrimeTaskTopic(Teilbarkeit, random, std::move(readSettings), std::move(show))
    {
    }
    int drawTask() override;
    // The choice "Ja" or "Nein".
    AnswerCheck checkText(const QString& choice) override { return checkDivisibility(m_task, choice); }
    QString expectedAnswerText() const override;
    QString wrongMessage(bool finished) const override;
    // "<n> <divisor>".
    QString encodeTask(const DivisibilityTask& task) const override;
    std::optional<DivisibilityTask> decodeTask(int type, const QString& text) const override;
};

class FactorTopic final : public PrimeTaskTopic<FactorTask> {
public:
    FactorTopic(RandomSource& random, ReadSettings readSettings, ShowTask show)
        : PrimeTaskTopic(Primfaktorzerlegung, random, std::move(readSettings), std::move(show))
    {
    }
    int drawTask() override;
    AnswerCheck checkText(const QString& text) override { return checkFactorAnswer(m_task, text); }
    QString expectedAnswerText() const override { return m_task.expected; }
    // "<n>".
    QString encodeTask(const FactorTask& task) const override;
    std::optional<FactorTask> decodeTask(int type, const QString& text) const override;
};

class GgTKgVTopic final : public PrimeTaskTopic<GgTKgVTask> {
public:
    GgTKgVTopic(bool ggt, RandomSource& random, ReadSettings readSettings, ShowTask show)
        : PrimeTaskTopic(ggt ? GgT : KgV, random, std::move(readSettings), std::move(show)),
          m_ggt(ggt)
    {
    }
    int drawTask() override;
    AnswerCheck checkText(const QString& text) override { return checkGgTKgVAnswer(m_task, text); }
    QString expectedAnswerText() const override { return QString::number(m_task.expected); }
    // The two or three numbers, separated by blanks.
    QString encodeTask(const GgTKgVTask& task) const override;
    std::optional<GgTKgVTask> decodeTask(int type, const QString& text) const override;

private:
    bool m_ggt;
};

} // namespace quorvel::primes
