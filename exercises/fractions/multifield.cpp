#include "multifield.h"

#include "conversionerror.h"
#include "decimalint.h"
#include "decimaltext.h"

#include <Qt>
#include <cmath>

namespace quorvel::fractions {

namespace {


bool readInteger(const QString& text, std::int64_t& value)
{
    const QByteArray latin = text.trimmed().toLatin1();
    const auto v = parseDecimalInt32(std::string_view(latin.constData(), std::size_t(latin.size())));
    if (!v)
        return false;
    value = *v;
    return true;
}

} // namespace

QString AnswerField::expectedText() const
{
    switch (kind) {
    case FieldKind::Decimal:
        return commaDecimalText(expectedDecimal);
    case FieldKind::Integer:
    case FieldKind::Choice:
        break;
    }
    return QString::number(expected);
}

FieldJudgement judgeFields(const std::vector<AnswerField>& fields, const QStringList& texts)
{
    FieldJudgement j;
    int visible = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].visible)
            continue;
        ++visible;
        if (int(i) < texts.size() && !texts[int(i)].trimmed().isEmpty())
            ++j.filled;
    }
    if (j.filled == 0) {
        j.outcome = FieldOutcome::NoValue;
        return j;
    }
    if (j.filled < visible) {
        j.outcome = FieldOutcome::TooFew;
        return j;
    }
    j.wrong.assign(fields.size(), false);
    bool anyWrong = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const AnswerField& f = fields[i];
        if (!f.visible)
            continue;
        const QString text = texts[int(i)];
        bool right = false;
        switch (f.kind) {
        case FieldKind::Integer:
        case FieldKind::Choice: {
            std::int64_t v = 0;
            if (!readInteger(text, v)) {
                j.outcome = FieldOutcome::Invalid;
                j.invalidField = int(i);
                j.error = integerConversionError(text);
                j.wrong.clear();
                return j;
            }
            right = v == f.expected;
            break;
        }
        case FieldKind::Decimal: {
            double v = 0;
            if (!parseCommaDecimal(text, v)) {
                j.outcome = FieldOutcome::Invalid;
                j.invalidField = int(i);
                j.error = floatConversionError(text);
                j.wrong.clear();
                return j;
            }
            right = v == f.expectedDecimal;
            break;
        }
        }
        j.wrong[i] = !right;
        anyWrong = anyWrong || !right;
    }
    j.outcome = anyWrong ? FieldOutcome::Wrong : FieldOutcome::Right;
    return j;
}

FieldMarks marksAfterWrongTry(const std::vector<AnswerField>& fields,
                              const std::vector<bool>& wrong, bool finished)
{
    FieldMarks m = clearMarks(fields.size());
    for (std::size_t i = 0; i < fields.size() && i < wrong.size(); ++i) {
        if (!wrong[i])
            continue;
        if (finished) {
            m.marks[i] = FieldMark::Green;
            m.correctedText[i] = fields[i].expectedText();
        } else {
            m.marks[i] = FieldMark::Red;
        }
    }
    return m;
}

FieldMarks clearMarks(std::size_t fieldCount)
{
    FieldMarks m;
    m.marks.assign(fieldCount, FieldMark::None);
    m.correctedText.assign(fieldCount, QString());
    return m;
}

FieldKey fieldKeyVerdict(int key, const QString& text)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return FieldKey::Confirm;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: // X11 sends it with a control character as its text
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        return FieldKey::Pass;
    default:
        break;
    }
    if (text.isEmpty())
        return FieldKey::Pass;
    if (text.size() == 1) {
        const QChar c = text.front();
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(' ')
            || c == QLatin1Char(','))
            return FieldKey::Pass;
    }
    return FieldKey::Drop;
}

bool parseCommaDecimal(const QString& text, double& value)
{
    // The program's decimal reader; the fraction fields take no exponent form.
    if (text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return false;
    long double v = 0;
    if (!parseNumber(text, v))
        return false;
    value = double(v);
    return std::isfinite(value);
}

QString commaDecimalText(double value) { return formatNumber(value); }

} // namespace quorvel::fractions
