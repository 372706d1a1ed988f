#pragma once
// A fraction of a whole number, and conversions between decimal numbers and fractions,
// without a window: the draws, the expected entries and the texts the page shows.
//
// The drawn decimal numbers are held in fixed point (64-bit counts of ten-thousandths),
// so 0,41 is 4100 and never a binary approximation; they are written and read with the
// program's decimal comma.

#include "fractionkind.h"
#include "services.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace quorvel::fractions {

inline constexpr std::int64_t kFixedScale = 10000; // ten-thousandths

// "Bruchteile bestimmen": Z/N of W. E1/E2 = Z*W / N as it stands, E3/E4 the same fully
// reduced (Z/N itself is not reduced first).
struct FractionPartTask {
    std::int32_t numerator = 1;   // Z
    std::int32_t denominator = 1; // N
    std::int32_t whole = 1;       // W
    std::array<std::int32_t, 4> expected{};
    QString ofText() const { return QStringLiteral("von ") + QString::number(whole); }
};

inline constexpr int kFractionPartType = 9;

FractionPartTask solveFractionPart(std::int32_t numerator, std::int32_t denominator,
                                   std::int32_t whole);
// Seeds the generator and draws Z, N, W by difficulty (0 leicht .. 2 schwer).
FractionPartTask drawFractionPartTask(int difficulty, RandomSource& random);

// What the help button shows for "Bruchteile bestimmen".
QString fractionPartRuleText();

enum class DecimalDirection : int {
    DecimalToFraction = 1, // "Kommazahl -> Bruchzahl", statistics type 10
    FractionToDecimal = 2, // "Bruchzahl -> Kommazahl", statistics type 11
};

struct DecimalTask {
    DecimalDirection direction = DecimalDirection::DecimalToFraction;
    // Fixed point. DecimalToFraction: a is the decimal number, b unused.
    // FractionToDecimal: the shown fraction a / b (whole numbers), as drawn.
    std::int64_t a = 0;
    std::int64_t b = 0;
    int decimalPlaces = 0; // DecimalToFraction: 1 .. 3
    int multiplier = 1;    // FractionToDecimal: M
    // DecimalToFraction: unreduced fraction over 10^p, then reduced.
    // FractionToDecimal: E1/E2 the fraction expanded to a power of ten, E3/E4 unused.
    std::array<std::int32_t, 4> expected{};
    // FractionToDecimal: the value of E1/E2 as its written form reads back.
    double decimal = 0;

    int statType() const { return direction == DecimalDirection::DecimalToFraction ? 10 : 11; }
    QString heading() const;
    QString decimalText() const;     // DecimalToFraction: "0,41"
    QString numeratorText() const;   // FractionToDecimal: "9"
    QString denominatorText() const; // FractionToDecimal: "24"
    QString expectedDecimalText() const; // FractionToDecimal: "0,375"
};

// The factor that takes a reduced denominator to 1, 10, 100 or 1000: 1 -> 1, 2 -> 5,
// 4 -> 25, 5 -> 2, 8 -> 125, 10 -> 1, 25 -> 4, 125 -> 8; 0 for any other denominator.
int powerOfTenFactor(std::int32_t reducedDenominator);

// The denominators a fraction to convert is built from.
inline constexpr std::array<int, 7> kDecimalDenominators = {2, 4, 5, 8, 10, 25, 125};

// r / 10^places, r without a trailing zero.
DecimalTask solveDecimalToFraction(std::int32_t r, int places);
// numerator / denominator as shown (already multiplied by M).
DecimalTask solveFractionToDecimal(std::int32_t numerator, std::int32_t denominator,
                                   int multiplier = 1);

// Seeds the generator and draws by difficulty.
DecimalTask drawDecimalTask(DecimalDirection direction, int difficulty, RandomSource& random);

// A fixed-point value as the page writes it: "0,41", "12,5", "3".
QString fixedDecimalText(std::int64_t tenThousandths);

// "Es wurde noch kein Wert eingegeben !" / "Zu wenige Werte !".
MultiFieldTexts partsDecimalTexts();

// "Bruchteile bestimmen": fields edBruchBrt01 .. 04 (E1 .. E4).
class FractionPartTopic final : public FractionKind<FractionPartTask> {
public:
    using TopicAdapter::TopicAdapter;
    int drawTask() override;
    // "Z/N W": the fraction and the whole number.
    QString encodeTask(const FractionPartTask& task) const override;
    bool poseCard(int type, const QString& text) override;

protected:
    MultiFieldTexts fieldTexts() const override { return partsDecimalTexts(); }

private:
    void showTask();
};

// "Kommazahl -> Bruchzahl" and "Bruchzahl -> Kommazahl": fields edBruchKB01 .. 04. The
// direction is read from the settings at the start, when the page is arranged for it;
// for a fraction to convert edBruchKB03 takes the decimal and edBruchKB04 is hidden.
class DecimalTopic final : public FractionKind<DecimalTask> {
public:
    DecimalTopic(RandomSource& random, ReadSettings readSettings,
                 std::function<void(DecimalDirection)> arrange, ShowTask show);
    void prepareSeries() override;
    int drawTask() override;
    // A decimal number to convert as written ("0,41"); a fraction to convert as shown
    // with its multiplier ("18/48 6"). The statistics type says which.
    QString encodeTask(const DecimalTask& task) const override;
    bool poseCard(int type, const QString& text) override;

protected:
    MultiFieldTexts fieldTexts() const override { return partsDecimalTexts(); }

private:
    void arrange(DecimalDirection direction);
    void showTask();

    std::function<void(DecimalDirection)> m_arrange;
    DecimalDirection m_direction = DecimalDirection::DecimalToFraction;
};

} // namespace quorvel::fractions
