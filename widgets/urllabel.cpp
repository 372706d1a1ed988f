#include "urllabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QUrl>

namespace quorvel {

namespace {

// A link for screen readers: its caption as name, the address as description, and the
// press action.
class UrlLabelInterface : public QAccessibleWidget {
public:
    explicit UrlLabelInterface(TURLLabel* label) : QAccessibleWidget(label, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("linkActivated(QString)"));
    }
    TURLLabel* label() const { return static_cast<TURLLabel*>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        if (t == QAccessible::Description && label()->accessibleDescription().isEmpty())
            return label()->target();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            label()->open();
    }
};

QAccessibleInterface* urlLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("quorvel::TURLLabel") && object && object->isWidgetType())
        return new UrlLabelInterface(static_cast<TURLLabel*>(object));
    return nullptr;
}

} // namespace

UrlOpener desktopUrlOpener()
{
    return [](const QString& target) {
        // "mailto:..." and "https://..." pass as they are; a bare "www.x.de" becomes a web address.
        QUrl url(target, QUrl::StrictMode);
        if (!url.isValid() || url.scheme().isEmpty())
            url = QUrl::fromUserInput(target);
        if (url.isValid())
            QDesktopServices::openUrl(url);
    };
}

TURLLabel::TURLLabel(QWidget* parent) : QLabel(QStringLiteral("Click me!"), parent)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setTextColour(m_normal);
    m_opener = desktopUrlOpener();
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    static const bool factory = (QAccessible::installFactory(urlLabelFactory), true);
    Q_UNUSED(factory);
}

void TURLLabel::open()
{
    if (m_opener)
        m_opener(target());
}

void TURLLabel::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        open();
        e->accept();
        return;
    default:
        QLabel::keyPressEvent(e);
    }
}

void TURLLabel::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (!hasFocus())
        return;
    QStylePainter p(this);
    QStyleOptionFocusRect o;
    o.initFrom(this);
    o.rect = contentsRect();
    p.drawPrimitive(QStyle::PE_FrameFocusRect, o);
}

void TURLLabel::setColorNormal(const QColor& c)
{
    m_normal = c;
    if (!m_pressed && !underMouse())
        setTextColour(c);
}

QString TURLLabel::target() const { return m_url.isEmpty() ? text() : m_url; }

QColor TURLLabel::textColour() const { return palette().color(QPalette::WindowText); }

void TURLLabel::setTextColour(const QColor& c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

void TURLLabel::enterEvent(QEnterEvent* e)
{
    setTextColour(m_pressed ? m_click : m_moveOver);
    QLabel::enterEvent(e);
}

void TURLLabel::leaveEvent(QEvent* e)
{
    setTextColour(m_normal);
    QLabel::leaveEvent(e);
}

void TURLLabel::mousePressEvent(QMouseEvent* e)
{
    m_pressed = true;
    setTextColour(m_click);
    e->accept();
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const QPointF p = e->position();
    const bool inside = p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height();
    const bool opens = inside && m_pressed;
    m_pressed = false;
    if (opens) {
        setTextColour(m_moveOver);
        this->open();
    } else {
        setTextColour(inside ? m_moveOver : m_normal);
    }
    e->accept();
}

} // namespace quorvel
