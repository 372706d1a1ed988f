#include "ledpaint.h"

#include <QPainter>
#include <QPalette>

namespace quorvel {

namespace {
const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGray(0x80, 0x80, 0x80),
    kSilver(0xC0, 0xC0, 0xC0);

// Button highlight and shadow of the current palette.
QColor highlightColour(const QWidget* w) { return w->palette().color(QPalette::Light); }
QColor shadowColour(const QWidget* w) { return w->palette().color(QPalette::Dark); }
} // namespace

QColor ledLampColour(LedColor colour, bool on, const QColor& buttonFace)
{
    struct Pair {
        QRgb lit, dark;
    };
    static constexpr Pair table[] = {
        {0xFF0000, 0x800000}, // lcRed: clRed / clMaroon
        {0x00FF00, 0x008000}, // lcGreen: clLime / clGreen
        {0x0000FF, 0x000080}, // lcBlue: clBlue / clNavy
        {0xFFFF00, 0x808000}, // lcYellow: clYellow / clOlive
    };
    if (colour < lcRed || colour >= lcNone)
        return buttonFace;
    return QColor::fromRgb(on ? table[colour].lit : table[colour].dark);
}

TLEDPaint::TLEDPaint(QWidget* parent) : QWidget(parent)
{
    m_background = palette().color(QPalette::Button);
    resize(19, 19);
}

void TLEDPaint::setBackGround(const QColor& c)
{
    m_background = c;
    update();
}

void TLEDPaint::setBevelOuter(Bevel b)
{
    m_outer = b;
    update();
}

void TLEDPaint::setBevelInner(Bevel b)
{
    m_inner = b;
    update();
}

void TLEDPaint::setBevelWidth(int w)
{
    m_bevelWidth = w < 0 ? 0 : (w > 255 ? 255 : w);
    update();
}

void TLEDPaint::setLEDColor(LedColor c)
{
    if (c == m_color)
        return;
    m_color = c;
    update(lampRect()); // the lamp only
}

void TLEDPaint::setLEDOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    update(lampRect());
}

void TLEDPaint::setLEDType(LedType t)
{
    m_type = t;
    update();
}

int TLEDPaint::totalBevelWidth() const
{
    return (m_outer != Bevel::None ? m_bevelWidth : 0) + (m_inner != Bevel::None ? m_bevelWidth : 0);
}

QRect TLEDPaint::lampRect() const
{
    const int t = totalBevelWidth();
    return rect().adjusted(t, t, -t, -t);
}

void TLEDPaint::paintBevel(QPainter& p, QRect& r, Bevel bevel) const
{
    if (bevel == Bevel::None)
        return;
    if (bevel == Bevel::Raised || bevel == Bevel::Lowered) {
        QColor topLeft = highlightColour(this);
        QColor bottomRight = shadowColour(this);
        if (bevel == Bevel::Lowered)
            std::swap(topLeft, bottomRight);
        for (int i = 0; i < m_bevelWidth && r.width() > 0 && r.height() > 0; ++i) {
            // Right and bottom first, so the top-left colour owns the two shared corners.
            p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
            p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
            p.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
            p.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
            r.adjust(1, 1, -1, -1);
        }
        return;
    }
    r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth); // space: room only
}

void TLEDPaint::paintLamp(QPainter& p, const QRect& r) const
{
    const QColor lamp = ledLampColour(m_color, m_on, palette().color(QPalette::Button));
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (m_type == ltRect) {
        bool frame = true;
        bool sunken = true; // black at the top and left
        switch (m_inner) {
        case Bevel::Raised: sunken = true; break;
        case Bevel::Lowered: sunken = false; break;
        case Bevel::None: sunken = m_outer != Bevel::Lowered; break;
        case Bevel::Space: frame = false; break;
        }
        QRect inner = r;
        if (frame) {
            const QColor topLeft = sunken ? kBlack : kWhite;
            const QColor bottomRight = sunken ? kWhite : kBlack;
            p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
            p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
            p.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
            p.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
            inner = r.adjusted(1, 1, -1, -1);
        }
        p.fillRect(inner, lamp);
        return;
    }
    // Round lamp: a disc with a grey outline and a highlight arc in the other grey.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline = m_on ? kGray : kSilver;
    const QColor arc = m_on ? kSilver : kGray;
    const QRectF disc = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(outline);
    p.setBrush(lamp);
    p.drawEllipse(disc);
    const qreal inset = r.width() / 6.0;
    p.setPen(QPen(arc, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(disc.adjusted(inset, inset, -inset, -inset), 60 * 16, 90 * 16);
    p.restore();
}

void TLEDPaint::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    paintBevel(p, r, m_outer);
    paintBevel(p, r, m_inner);
    r = lampRect();
    p.fillRect(r, m_background);
    paintLamp(p, r);
}

} // namespace quorvel
