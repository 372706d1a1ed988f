#include "plaintopic.h"

#include "answerinput.h"
#include "conversionerror.h"

namespace quorvel::basic {

namespace {

PlainSettings plainSettings(const GrundPageSettings& page)
{
    PlainSettings s;
    s.selectedTaskType = selectBasicTaskType(page.rechenartItem);
    s.lowerBound = page.lowerBound;
    s.upperBound = page.upperBound;
    s.range = page.range;
    s.squareLimit = page.squareLimit;
    return s;
}

} // namespace

AnswerCheck checkWholeNumber(const QString& text, std::int32_t expected)
{
    const std::optional<std::int32_t> given = parseInt32(text);
    if (!given)
        return {AnswerState::Invalid, integerConversionError(text)};
    return {*given == expected ? AnswerState::Right : AnswerState::Wrong, {}};
}

QString PlainTaskTopic::startRefusal() { return plainStartRefusal(plainSettings(readSettings())); }

int PlainTaskTopic::drawTask()
{
    // ExpectedResult lives on after a series (0 at program start): squares never repeat it.
    show(nextPlainTask(m_random, plainSettings(m_settings), m_task.expected));
    return m_task.operation;
}

AnswerCheck PlainTaskTopic::checkText(const QString& text)
{
    return checkWholeNumber(text, m_task.expected);
}

QString PlainTaskTopic::expectedAnswerText() const { return QString::number(m_task.expected); }

} // namespace quorvel::basic
