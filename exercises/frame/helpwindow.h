#pragma once
// What the topics' help windows share.
// - TabbedHelpDialog: a help of tabs created once beside the main window: fixed size, only
//   a close box, modal. The help button shows it centred on the main window; its close
//   box hides it, so the tab (and anything scrolled) stays as the pupil left it.
// - setSlimTabs: tab captions side by side in a narrow window, without scroll arrows.
// - helpTextLabel: a paragraph of help text.

#include <QDialog>

class QLabel;
class QTabWidget;

namespace quorvel {

struct HelpDialogFrame {
    QString objectName;
    QString caption;          // the title bar, and what a screen reader calls the window
    QSize size;
    bool staysOnTop = true;
    QString pageControlName;  // the tabs' object name
    QString pagesSpokenName;  // what a screen reader calls the tabs
};

class TabbedHelpDialog : public QDialog {
    Q_OBJECT
public:
    TabbedHelpDialog(const HelpDialogFrame& frame, QWidget* mainWindow);

    // Centre on the main window and wait until the pupil closes it.
    void showModal();
    // Where the window stands when shown over a main window at `mainFrame`.
    QPoint centredOn(const QRect& mainFrame) const;

    QTabWidget* pageControl() const { return m_pages; }

private:
    QWidget* m_mainWindow;
    QTabWidget* m_pages = nullptr;
};

// Less room beside each caption (`captionSpace` pixels instead of the style's) and no
// scroll arrows, so all tabs stand side by side.
void setSlimTabs(QTabWidget* tabs, int captionSpace);

// Black "MS Sans Serif" 13 px, wrapped at the width it gets, from the top left.
QLabel* helpTextLabel(QWidget* parent, const QString& objectName, const QString& text);

} // namespace quorvel
