#pragma once
// The on-screen number pad beside the task pages: digits type into the answer field of
// the page on screen, the three command buttons forward to that page's handlers.

#include <QWidget>
#include <functional>
#include <map>

class QLineEdit;
class QPushButton;

namespace quorvel {

struct PadTarget {
    QLineEdit* digitsInto = nullptr; // may be null: the page takes no digits from the pad
    std::function<void()> confirm;
    std::function<void()> skip;
    std::function<void()> abort;
};

class NumberPad : public QWidget {
    Q_OBJECT
public:
    // `currentPage` tells which page of the exercise notebook is on screen.
    explicit NumberPad(std::function<const QWidget*()> currentPage, QWidget* parent = nullptr);

    void registerTarget(const QWidget* page, PadTarget target);
    void setPadEnabled(bool enabled); // EnableNumberPad / DisableNumberPad
    bool padEnabled() const;

    void digitClicked(int digit);     // NumBlockSBClick
    void abortClicked();
    void skipClicked();
    void confirmClicked();

private:
    const PadTarget* target() const;

    std::function<const QWidget*()> m_currentPage;
    std::map<const QWidget*, PadTarget> m_targets;
    QList<QWidget*> m_controls;
};

} // namespace quorvel
