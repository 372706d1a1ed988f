#include "answerinput.h"

#include "decimalint.h"

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
    return parseDecimalInt32(text.trimmed().toStdString()); // blanks around are allowed
}

} // namespace quorvel::basic
