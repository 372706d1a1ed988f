#include "scratchsheet.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quorvel::scratch {

namespace {

QImage whiteImage(QSize logical, qreal dpr)
{
    const QSize device(int(std::ceil(logical.width() * dpr)), int(std::ceil(logical.height() * dpr)));
    QImage image(device, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    return image;
}

} // namespace

ScratchSheet::ScratchSheet(QSize logical, qreal dpr)
    : m_image(whiteImage(logical.expandedTo({1, 1}), dpr > 0 ? dpr : 1.0))
{
}

QSize ScratchSheet::logicalSize() const
{
    const qreal dpr = m_image.devicePixelRatio();
    return QSize(qRound(m_image.width() / dpr), qRound(m_image.height() / dpr));
}

void ScratchSheet::fitTo(QSize logical, qreal dpr)
{
    if (dpr <= 0)
        dpr = 1.0;
    const QSize current = logicalSize();
    const QSize wanted = current.expandedTo(logical);
    if (wanted == current && qFuzzyCompare(dpr, m_image.devicePixelRatio()))
        return;
    QImage grown = whiteImage(wanted, dpr);
    QPainter p(&grown);
    // Both images carry their pixel ratio, so the old drawing lands at its logical place.
    p.drawImage(QPointF(0, 0), m_image);
    p.end();
    m_image = std::move(grown);
}

QRect ScratchSheet::drawSegment(QPointF from, QPointF to)
{
    // No length, no mark: a click without a move leaves the sheet as it was.
    if (from == to)
        return {};
    const QRect changed = [&] {
        const int margin = m_width / 2 + 2;
        return QRectF(from, to).normalized().toAlignedRect().adjusted(-margin, -margin, margin,
                                                                      margin);
    }();
    if (m_width == kPenWidth && !qFuzzyCompare(m_image.devicePixelRatio(), 1.0)) {
        // On a dense screen the thin line goes through the middle of the pixel the pointer
        // is on, so it covers that pixel's device pixels and no half of its neighbours.
        from += QPointF(0.5, 0.5);
        to += QPointF(0.5, 0.5);
    }
    QPainter p(&m_image);
    QPen pen(m_colour, m_width, Qt::SolidLine);
    // The thin pen leaves the end point to the next segment; the wide eraser rubs out a
    // round blob at both ends so that its segments join without gaps.
    pen.setCapStyle(m_width > kPenWidth ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawLine(from, to);
    p.end();
    return changed;
}

void ScratchSheet::beginStroke(StrokeButton button, QPointF at)
{
    m_start = at;
    m_colour = Qt::black;
    m_width = kPenWidth;
    if (m_tool == Tool::Pen && button == StrokeButton::Right)
        m_colour = Qt::white; // the right button rubs out with the thin pen
    if (m_tool == Tool::Eraser) {
        m_colour = Qt::white;
        m_width = std::max(kPenWidth, kEraserWidth);
    }
    m_drawing = true;
}

QRect ScratchSheet::continueStroke(QPointF to)
{
    if (!m_drawing)
        return {};
    const QRect changed = drawSegment(m_start, to);
    m_start = to;
    return changed;
}

void ScratchSheet::endStroke() { m_drawing = false; }

void ScratchSheet::clear() { m_image.fill(Qt::white); }

bool ScratchSheet::isBlank() const
{
    const int w = m_image.width();
    for (int y = 0; y < m_image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        if (!std::all_of(line, line + w, [](QRgb px) { return (px & 0xffffff) == 0xffffff; }))
            return false;
    }
    return true;
}

// --- cursors -------------------------------------------------------------------------

namespace {

QImage transparentImage(int size, qreal dpr)
{
    QImage image(QSize(int(std::ceil(size * dpr)), int(std::ceil(size * dpr))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

// A pencil lying along the x axis with its tip at the origin, `length` long.
void drawPencil(QPainter& p, qreal length, const QColor& body, const QColor& wood)
{
    const qreal half = length * 0.13;
    const qreal cone = length * 0.28;
    const QPolygonF tip{{0, 0}, {cone, -half}, {cone, half}};
    p.setBrush(wood);
    p.drawPolygon(tip);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF{{0, 0}, {cone * 0.35, -half * 0.35}, {cone * 0.35, half * 0.35}});
    p.setBrush(body);
    p.drawRect(QRectF(cone, -half, length - cone, 2 * half));
    p.drawLine(QPointF(cone, 0), QPointF(length, 0));
    p.drawLine(QPointF(length - half, -half), QPointF(length - half, half));
}

void drawEraser(QPainter& p, QRectF block, const QColor& rubber, const QColor& sleeve)
{
    const qreal depth = block.height() * 0.4;
    // Top and right side give the block some depth; the face lies at the top left so
    // that its corner is the point that rubs.
    p.setBrush(sleeve);
    p.drawPolygon(QPolygonF{block.topRight(), block.topRight() + QPointF(depth, depth),
                            block.bottomRight() + QPointF(depth, depth), block.bottomRight()});
    p.drawPolygon(QPolygonF{block.bottomLeft(), block.bottomRight(),
                            block.bottomRight() + QPointF(depth, depth),
                            block.bottomLeft() + QPointF(depth, depth)});
    p.setBrush(rubber);
    p.drawRect(block);
    const qreal split = block.left() + block.width() * 0.4;
    p.setBrush(sleeve);
    p.drawRect(QRectF(QPointF(split, block.top()), block.bottomRight()));
}

} // namespace

QImage penCursorImage()
{
    QImage image = transparentImage(kCursorSize, 1.0);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    p.translate(kPenHotSpot);
    p.rotate(45);
    drawPencil(p, 34, Qt::white, Qt::white);
    p.end();
    image.setPixel(kPenHotSpot, qRgb(0, 0, 0)); // the tip is the point that draws
    return image;
}

QImage eraserCursorImage()
{
    QImage image = transparentImage(kCursorSize, 1.0);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    drawEraser(p, QRectF(kEraserHotSpot, QSizeF(18, 11)), Qt::white, Qt::black);
    p.end();
    image.setPixel(kEraserHotSpot, qRgb(0, 0, 0));
    return image;
}

QImage toolGlyph(Glyph glyph, int size, qreal dpr)
{
    QImage image = transparentImage(size, dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0); // drawn on a 16 x 16 grid
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.8));
    switch (glyph) {
    case Glyph::Pen:
        p.translate(2, 2);
        p.rotate(45);
        drawPencil(p, 17, QColor(0xf0, 0xc0, 0x20), QColor(0xf5, 0xde, 0xb3));
        break;
    case Glyph::Eraser:
        drawEraser(p, QRectF(1.5, 3.5, 10, 6), QColor(0xf4, 0x9a, 0xb0), QColor(0x40, 0x60, 0xc0));
        break;
    case Glyph::NewSheet: {
        QPainterPath sheet;
        sheet.moveTo(3, 1.5);
        sheet.lineTo(10, 1.5);
        sheet.lineTo(13, 4.5);
        sheet.lineTo(13, 14.5);
        sheet.lineTo(3, 14.5);
        sheet.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(sheet);
        p.drawPolyline(QPolygonF{{10, 1.5}, {10, 4.5}, {13, 4.5}});
        p.setPen(QPen(QColor(0x80, 0xa0, 0xd0), 0.8));
        for (qreal y : {7.0, 9.5, 12.0})
            p.drawLine(QPointF(5, y), QPointF(11, y));
        break;
    }
    }
    p.end();
    return image;
}

} // namespace quorvel::scratch
