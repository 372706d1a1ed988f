#include "inputfilter.h"

#include <QLineEdit>

namespace quorvel {

CharacterFilter::CharacterFilter(const QString& allowed, QObject* parent)
    : QValidator(parent), m_allowed(allowed)
{
}

QString CharacterFilter::filtered(const QString& text, const QString& allowed)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text)
        if (allowed.contains(ch))
            out += ch;
    return out;
}

QValidator::State CharacterFilter::validate(QString& input, int& pos) const
{
    QString out;
    out.reserve(input.size());
    int newPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!m_allowed.contains(input.at(i)))
            continue;
        out += input.at(i);
        if (i < pos)
            ++newPos;
    }
    if (out.size() != input.size()) {
        input = out;
        pos = newPos;
    }
    return Acceptable;
}

CharacterFilter* restrictInput(QLineEdit* edit, const QString& allowed, int maxLength)
{
    auto* filter = new CharacterFilter(allowed, edit);
    edit->setValidator(filter);
    edit->setMaxLength(maxLength);
    return filter;
}

} // namespace quorvel
