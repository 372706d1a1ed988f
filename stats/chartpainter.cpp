#include "chartpainter.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <cmath>

namespace quorvel::stats {

namespace {

QColor colour(quint32 c) { return QColor::fromRgb(QRgb(0xFF000000u | c)); }

// The hatches as 8 x 8 tiles, colour on transparent: lines one pixel wide every eight
// pixels, aligned to the chart's corner. Filling with a tile is several times faster than
// the pattern brushes with a transparent background.
bool hatchPixel(Hatch h, int x, int y)
{
    const bool rising = (x + y) % 8 == 7, falling = (x - y + 8) % 8 == 0;
    switch (h) {
    case Hatch::Solid: return true;
    case Hatch::BDiagonal: return rising;
    case Hatch::FDiagonal: return falling;
    case Hatch::Horizontal: return y == 4;
    case Hatch::Vertical: return x == 4;
    case Hatch::Cross: return x == 4 || y == 4;
    case Hatch::DiagCross: return rising || falling;
    }
    return true;
}

QBrush brush(quint32 c, Hatch h)
{
    if (h == Hatch::Solid)
        return QBrush(colour(c));
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (hatchPixel(h, x, y))
                tile.setPixel(x, y, 0xFF000000u | c);
    return QBrush(tile);
}

QPen pen(const ChartOp& op)
{
    QPen p(colour(op.colour));
    p.setWidth(op.width);
    if (op.dotted)
        p.setStyle(Qt::DotLine);
    return p;
}

void drawBar(QPainter& p, const ChartOp& op)
{
    // The bar covers x1 .. x2 - 1 and top .. bottom - 1; an empty one leaves no mark.
    const QPoint a = op.points[0], b = op.points[1];
    if (b.x() - a.x() <= 0 || b.y() - a.y() <= 0)
        return;
    p.setPen(QPen(colour(op.colour), 1));
    p.setBrush(brush(op.colour, op.hatch));
    p.drawRect(QRect(a.x(), a.y(), b.x() - a.x() - 1, b.y() - a.y() - 1));
}

void drawPie(QPainter& p, const ChartOp& op)
{
    // Silver edges round segments hatched in the type's colour.
    p.setPen(QPen(colour(rgb::Silver), op.width));
    p.setBrush(brush(op.colour, op.hatch));
    const QRect box(85, 40, 400, 400);
    // Whole sixteenths of a degree, so neighbouring segments share their edge.
    const int start = int(std::lround(op.startDegrees * 16));
    const int end = int(std::lround((op.startDegrees + op.spanDegrees) * 16));
    if (end - start >= 360 * 16)
        p.drawEllipse(box);
    else if (end > start)
        p.drawPie(box, start, end - start);
}

} // namespace

QFont chartFont(ChartFont f)
{
    QFont font(f == ChartFont::NoData ? QStringLiteral("Times New Roman")
                                      : QStringLiteral("MS Sans Serif"));
    font.setPixelSize(f == ChartFont::NoData ? 21 : 11);
    font.setBold(f == ChartFont::SmallBold);
    return font;
}

void paintChart(QPainter& p, const std::vector<ChartOp>& ops)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBackgroundMode(Qt::TransparentMode);
    // The three chart fonts, built once for the many texts of a table.
    const QFont fonts[] = {chartFont(ChartFont::Small), chartFont(ChartFont::SmallBold),
                           chartFont(ChartFont::NoData)};
    for (const ChartOp& op : ops) {
        switch (op.kind) {
        case ChartOp::Clear:
            p.fillRect(QRect(0, 0, kChartWidth, kChartHeight), colour(op.colour));
            break;
        case ChartOp::Line:
            p.setPen(pen(op));
            p.drawLine(op.points[0], op.points[1]);
            break;
        case ChartOp::Polyline:
            p.setPen(pen(op));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygon(QList<QPoint>(op.points.begin(), op.points.end())));
            break;
        case ChartOp::Bar:
            drawBar(p, op);
            break;
        case ChartOp::Pie:
            drawPie(p, op);
            break;
        case ChartOp::Text:
            p.setPen(colour(op.colour));
            p.setFont(fonts[int(op.font)]);
            p.drawText(QRect(op.points[0], QSize(kChartWidth, 60)),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, op.text);
            break;
        }
    }
    p.restore();
}

QImage chartImage(const std::vector<ChartOp>& ops)
{
    QImage img(kChartWidth, kChartHeight, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    paintChart(p, ops);
    return img;
}

} // namespace quorvel::stats
