#pragma once
// Number-system tasks without a window: a whole number is drawn by system and difficulty
// and is to be converted between decimal and Roman numerals or base 2, 3, 8 or 16.
// NumeralTaskTopic runs them in the shared exercise series frame.

#include "topicadapter.h"
#include "services.h"

#include <QString>
#include <functional>
#include <optional>

namespace quorvel::numsys {

// The task kind is also the statistics type (topic 5, types 1 to 5).
enum TaskKind : int { KindRoman = 1, KindBase2 = 2, KindBase3 = 3, KindBase8 = 4, KindBase16 = 5 };
constexpr int kTaskKindCount = 5;
enum TaskDifficulty : int { Leicht = 0, Mittel = 1, Schwer = 2 };
// 0: a decimal number is shown and asked for in the chosen system; 1: the other way.
enum TaskDirection : int { IntoSystem = 0, IntoDecimal = 1 };

struct TaskSettings {
    int kind = KindRoman;     // item of "Zahlensystem" + 1
    int difficulty = Leicht;  // item of "Schwierigkeitsgrad"
    int direction = IntoSystem; // item of "Umrechnen in das"
};

// n of the draw Random(n): values 0 .. n - 1 by kind (1..5) and difficulty (0..2).
int drawLimit(int kind, int difficulty);
// The base of a positional kind, 0 for Roman numerals.
int kindBase(int kind);
// "Römische Zahl", "Dualzahl", ... and "Dezimalzahl".
QString kindNumberName(int kind);
inline const QString kDecimalNumberName = QStringLiteral("Dezimalzahl");

struct NumeralTask {
    int kind = KindRoman;
    int direction = IntoSystem;
    qint32 value = 0;      // the drawn number v
    QString numeral;       // v in the chosen system ("MCMXCIV", "101", "1A")
    QString shownName;     // lblZSys01
    QString answerName;    // lblZSys02
    QString shownText;     // the number as the task shows it
    // Roman and hexadecimal answers are compared as upper-cased texts; every other
    // answer as a whole number. Digit texts of bases 2, 3 and 8 are carried as the
    // number their decimal digits spell (5 in base 2 is 101), up to twelve digits.
    bool textAnswer = false;
    QString expectedText;
    qint64 expectedNumber = 0;

    QString taskLabel() const { return shownText + QStringLiteral(" ="); } // lblZSys03
    QString expectedAnswerText() const;
};

// The task for a drawn value.
NumeralTask makeNumeralTask(const TaskSettings& settings, qint32 value);
// Draws v in the range of the settings; Roman tasks never draw 0 (it has no numeral),
// they draw again.
NumeralTask drawNumeralTask(const TaskSettings& settings, RandomSource& random);

// The left edge of lblZSys03: longer numbers start further left, so the text ends at
// about the same place before the answer field.
int taskLabelLeft(const QString& shownText);
constexpr int kTaskLabelEnd = 150;

// A whole number as typed in a number case: leading blanks and one sign, then decimal
// digits only, within 64 bits. Nothing for any other text.
std::optional<qint64> readWholeNumber(const QString& text);

struct NumeralCheck {
    AnswerCheck check;
    QString fieldText; // what the answer field shows while the verdict is given
};

// Checks a non-empty answer. Text cases upper-case a-z and compare exactly (no blanks,
// no leading zeros); number cases read a whole number and compare values (leading zeros
// pass), a text that is no whole number is Invalid with the conversion error.
NumeralCheck checkNumeralAnswer(const NumeralTask& task, const QString& text);

SeriesTexts numeralSeriesTexts();

// The topic in the exercise series frame. readSettings is asked once per series, at the
// start; showTask puts each task on the page; showAnswer writes the upper-cased answer
// back into the field before its verdict.
class NumeralTaskTopic : public TopicAdapter<TaskSettings, NumeralTask> {
public:
    NumeralTaskTopic(RandomSource& random, ReadSettings readSettings, ShowTask showTask,
                     std::function<void(const QString&)> showAnswer)
        : TopicAdapter(random, std::move(readSettings), std::move(showTask)),
          m_showAnswer(std::move(showAnswer))
    {
    }

    int statTopic() const override { return TopicNumberSystems; }
    int drawTask() override;
    AnswerCheck checkText(const QString& text) override;
    QString expectedAnswerText() const override { return m_task.expectedAnswerText(); }
    SeriesTexts texts() const override { return numeralSeriesTexts(); }
    // "<direction> <value>": the kind is the statistics type.
    QString encodeTask(const NumeralTask& task) const override;
    std::optional<NumeralTask> decodeTask(int type, const QString& text) const override;

private:
    std::function<void(const QString&)> m_showAnswer;
};

} // namespace quorvel::numsys
