#include "gaptopic.h"

namespace quorvel::basic {

QString GapTaskTopic::startRefusal()
{
    const GrundPageSettings page = readSettings();
    return gapStartRefusal(selectBasicTaskType(page.rechenartItem), page.lowerBound,
                           page.upperBound);
}

int GapTaskTopic::drawTask()
{
    show(nextGapTask(m_random, selectBasicTaskType(m_settings.rechenartItem),
                     m_settings.lowerBound, m_settings.upperBound));
    return gapStatType(m_task.operation);
}

AnswerCheck GapTaskTopic::checkText(const QString& text)
{
    return checkWholeNumber(text, m_task.missing);
}

QString GapTaskTopic::expectedAnswerText() const { return QString::number(m_task.missing); }

} // namespace quorvel::basic
