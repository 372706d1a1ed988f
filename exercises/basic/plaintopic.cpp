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

namespace quorvel::basic {

std::optional<std::int32_t> operationResult(int operation, std::int64_t x, std::int64_t y)
{
    std::int64_t r = 0;
    switch (operation) {
    case OpAddition:
        r = x + y;
        break;
    case OpSubtraction:
        r = x - y;
        break;
    case OpMultiplication:
        r = x * y;
        break;
    case OpDivision:
        // Only divisions that come out whole are tasks.
        if (y == 0 || x % y != 0)
            return std::nullopt;
        r = x / y;
        break;
    default:
        return std::nullopt;
    }
    if (r < INT32_MIN || r > INT32_MAX)
        return std::nullopt;
    return std::int32_t(r);
}

std::optional<std::vector<std::int32_t>> readCardNumbers(const QString& text, int count)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != count)
        return std::nullopt;
    std::vector<std::int32_t> out;
    for (const QString& p : parts) {
        bool ok = false;
        const int v = p.toInt(&ok);
        if (!ok || QString::number(v) != p)
            return std::nullopt;
        out.push_back(v);
    }
    return out;
}

QString PlainTaskTopic::encodeTask(const PlainTask& task) const
{
    return QStringLiteral("%1 %2").arg(task.first).arg(task.second);
}

std::optional<PlainTask> PlainTaskTopic::decodeTask(int type, const QString& text) const
{
    const auto n = readCardNumbers(text, 2);
    if (!n)
        return std::nullopt;
    const auto r = operationResult(type, (*n)[0], (*n)[1]);
    if (!r)
        return std::nullopt;
    return PlainTask{type, (*n)[0], (*n)[1], *r, plainTaskText(type, (*n)[0], (*n)[1])};
}

} // namespace quorvel::basic
