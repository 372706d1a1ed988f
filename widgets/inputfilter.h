#pragma once
// One filter for the fields that take numbers: which characters they keep and how many.
// Typed, pasted (Ctrl+V, the context menu, the middle mouse button) and dropped text
// pass the same filter, whatever modifier keys were held: characters outside the set
// are dropped, the others keep their order.

#include <QString>
#include <QValidator>

class QLineEdit;

namespace quorvel {

inline const QString kDigitCharacters = QStringLiteral("0123456789");
// The longest texts of a 32-bit number: 2147483647 has ten digits, "-2147483648" eleven
// characters.
constexpr int kMaxInt32Digits = 10;
constexpr int kMaxSignedInt32Length = 11;

class CharacterFilter final : public QValidator {
public:
    CharacterFilter(const QString& allowed, QObject* parent);

    // Drops every character outside the set and moves `pos` along; always Acceptable,
    // so Enter still confirms and the page's own checks decide about the value.
    State validate(QString& input, int& pos) const override;

    // `text` without the characters outside `allowed`.
    static QString filtered(const QString& text, const QString& allowed);

private:
    QString m_allowed;
};

// Lets only characters of `allowed` into `edit` and at most `maxLength` of them.
CharacterFilter* restrictInput(QLineEdit* edit, const QString& allowed, int maxLength);

} // namespace quorvel
