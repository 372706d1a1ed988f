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
    const QString out = filtered(input, m_allowed);
    if (out.size() != input.size()) {
        // The cursor stays behind the characters before it that were kept.
        pos = int(filtered(input.left(pos), m_allowed).size());
        input = out;
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
