#include "urllabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace quorvel {

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
    const bool open = inside && m_pressed;
    m_pressed = false;
    if (open) {
        setTextColour(m_moveOver);
        if (m_opener)
            m_opener(target());
    } else {
        setTextColour(inside ? m_moveOver : m_normal);
    }
    e->accept();
}

} // namespace quorvel
