#include "gaptopic.h"

#include <tuple>

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

namespace quorvel::basic {

QString GapTaskTopic::encodeTask(const GapTask& task) const
{
    return QStringLiteral("%1 %2 %3").arg(task.first).arg(task.missing).arg(task.result);
}

std::optional<GapTask> GapTaskTopic::decodeTask(int type, const QString& text) const
{
    const int operation = type - 4;
    const auto n = readCardNumbers(text, 3);
    if (!n)
        return std::nullopt;
    const auto [a, b, c] = std::tuple((*n)[0], (*n)[1], (*n)[2]);
    if (operationResult(operation, a, b) != c)
        return std::nullopt;
    return GapTask{operation, a, b, c, gapLeftText(operation, a), gapRightText(c)};
}

} // namespace quorvel::basic
