#pragma once
// The prime tasks without a window: drawing and checking "Teilbarkeit",
// "Primfaktorzerlegung", "ggT" and "kgV" tasks, and the four topics that run them in the
// shared exercise series frame. The settings read from the page go in; the task text,
// the expected answer and the verdict come out.

#include "series.h"
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

// Shared part: the settings are read once per series; every drawn task is shown through
// `show` as the text of its label.
class PrimeTaskTopic : public SeriesTopic {
public:
    using ReadSettings = std::function<PrimeTaskSettings()>;
    using ShowTask = std::function<void(const QString&)>;

    PrimeTaskTopic(int type, RandomSource& random, ReadSettings readSettings, ShowTask show);

    int statTopic() const override { return TopicPrimes; }
    void prepareSeries() override;
    SeriesTexts texts() const override { return primeSeriesTexts(m_type); }

protected:
    int statType() const { return m_type + 1; }
    void show(const QString& text) const;

    RandomSource& m_random;
    PrimeTaskSettings m_settings;

private:
    int m_type;
    ReadSettings m_readSettings;
    ShowTask m_show;
};

class DivisibilityTopic : public PrimeTaskTopic {
public:
    DivisibilityTopic(RandomSource& random, ReadSettings readSettings, ShowTask show);
    int drawTask() override;
    AnswerCheck checkAnswer(const QString& choice) override;
    QString expectedAnswerText() const override;
    QString wrongMessage(int wrongAttempts, bool finished) const override;

private:
    DivisibilityTask m_task;
};

class FactorTopic : public PrimeTaskTopic {
public:
    FactorTopic(RandomSource& random, ReadSettings readSettings, ShowTask show);
    int drawTask() override;
    AnswerCheck checkAnswer(const QString& text) override;
    QString expectedAnswerText() const override { return m_task.expected; }

private:
    FactorTask m_task;
};

class GgTKgVTopic : public PrimeTaskTopic {
public:
    GgTKgVTopic(bool ggt, RandomSource& random, ReadSettings readSettings, ShowTask show);
    int drawTask() override;
    AnswerCheck checkAnswer(const QString& text) override;
    QString expectedAnswerText() const override { return QString::number(m_task.expected); }

private:
    bool m_ggt;
    GgTKgVTask m_task;
};

} // namespace quorvel::primes
