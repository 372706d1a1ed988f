#pragma once
// The program's own message window: a modal box sized to its text, with an optional
// standard icon, a word-wrapped message and a centred row of buttons on a white-to-silver
// gradient. Captions and titles come from the tables in messagedialog_layout.h; the
// layout numbers come from messageLayout(). Also the general error box.

#include "messagedialog_layout.h"
#include "messages.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QAbstractButton;
class QFont;
class QFontMetrics;
class QPainter;
class QRect;
class QWidget;

namespace quorvel {

// The message window. Children: "Image" (a 32 x 32 standard icon, only for kinds with
// an icon), "Message" (the word-wrapped text) and one push button per requested kind,
// named "Yes", "No", "OK", ... Each button closes the window with its modal result,
// except "Help", which asks for help and leaves the window open.
class TMessageForm : public QDialog {
    Q_OBJECT
public:
    explicit TMessageForm(QWidget* parent = nullptr);

    // The paint handler: fills the client area of `sender` (this form) with the horizontal
    // gradient from white to silver. Call only while `sender` is being painted.
    void MessagePaint(QWidget* sender);

    void setHelpContext(int context) { m_helpContext = context; }
    int helpContext() const { return m_helpContext; }
    void setHelpFile(const QString& file) { m_helpFile = file; }
    QString helpFile() const { return m_helpFile; }

    // Escape presses this button (none: Escape does nothing).
    void setCancelButton(QAbstractButton* button) { m_cancel = button; }
    QAbstractButton* cancelButton() const { return m_cancel; }

    // The layout numbers the form was built with (named so as not to hide QWidget::layout()).
    const MessageLayout& layoutNumbers() const { return m_layout; }
    void setLayoutNumbers(const MessageLayout& layout) { m_layout = layout; }

public slots:
    void HelpButtonPressed();
    // Closing the window from its title bar counts as Escape when there is a cancel
    // button, otherwise as Cancel (2).
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_helpContext = 0;
    QString m_helpFile;
    QAbstractButton* m_cancel = nullptr;
    MessageLayout m_layout;
};

// Builds the window, laid out but not shown. With parent == nullptr it stands alone;
// a parent only keeps the window above it.
std::unique_ptr<TMessageForm> BuildMessageDialog(const QString& text, MessageKind kind,
                                                 MessageButtons buttons, const QString& language,
                                                 QWidget* parent = nullptr);

// Builds, shows modally at (x, y) (a negative coordinate keeps the centred one; both
// negative: centre of the screen), destroys and returns the modal result.
int ShowMessageDialogAt(const QString& text, MessageKind kind, MessageButtons buttons,
                        int helpContext, const QString& language, int x, int y,
                        const QString& helpFile, QWidget* parent = nullptr);

// ShowMessageDialogAt at the centre of the screen without a help file.
int ShowMessageDialog(const QString& text, MessageKind kind = MessageKind::Information,
                      MessageButtons buttons = OkButton, int helpContext = 0,
                      const QString& language = QStringLiteral("deutsch"),
                      QWidget* parent = nullptr);

// Fills `rect` with lines of colour running through `colours` (left to right when
// horizontal, else top to bottom). Throws std::invalid_argument("Es müssen mindestens
// zwei Farben angegeben werden.") for fewer than two colours, drawing nothing. The
// painter's pen is restored afterwards.
void PaintGradient(QPainter& canvas, const QRect& rect, bool horizontal,
                   const QList<QColor>& colours);

// Average character width (width of "A".."Z" "a".."z" div 52) and the height of that string.
QSize AverageCharSize(const QFontMetrics& metrics);
QSize AverageCharSize(const QFont& font);

// The message text with "\r", "\r\n" and "\n" all turned into line breaks ("\n"); one
// break at the very end is dropped, since it ends the last line rather than adding one.
QString messageLines(const QString& text);

// Size of the word-wrapped text for a given wrap width (tabs expanded).
QSize MeasureMessage(const QFontMetrics& metrics, const QString& text, int wrapWidth);

// The font of message boxes on this platform.
QFont messageFont();

// --- Hooks -----------------------------------------------------------------------

// Called with every window ShowMessageDialogAt (and the error box) is about to run
// modally, after it is placed. Tests use it to look at the window and to press a button
// later (QTimer::singleShot); pass {} to remove it. Returns the previous observer.
using MessageDialogObserver = std::function<void(TMessageForm&)>;
MessageDialogObserver setMessageDialogObserver(MessageDialogObserver observer);

// What the Help button does (help context, help file). Without a handler it does nothing.
using MessageHelpHandler = std::function<void(int helpContext, const QString& helpFile)>;
MessageHelpHandler setMessageHelpHandler(MessageHelpHandler handler);

// The general error box: the stop icon, the application's title, the text and one OK
// button, built with the same window as the messages.
std::unique_ptr<TMessageForm> BuildErrorDialog(const QString& text, QWidget* parent = nullptr);
void ShowErrorDialog(const QString& text, QWidget* parent = nullptr);

// Production MessageSink: shows the modal message window over the main window.
class DialogMessageSink final : public MessageSink {
public:
    explicit DialogMessageSink(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    int showMessage(const QString& text, MessageKind kind, MessageButtons buttons,
                    int helpContext, const QString& language) override;
    void showError(const QString& text) override;

private:
    QWidget* m_parent;
};

} // namespace quorvel
