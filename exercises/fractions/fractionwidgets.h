#pragma once
// The pieces the task pages of expanding, ordering, comparing, fraction parts and
// decimal numbers are laid out from: a shown fraction (numerator over a bar over the
// denominator, announced as "3/4"), answer edits, signs and bars.

#include <QString>

class QFont;
class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

namespace quorvel::fractions {

inline constexpr int kFieldHeight = 28;
inline constexpr int kBarGap = 3;                               // field to bar and bar to field
inline constexpr int kFractionHeight = 2 * kFieldHeight + 2 * kBarGap + 4; // upper, bar, lower

// The bold sans-serif of the numbers and signs.
QFont fractionFont(int pixels);

// A fraction the task shows: a panel at (x, y) holding the numerator label, the bar and
// the denominator label.
struct ShownFraction {
    QFrame* panel = nullptr;
    QLabel* numerator = nullptr;
    QLabel* denominator = nullptr;
    QFrame* bar = nullptr;

    // Both numbers; the panel is announced as "3/4".
    void show(qint64 numerator, qint64 denominator) const;
};
ShownFraction makeShownFraction(QWidget* page, const QString& panelName,
                                const QString& numeratorName, const QString& denominatorName,
                                const QString& barName, int x, int y, int width);

// A centred answer edit; its accessible name says what it asks for.
QLineEdit* makeAnswerEdit(QWidget* page, const QString& name, const QString& accessibleName,
                          int x, int y, int width);

// A bar under an upper field at y (its top) spanning x .. x + width.
QFrame* makeFractionBar(QWidget* page, const QString& name, int x, int y, int width);

// "=" and other signs, centred in a field-high box.
QLabel* makeSign(QWidget* page, const QString& name, const QString& text, int x, int y);

// The question or heading of a task page, word-wrapped in `width`.
QLabel* makeTaskHeading(QWidget* page, const QString& name, const QString& text, int x, int y,
                        int width);

} // namespace quorvel::fractions
