#include "gradientfill.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

namespace quorvel {

namespace {
BandRgb toRgb(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return {rgb.red(), rgb.green(), rgb.blue()};
}

// Keeps the background the size of its page.
class FollowPageSize : public QObject {
public:
    FollowPageSize(QWidget* page, TGradientFill* fill) : QObject(fill), m_fill(fill)
    {
        page->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Resize && m_fill) {
            auto* page = static_cast<QWidget*>(watched);
            m_fill->setGeometry(page->rect());
        }
        return false;
    }

private:
    QPointer<TGradientFill> m_fill;
};
} // namespace

QImage renderGradient(QSize size, const QColor& begin, const QColor& end,
                      FillDirection direction, int numberOfColors)
{
    QImage img(size.expandedTo({0, 0}), QImage::Format_RGB32);
    if (img.isNull())
        return img;
    QPainter p(&img);
    const auto bands = gradientBands(size.width(), size.height(), toRgb(begin), toRgb(end),
                                     direction, numberOfColors);
    for (const auto& b : bands) {
        const QColor c(b.colour.r, b.colour.g, b.colour.b);
        if (isVerticalRun(direction))
            p.fillRect(0, b.from, size.width(), b.to - b.from, c);
        else
            p.fillRect(b.from, 0, b.to - b.from, size.height(), c);
    }
    return img;
}

TGradientFill::TGradientFill(QWidget* parent) : QWidget(parent)
{
    resize(105, 105);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGradientFill::setBeginColor(const QColor& c)
{
    m_begin = c;
    changed();
}

void TGradientFill::setEndColor(const QColor& c)
{
    m_end = c;
    changed();
}

void TGradientFill::setNumberOfColors(int n)
{
    m_numberOfColors = n < 0 ? 0 : (n > 255 ? 255 : n);
    changed();
}

void TGradientFill::setFillDirection(FillDirection d)
{
    m_direction = d;
    changed();
}

void TGradientFill::changed()
{
    m_picture = QImage();
    update();
}

QImage TGradientFill::render() const
{
    if (m_picture.size() != size())
        m_picture = renderGradient(size(), m_begin, m_end, m_direction, m_numberOfColors);
    return m_picture;
}

void TGradientFill::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const QRect r = e->rect();
    p.drawImage(r.topLeft(), render(), r);
}

TGradientFill* addGradientBackground(QWidget* page, QColor begin, QColor end,
                                     FillDirection dir, int numberOfColors)
{
    auto* fill = new TGradientFill(page);
    fill->setObjectName(QStringLiteral("GradientFill"));
    fill->setBeginColor(begin);
    fill->setEndColor(end);
    fill->setFillDirection(dir);
    fill->setNumberOfColors(numberOfColors);
    fill->setAttribute(Qt::WA_TransparentForMouseEvents);
    fill->setGeometry(page->rect());
    fill->lower();
    fill->show();
    new FollowPageSize(page, fill);
    return fill;
}

} // namespace quorvel
