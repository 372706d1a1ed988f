#pragma once
// TFormBruchErwHilfe ("Hilfe: Erweitern / Kürzen") and TFormBruchKBHilfe ("Hilfe: Kommazahl
// <-> Bruchzahl"): two tabs, each one text box with a vertical scroll bar. Created once
// beside the main window; the help button shows them modally, centred on the main window;
// the close box hides them again, so the tab and the scroll position stay as the pupil
// left them.

#include "fractionhelptexts.h"
#include "helpwindow.h"

class QPlainTextEdit;

namespace quorvel {

class TFractionTextHelp : public TabbedHelpDialog {
    Q_OBJECT
public:
    TFractionTextHelp(const fractions::TextHelpWindow& content, QWidget* mainWindow);

    QPlainTextEdit* textBox(int tab) const;
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
