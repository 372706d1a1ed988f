#include "gaptopic.h"

#include "answerinput.h"
#include "conversionerror.h"

namespace quorvel::basic {

GapTaskTopic::GapTaskTopic(RandomSource& random, SettingsReader read,
                           TaskView show)
    : m_random(random), m_read(std::move(read)), m_show(std::move(show))
{
}

QString GapTaskTopic::startRefusal()
{
    const GrundPageSettings page = m_read ? m_read() : GrundPageSettings{};
    return gapStartRefusal(selectBasicTaskType(page.rechenartItem), page.lowerBound,
                           page.upperBound);
}

void GapTaskTopic::prepareSeries()
{
    const GrundPageSettings page = m_read ? m_read() : GrundPageSettings{};
    m_selectedTaskType = selectBasicTaskType(page.rechenartItem);
    m_lower = page.lowerBound;
    m_upper = page.upperBound;
}

int GapTaskTopic::drawTask()
{
    m_task = nextGapTask(m_random, m_selectedTaskType, m_lower, m_upper);
    if (m_show)
        m_show(m_task);
    return gapStatType(m_task.operation);
}

AnswerCheck GapTaskTopic::checkAnswer(const QString& text)
{
    const std::optional<std::int32_t> given = parseInt32(text);
    if (!given)
        return {AnswerState::Invalid, integerConversionError(text)};
    return {*given == m_task.missing ? AnswerState::Right : AnswerState::Wrong, {}};
}

QString GapTaskTopic::expectedAnswerText() const { return QString::number(m_task.missing); }

} // namespace quorvel::basic
