#include "messagedialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <stdexcept>

namespace quorvel {

namespace {

MessageDialogObserver& observerSlot()
{
    static MessageDialogObserver observer;
    return observer;
}

MessageHelpHandler& helpSlot()
{
    static MessageHelpHandler handler;
    return handler;
}

// The standard icon of each kind, in the order of MessageKind (Custom has none).
constexpr QStyle::StandardPixmap kKindIcons[kMessageKindCount] = {
    QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical,
    QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxQuestion,
    QStyle::SP_CustomBase, // unused
};

QRect primaryScreenRect()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry();
    return QRect(0, 0, 800, 600);
}

QString fromUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString withoutMnemonic(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

int runModal(TMessageForm& form, int x, int y)
{
    const MessageLayout& l = form.layoutNumbers();
    const QRect screen = primaryScreenRect();
    QPoint pos(screen.x() + l.windowLeft, screen.y() + l.windowTop);
    if (x >= 0)
        pos.setX(x);
    if (y >= 0)
        pos.setY(y);
    form.move(pos);
    if (const MessageDialogObserver& observer = observerSlot())
        observer(form);
    return form.exec();
}

} // namespace

// --- TMessageForm -------------------------------------------------------------------

TMessageForm::TMessageForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setFont(messageFont());
    setLayoutDirection(QGuiApplication::layoutDirection());
    setSizeGripEnabled(false);
}

void TMessageForm::MessagePaint(QWidget* sender)
{
    QPainter canvas(sender);
    PaintGradient(canvas, sender->rect(), true, {QColor(255, 255, 255), QColor(192, 192, 192)});
}

void TMessageForm::paintEvent(QPaintEvent*)
{
    MessagePaint(this);
}

void TMessageForm::HelpButtonPressed()
{
    if (const MessageHelpHandler& handler = helpSlot())
        handler(m_helpContext, m_helpFile);
}

void TMessageForm::reject()
{
    if (m_cancel)
        m_cancel->click();
    else
        done(ResultCancel);
}

void TMessageForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        // Escape presses the cancel button; without one it does nothing.
        if (m_cancel)
            m_cancel->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// --- Measuring and painting ------------------------------------------------------------

QFont messageFont()
{
    return QApplication::font("QMessageBox");
}

QSize AverageCharSize(const QFontMetrics& metrics)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QSize size = metrics.size(Qt::TextSingleLine, letters);
    return QSize(size.width() / 52, size.height());
}

QSize AverageCharSize(const QFont& font)
{
    return AverageCharSize(QFontMetrics(font));
}

QString messageLines(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A break at the very end ends the last line; it does not open an empty one below it
    // ("... falsch !\r" is two lines, not three).
    if (lines.endsWith(QLatin1Char('\n')))
        lines.chop(1);
    return lines;
}

QSize MeasureMessage(const QFontMetrics& metrics, const QString& text, int wrapWidth)
{
    const QRect r = metrics.boundingRect(QRect(0, 0, wrapWidth, 0),
                                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap
                                             | Qt::TextExpandTabs,
                                         text);
    return QSize(std::max(0, r.x() + r.width()), std::max(0, r.y() + r.height()));
}

void PaintGradient(QPainter& canvas, const QRect& rect, bool horizontal,
                   const QList<QColor>& colours)
{
    std::vector<GradientRgb> rgb;
    for (const QColor& c : colours) {
        const QColor k = c.toRgb();
        rgb.push_back({k.red(), k.green(), k.blue()});
    }
    // Throws for fewer than two colours before anything is drawn.
    const std::vector<GradientLine> lines =
        gradientLines(horizontal ? rect.width() : rect.height(), rgb);
    const int across = horizontal ? rect.height() : rect.width();
    if (lines.empty() || across <= 0)
        return;

    const QPen savedPen = canvas.pen();
    const bool antialiased = canvas.testRenderHint(QPainter::Antialiasing);
    canvas.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::SolidLine);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    for (const GradientLine& line : lines) {
        pen.setColor(QColor(line.colour.r, line.colour.g, line.colour.b));
        canvas.setPen(pen);
        // One line across the area; its far end point is not part of it.
        if (horizontal) {
            const int x = rect.left() + line.position;
            canvas.drawLine(QPoint(x, rect.top()), QPoint(x, rect.top() + across - 1));
        } else {
            const int y = rect.top() + line.position;
            canvas.drawLine(QPoint(rect.left(), y), QPoint(rect.left() + across - 1, y));
        }
    }
    canvas.setRenderHint(QPainter::Antialiasing, antialiased);
    canvas.setPen(savedPen);
}

// --- Building and showing -------------------------------------------------------------

std::unique_ptr<TMessageForm> BuildMessageDialog(const QString& text, MessageKind kind,
                                                 MessageButtons buttons, const QString& language,
                                                 QWidget* parent)
{
    auto form = std::make_unique<TMessageForm>(parent);
    const QFontMetrics metrics(form->font());
    const QSize charSize = AverageCharSize(metrics);
    const std::optional<int> lang = dialogLanguageIndex(language.toLower().toUtf8().toStdString());

    const int buttonWidth = buttonWidthCache().resolveButtonWidth(
        buttons, lang, startButtonWidth(charSize.width()), [&](std::string_view caption) {
            return metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, fromUtf8(caption)).width();
        });

    const QString lines = messageLines(text);
    const QRect screen = primaryScreenRect();
    const QSize textSize = MeasureMessage(metrics, lines, messageWrapWidth(screen.width()));

    MessageLayoutInput in;
    in.charWidth = charSize.width();
    in.charHeight = charSize.height();
    in.textWidth = textSize.width();
    in.textHeight = textSize.height();
    in.hasIcon = messageKindHasIcon(kind);
    in.buttons = buttons;
    in.buttonWidth = buttonWidth;
    in.screenWidth = screen.width();
    in.screenHeight = screen.height();
    in.rightToLeft = form->layoutDirection() == Qt::RightToLeft;
    const MessageLayout layout = messageLayout(in);
    form->setLayoutNumbers(layout);

    form->setFixedSize(layout.clientWidth, layout.clientHeight);
    form->move(screen.x() + layout.windowLeft, screen.y() + layout.windowTop);
    form->setWindowTitle(kind == MessageKind::Custom ? QGuiApplication::applicationDisplayName()
                                                     : fromUtf8(messageKindTitle(kind, lang)));

    if (layout.icon) {
        auto* image = new QLabel(form.get());
        image->setObjectName(QStringLiteral("Image"));
        image->setAccessibleName(form->windowTitle());
        image->setPixmap(form->style()
                             ->standardIcon(kKindIcons[int(kind)], nullptr, form.get())
                             .pixmap(kMessageIconSize, kMessageIconSize));
        image->setGeometry(layout.icon->left, layout.icon->top, layout.icon->width,
                           layout.icon->height);
    }

    auto* message = new QLabel(form.get());
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message->setText(lines);
    message->setGeometry(layout.message.left, layout.message.top, layout.message.width,
                         layout.message.height);

    const std::optional<MessageButton> enter = defaultButton(buttons);
    const std::optional<MessageButton> escape = cancelButton(buttons);
    QPushButton* firstButton = nullptr;
    QPushButton* focusButton = nullptr;
    for (const PlacedButton& placed : layout.buttons) {
        const QString caption = fromUtf8(messageButtonCaption(placed.kind, lang));
        auto* button = new QPushButton(caption, form.get());
        button->setObjectName(fromUtf8(messageButtonName(placed.kind)));
        button->setAccessibleName(withoutMnemonic(caption));
        button->setGeometry(placed.rect.left, placed.rect.top, placed.rect.width,
                            placed.rect.height);
        if (placed.kind == MessageButton::Help) {
            QObject::connect(button, &QPushButton::clicked, form.get(),
                             &TMessageForm::HelpButtonPressed);
        } else {
            const int result = messageButtonResult(placed.kind);
            TMessageForm* f = form.get();
            QObject::connect(button, &QPushButton::clicked, f, [f, result] { f->done(result); });
        }
        if (enter && placed.kind == *enter) {
            button->setDefault(true);
            focusButton = button;
        }
        if (escape && placed.kind == *escape)
            form->setCancelButton(button);
        if (!firstButton)
            firstButton = button;
    }
    if (!focusButton)
        focusButton = firstButton;
    if (focusButton)
        focusButton->setFocus();
    return form;
}

int ShowMessageDialogAt(const QString& text, MessageKind kind, MessageButtons buttons,
                        int helpContext, const QString& language, int x, int y,
                        const QString& helpFile, QWidget* parent)
{
    const std::unique_ptr<TMessageForm> form = BuildMessageDialog(text, kind, buttons, language, parent);
    form->setHelpContext(helpContext);
    form->setHelpFile(helpFile);
    return runModal(*form, x, y);
}

int ShowMessageDialog(const QString& text, MessageKind kind, MessageButtons buttons,
                      int helpContext, const QString& language, QWidget* parent)
{
    return ShowMessageDialogAt(text, kind, buttons, helpContext, language, -1, -1, QString(),
                               parent);
}

std::unique_ptr<TMessageForm> BuildErrorDialog(const QString& text, QWidget* parent)
{
    std::unique_ptr<TMessageForm> form =
        BuildMessageDialog(text, MessageKind::Error, OkButton, QStringLiteral("deutsch"), parent);
    form->setWindowTitle(QGuiApplication::applicationDisplayName());
    return form;
}

void ShowErrorDialog(const QString& text, QWidget* parent)
{
    const std::unique_ptr<TMessageForm> form = BuildErrorDialog(text, parent);
    runModal(*form, -1, -1);
}

MessageDialogObserver setMessageDialogObserver(MessageDialogObserver observer)
{
    MessageDialogObserver previous = std::move(observerSlot());
    observerSlot() = std::move(observer);
    return previous;
}

MessageHelpHandler setMessageHelpHandler(MessageHelpHandler handler)
{
    MessageHelpHandler previous = std::move(helpSlot());
    helpSlot() = std::move(handler);
    return previous;
}

// --- DialogMessageSink -------------------------------------------------------------------

int DialogMessageSink::showMessage(const QString& text, MessageKind kind, MessageButtons buttons,
                                   int helpContext, const QString& language)
{
    return ShowMessageDialogAt(text, kind, buttons, helpContext, language, -1, -1, QString(),
                               m_parent);
}

void DialogMessageSink::showError(const QString& text)
{
    ShowErrorDialog(text, m_parent);
}

} // namespace quorvel
