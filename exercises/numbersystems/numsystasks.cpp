#include "numsystasks.h"

#include <QStringList>

#include "conversionerror.h"
#include "numsyscore.h"

#include <array>
#include <limits>

namespace quorvel::numsys {

namespace {

// Values drawn are 0 .. n - 1; rows by kind, columns "leicht", "mittel", "schwer".
constexpr std::array<std::array<int, 3>, kTaskKindCount> kDrawLimits = {{
    {501, 2001, 4000},    // Roman: 0 .. 500, 2000, 3999
    {257, 513, 2049},     // base 2: up to 2^8, 2^9, 2^11
    {244, 730, 6562},     // base 3: up to 3^5, 3^6, 3^8
    {513, 4097, 32769},   // base 8: up to 8^3, 8^4, 8^5
    {257, 4097, 65537},   // base 16: up to 16^2, 16^3, 16^4
}};

bool validKind(int kind) { return kind >= KindRoman && kind <= KindBase16; }

int clampedDifficulty(int difficulty) { return difficulty < Leicht || difficulty > Schwer ? Leicht : difficulty; }

} // namespace

int drawLimit(int kind, int difficulty)
{
    if (!validKind(kind))
        kind = KindRoman;
    return kDrawLimits[std::size_t(kind - 1)][std::size_t(clampedDifficulty(difficulty))];
}

int kindBase(int kind) { return validKind(kind) ? kSystems[std::size_t(kind - 1)].base : 0; }

QString kindNumberName(int kind)
{
    return validKind(kind) ? QString::fromUtf8(kSystems[std::size_t(kind - 1)].systemLabel)
                           : QString();
}

QString NumeralTask::expectedAnswerText() const
{
    // For bases 2, 3 and 8 asked in the system the number's decimal digits are the digit text.
    return textAnswer ? expectedText : QString::number(expectedNumber);
}

NumeralTask makeNumeralTask(const TaskSettings& settings, qint32 value)
{
    NumeralTask t;
    t.kind = validKind(settings.kind) ? settings.kind : KindRoman;
    t.direction = settings.direction == IntoDecimal ? IntoDecimal : IntoSystem;
    t.value = value;
    t.numeral = t.kind == KindRoman ? DezimalZuRoemisch(value).text
                                    : DezimalZuSystem(value, kindBase(t.kind)).text;
    const QString systemName = kindNumberName(t.kind);
    if (t.direction == IntoSystem) {
        t.shownName = kDecimalNumberName;
        t.answerName = systemName;
        t.shownText = QString::number(value);
        t.textAnswer = t.kind == KindRoman || t.kind == KindBase16;
        if (t.textAnswer)
            t.expectedText = t.numeral;
        else
            t.expectedNumber = t.numeral.toLongLong(); // at most twelve digits
    } else {
        t.shownName = systemName;
        t.answerName = kDecimalNumberName;
        t.shownText = t.numeral;
        t.expectedNumber = value;
    }
    return t;
}

NumeralTask drawNumeralTask(const TaskSettings& settings, RandomSource& random)
{
    const int limit = drawLimit(settings.kind, settings.difficulty);
    qint32 value = random.random(limit);
    // 0 has no Roman numeral: a task would show " =" alone or expect an empty answer.
    while (settings.kind == KindRoman && value == 0)
        value = random.random(limit);
    return makeNumeralTask(settings, value);
}

int taskLabelLeft(const QString& shownText)
{
    return kTaskLabelEnd - 7 * (int(shownText.size()) + 3);
}

std::optional<qint64> readWholeNumber(const QString& text)
{
    qsizetype i = 0; // leading blanks are allowed, trailing ones are not
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    quint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        const int digit = c.unicode() - '0';
        // One past the largest positive value, so the most negative number still reads.
        if (value > (quint64(kMax) + 1 - quint64(digit)) / 10)
            return std::nullopt;
        value = value * 10 + quint64(digit);
    }
    if (negative)
        return value == quint64(kMax) + 1 ? std::numeric_limits<qint64>::min() : -qint64(value);
    if (value > quint64(kMax))
        return std::nullopt;
    return qint64(value);
}

NumeralCheck checkNumeralAnswer(const NumeralTask& task, const QString& text)
{
    NumeralCheck r;
    if (task.textAnswer) {
        r.fieldText = upperAscii(text);
        r.check.state = r.fieldText == task.expectedText ? AnswerState::Right : AnswerState::Wrong;
        return r;
    }
    r.fieldText = text;
    const std::optional<qint64> number = readWholeNumber(text);
    if (!number) {
        r.check = {AnswerState::Invalid, integerConversionError(text)};
        return r;
    }
    r.check.state = *number == task.expectedNumber ? AnswerState::Right : AnswerState::Wrong;
    return r;
}

SeriesTexts numeralSeriesTexts()
{
    SeriesTexts t;
    t.emptyAnswer = QStringLiteral("Sie haben noch keinen\rWert eingegeben");
    return t;
}

int NumeralTaskTopic::drawTask()
{
    show(drawNumeralTask(m_settings, m_random));
    return m_task.kind;
}

AnswerCheck NumeralTaskTopic::checkText(const QString& text)
{
    const NumeralCheck r = checkNumeralAnswer(m_task, text);
    if (m_showAnswer && r.fieldText != text)
        m_showAnswer(r.fieldText);
    return r.check;
}

QString NumeralTaskTopic::encodeTask(const NumeralTask& task) const
{
    return QStringLiteral("%1 %2").arg(task.direction).arg(task.value);
}

std::optional<NumeralTask> NumeralTaskTopic::decodeTask(int type, const QString& text) const
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (!validKind(type) || parts.size() != 2)
        return std::nullopt;
    bool okDir = false, okValue = false;
    const int direction = parts[0].toInt(&okDir);
    const int value = parts[1].toInt(&okValue);
    // Every value the hardest draw of the kind can give, Roman numerals from 1.
    if (!okDir || !okValue || QString::number(direction) != parts[0] || QString::number(value) != parts[1]
        || (direction != IntoSystem && direction != IntoDecimal) || value < (type == KindRoman ? 1 : 0)
        || value >= drawLimit(type, Schwer))
        return std::nullopt;
    return makeNumeralTask(TaskSettings{type, Schwer, direction}, value);
}

} // namespace quorvel::numsys
