#pragma once
// TFormBruchErwHilfe ("Hilfe: Erweitern / Kürzen") and TFormBruchKBHilfe ("Hilfe: Kommazahl
// <-> Bruchzahl"): two tabs, each one text box with a vertical scroll bar. Created once
// beside the main window; the help button shows them modally, centred on the main window;
// the close box hides them again, so the tab and the scroll position stay as the pupil
// left them.

#include "fractionhelptexts.h"

#include <QDialog>

class QPlainTextEdit;
class QTabWidget;

namespace quorvel {

class TFractionTextHelp : public QDialog {
    Q_OBJECT
public:
    TFractionTextHelp(const fractions::TextHelpWindow& content, QWidget* mainWindow);

    // Centre on the main window and wait until the pupil closes it.
    void showModal();
    // Where the window stands when shown over a main window at `mainFrame`.
    QPoint centredOn(const QRect& mainFrame) const;

    QTabWidget* pageControl() const { return m_pages; }
    QPlainTextEdit* textBox(int tab) const;

private:
    QWidget* m_mainWindow;
    QTabWidget* m_pages = nullptr;
};

class TFormBruchErwHilfe : public TFractionTextHelp {
    Q_OBJECT
public:
    explicit TFormBruchErwHilfe(QWidget* mainWindow);
};

class TFormBruchKBHilfe : public TFractionTextHelp {
    Q_OBJECT
public:
    explicit TFormBruchKBHilfe(QWidget* mainWindow);
};

} // namespace quorvel
