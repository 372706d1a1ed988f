#pragma once
// Drawing and checking unit-conversion tasks without a window: the settings read from
// the page go in, the task (units, quantity, expected value, texts) and the verdict come
// out. UnitConversionTopic runs them in the shared exercise series frame.

#include "topicadapter.h"
#include "services.h"
#include "unittables.h"

#include <QString>
#include <array>
#include <functional>

namespace quorvel::units {

enum Difficulty : int { Leicht = 0, Mittel = 1, Schwer = 2 };

struct UnitSettings {
    int choice = Gewichte;                  // 1 .. 7, the checked radio button
    std::array<int, kFamilyCount> targetIndex{}; // selected item of each target box
    bool randomTarget = false;              // "Gemischt": "zufällig" instead of "wie oben"
    int difficulty = Leicht;
};

struct UnitTask {
    int category = Gewichte;
    int targetIndex = 0;
    int sourceIndex = 0;
    int timeTargetIndex = 0; // times only
    long double quantity = 0;
    long double expected = 0;

    QString target() const { return unitName(category, targetIndex); }
    QString source() const { return unitName(category, sourceIndex); }
    QString quantityText() const;    // "2,5"
    QString instruction() const;     // "Geben Sie 2,5 kg in g an"
    QString quantityLabel() const;   // "2,5 kg ="
    QString expectedText() const;    // "2500 g"
};

// The target is fixed by the settings (or drawn for "Gemischt"); then the source is
// drawn until it differs from the target and the pair is one that is asked. Money takes
// the other unit without a draw.
void drawUnits(const UnitSettings& settings, RandomSource& random, UnitTask& task);

// A whole number by difficulty: 0..9999, 0..99999, 0..499999; "Zeitmaße" alone asks
// smaller numbers (0..100/250/1000, into "sec" 0..10/25/100).
int drawQuantity(const UnitSettings& settings, int timeTargetIndex, RandomSource& random);

// Units, quantity and expected value of the next task.
UnitTask drawUnitTask(const UnitSettings& settings, RandomSource& random);

// Right when the typed number equals the expected value as written ("2500" and
// "2500,0" both right); a text that is no number is Invalid with the conversion error.
AnswerCheck checkUnitAnswer(const UnitTask& task, const QString& text);

// Left edge of the quantity label, so that it ends just before the answer field.
int quantityLabelLeft(const QString& labelText);
constexpr int kAnswerFieldLeft = 185;
constexpr int kAnswerFieldWidth = 170;
constexpr int kQuantityLabelRight = 180;

SeriesTexts unitSeriesTexts();

// The topic in the exercise series frame. readSettings is asked once per series, at the
// start; showTask puts each drawn task on the page.
class UnitConversionTopic : public TopicAdapter<UnitSettings, UnitTask> {
public:
    using TopicAdapter::TopicAdapter;

    int statTopic() const override { return TopicUnits; }
    int drawTask() override;
    AnswerCheck checkText(const QString& text) override { return checkUnitAnswer(m_task, text); }
    QString expectedAnswerText() const override { return m_task.expectedText(); }
    SeriesTexts texts() const override { return unitSeriesTexts(); }
    // "<source> <target> <quantity>": the family is the statistics type; the quantity is
    // written with every digit a long double holds, so it reads back to the same value.
    QString encodeTask(const UnitTask& task) const override;
    std::optional<UnitTask> decodeTask(int type, const QString& text) const override;
};

} // namespace quorvel::units
