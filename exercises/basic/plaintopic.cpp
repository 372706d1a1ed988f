#include "plaintopic.h"

#include "answerinput.h"
#include "conversionerror.h"

namespace quorvel::basic {

PlainTaskTopic::PlainTaskTopic(RandomSource& random, SettingsReader read,
                               TaskView show)
    : m_random(random), m_read(std::move(read)), m_show(std::move(show))
{
}

PlainSettings PlainTaskTopic::settingsNow() const
{
    const GrundPageSettings page = m_read ? m_read() : GrundPageSettings{};
    PlainSettings s;
    s.selectedTaskType = selectBasicTaskType(page.rechenartItem);
    s.lowerBound = page.lowerBound;
    s.upperBound = page.upperBound;
    s.range = page.range;
    s.squareLimit = page.squareLimit;
    return s;
}

QString PlainTaskTopic::startRefusal() { return plainStartRefusal(settingsNow()); }

void PlainTaskTopic::prepareSeries()
{
    m_settings = settingsNow();
}

int PlainTaskTopic::drawTask()
{
    m_task = nextPlainTask(m_random, m_settings, m_task.expected);
    if (m_show)
        m_show(m_task);
    return m_task.operation;
}

AnswerCheck PlainTaskTopic::checkAnswer(const QString& text)
{
    const std::optional<std::int32_t> given = parseInt32(text);
    if (!given)
        return {AnswerState::Invalid, integerConversionError(text)};
    return {*given == m_task.expected ? AnswerState::Right : AnswerState::Wrong, {}};
}

QString PlainTaskTopic::expectedAnswerText() const { return QString::number(m_task.expected); }

} // namespace quorvel::basic
