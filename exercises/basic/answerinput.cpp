#include "answerinput.h"

#include <Qt>

namespace quorvel::basic {

KeyVerdict answerKeyVerdict(int key, const QString& text)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyVerdict::Confirm;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return KeyVerdict::Pass;
    default:
        break;
    }
    if (text.isEmpty())
        return KeyVerdict::Pass; // a key that types nothing (Shift, F1 ...)
    if (text.size() == 1) {
        const QChar c = text.front();
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-'))
            return KeyVerdict::Pass;
    }
    return KeyVerdict::Drop; // letters, blanks, the comma, and control characters like Ctrl+V
}

std::optional<std::int32_t> parseInt32(const QString& text)
{
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= t.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::int64_t(INT32_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return std::int32_t(value);
}

} // namespace quorvel::basic
