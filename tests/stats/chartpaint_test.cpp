// The painted charts, pixel by pixel: outlines in the type's colour, hatches with black
// between their lines, the full pie, texts where the geometry puts them.
#include "chartgeometry.h"
#include "chartpainter.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace quorvel::stats;

namespace {

quint32 at(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

// Pixels of exactly `colour` in the rectangle x1..x2, y1..y2 (inclusive).
int countColour(const QImage& img, int x1, int y1, int x2, int y2, quint32 colour)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            n += at(img, x, y) == colour;
    return n;
}

// Text is smoothed: count pixels whose strongest channels match the colour's.
int countTinted(const QImage& img, int x1, int y1, int x2, int y2, quint32 colour)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            const QColor c = QColor::fromRgb(img.pixel(x, y));
            const QColor want = QColor::fromRgb(QRgb(colour));
            auto on = [](int v) { return v > 100; };
            if (c.red() + c.green() + c.blue() > 150 && on(c.red()) == on(want.red())
                && on(c.green()) == on(want.green()) && on(c.blue()) == on(want.blue()))
                ++n;
        }
    return n;
}

ChartData today(std::vector<StatCounts> counts)
{
    ChartData d;
    d.today.date = QStringLiteral(" 07.12.2026");
    d.today.empty = false;
    for (size_t k = 0; k < counts.size(); ++k)
        d.today.counts[k] = counts[k];
    d.days[0] = d.today;
    for (int r = 1; r < kHistoryLength; ++r)
        d.days[r].date = emptyDateText();
    return d;
}

QImage draw(int chart, int topic, int part, const ChartData& d)
{
    return chartImage(buildChart(chart, *selectionLayout(topic, part), d));
}

// A hatch of colour c fills x1..x2, y1..y2 with its lines and black between them; each
// coloured pixel continues in direction (dx, dy) or, for the crossed hatches, (dx2, dy2).
void expectHatch(const QImage& img, int x1, int y1, int x2, int y2, quint32 c, int dx, int dy,
                 int dx2 = 0, int dy2 = 0)
{
    const int coloured = countColour(img, x1, y1, x2, y2, c);
    const int black = countColour(img, x1, y1, x2, y2, rgb::Black);
    const int all = (x2 - x1 + 1) * (y2 - y1 + 1);
    EXPECT_GT(coloured, all / 10);
    EXPECT_GT(black, all / 2);
    EXPECT_EQ(coloured + black, all);
    int along = 0, checked = 0;
    for (int y = y1 + 1; y < y2; ++y)
        for (int x = x1 + 1; x < x2; ++x)
            if (at(img, x, y) == c) {
                ++checked;
                along += at(img, x + dx, y + dy) == c
                         || ((dx2 || dy2) && at(img, x + dx2, y + dy2) == c);
            }
    EXPECT_EQ(along, checked) << "hatch direction " << dx << "," << dy;
}

} // namespace

TEST(ChartPaint, FirstDayBarsThreeAndTwo)
{
    const QImage img = draw(2, 1, 1, today({{3, 2}}));
    ASSERT_EQ(img.size(), QSize(570, 485));
    // Bar 1 covers x 60..89 from y 50 to the base line, bar 2 x 100..129 from y 167.
    for (int y : {50, 120, 300, 399}) {
        EXPECT_EQ(at(img, 60, y), rgb::Lime) << y;
        EXPECT_EQ(at(img, 89, y), rgb::Lime) << y;
        EXPECT_NE(at(img, 90, y), rgb::Lime) << y;
    }
    EXPECT_EQ(at(img, 75, 50), rgb::Lime);
    EXPECT_NE(at(img, 75, 48), rgb::Lime);
    EXPECT_EQ(at(img, 110, 167), rgb::Lime);
    EXPECT_NE(at(img, 110, 165), rgb::Lime);
    EXPECT_EQ(at(img, 100, 300), rgb::Lime);
    EXPECT_EQ(at(img, 129, 300), rgb::Lime);
    // Backward diagonal: each line rises to the right.
    expectHatch(img, 62, 60, 87, 380, rgb::Lime, 1, -1);
    // The value texts above the bars, the axis label 3 at the top.
    EXPECT_GT(countTinted(img, 72, 35, 80, 47, rgb::Lime), 3);
    EXPECT_GT(countTinted(img, 112, 152, 120, 164, rgb::Lime), 3);
    EXPECT_GT(countTinted(img, 31, 45, 39, 57, rgb::White), 3);
    // Axis and base line in white, the other types' bars leave no mark.
    EXPECT_EQ(at(img, 45, 200), rgb::White);
    EXPECT_EQ(at(img, 300, 400), rgb::White);
    EXPECT_EQ(countColour(img, 140, 60, 545, 395, rgb::Blue), 0);
}

TEST(ChartPaint, FirstDayFullLimeCircleLabelledHundredPercent)
{
    const QImage img = draw(3, 1, 1, today({{3, 2}}));
    // Silver outline round the whole circle, lime cross hatch inside, black between.
    int silver = 0;
    for (int deg = 0; deg < 360; deg += 15) {
        const QPoint p = piePoint(deg);
        const QPoint q = QPoint(285, 240) + (p - QPoint(285, 240)) * 99 / 100;
        silver += countColour(img, q.x() - 3, q.y() - 3, q.x() + 3, q.y() + 3, rgb::Silver) > 0;
    }
    EXPECT_EQ(silver, 24);
    expectHatch(img, 200, 150, 370, 330, rgb::Lime, 1, 1, 1, -1);
    // No radius line: the full circle is one segment without an edge from the centre.
    EXPECT_EQ(countColour(img, 300, 238, 470, 242, rgb::Silver), 0);
    // "100 %" at (35, 225), the legend at (10, 10), the white title at (120, 5).
    EXPECT_GT(countTinted(img, 35, 225, 75, 238, rgb::Lime), 15);
    EXPECT_GT(countTinted(img, 10, 10, 50, 21, rgb::Lime), 15);
    EXPECT_GT(countTinted(img, 10, 22, 60, 33, rgb::Blue), 10);
    EXPECT_GT(countTinted(img, 120, 5, 400, 17, rgb::White), 100);
}

TEST(ChartPaint, FirstDayErrorBarOfAThird)
{
    const QImage img = draw(4, 1, 1, today({{3, 2}}));
    // x 60..119 from y 283.
    EXPECT_EQ(at(img, 60, 300), rgb::Lime);
    EXPECT_EQ(at(img, 119, 300), rgb::Lime);
    EXPECT_NE(at(img, 120, 300), rgb::Lime);
    EXPECT_EQ(at(img, 90, 283), rgb::Lime);
    EXPECT_NE(at(img, 90, 281), rgb::Lime);
    expectHatch(img, 62, 290, 117, 395, rgb::Lime, 1, -1);
    EXPECT_GT(countTinted(img, 72, 268, 110, 280, rgb::Lime), 15); // "33,33%"
    EXPECT_GT(countTinted(img, 11, 45, 35, 57, rgb::White), 10);   // "100%"
}

TEST(ChartPaint, FourTypesOfBasicArithmetic)
{
    // Given 4, 3, 2, 1: the maximum is 4, one task stands 87.5 -> 88 pixels high.
    const QImage img = draw(2, 3, 1, today({{4, 4}, {3, 1}, {2, 2}, {1, 0}}));
    const struct {
        int left, top;
        quint32 colour;
        int dx, dy;
    } bars[] = {{60, 50, rgb::Lime, 1, -1},  {170, 138, rgb::Blue, 1, 1},
                {280, 225, rgb::Aqua, 1, 0}, {390, 312, rgb::Yellow, 0, 1}};
    for (const auto& b : bars) {
        EXPECT_EQ(at(img, b.left, 390), b.colour);
        EXPECT_EQ(at(img, b.left + 44, 390), b.colour);
        EXPECT_NE(at(img, b.left + 45, 390), b.colour);
        EXPECT_EQ(at(img, b.left + 20, b.top), b.colour);
        EXPECT_NE(at(img, b.left + 20, b.top - 2), b.colour);
        expectHatch(img, b.left + 2, b.top + 2, b.left + 42, 396, b.colour, b.dx, b.dy);
    }
    // Second bar of type 4: nothing right, so nothing drawn above the base line.
    EXPECT_EQ(countColour(img, 445, 60, 490, 398, rgb::Yellow), 0);
    EXPECT_GT(countTinted(img, 421, 410, 460, 421, rgb::Yellow), 10); // "Division"
}

TEST(ChartPaint, FiveNumberSystemTypesAndThePrimesRed)
{
    // Number systems: five types, the fifth grey in a cross hatch, bar width 35.
    const QImage z = draw(2, 5, 0, today({{2, 1}, {0, 0}, {0, 0}, {0, 0}, {2, 2}}));
    EXPECT_EQ(at(z, 420, 300), rgb::Grey);
    EXPECT_EQ(at(z, 454, 300), rgb::Grey);
    EXPECT_NE(at(z, 455, 300), rgb::Grey);
    EXPECT_EQ(at(z, 430, 50), rgb::Grey);
    const int grey = countColour(z, 422, 60, 452, 396, rgb::Grey);
    EXPECT_GT(grey, 0);
    // A cross hatch has horizontal and vertical lines.
    int rows = 0, cols = 0;
    for (int y = 60; y <= 396; ++y)
        rows += countColour(z, 422, y, 452, y, rgb::Grey) == 31;
    for (int x = 422; x <= 452; ++x)
        cols += countColour(z, x, 60, x, 396, rgb::Grey) == 337;
    EXPECT_GT(rows, 10);
    EXPECT_GT(cols, 2);

    // Primes: the third type is red.
    const QImage p = draw(4, 4, 0, today({{0, 0}, {0, 0}, {4, 1}, {0, 0}}));
    EXPECT_EQ(at(p, 280, 300), rgb::Red); // x0 = 220, bar from 280, 75 % high
    EXPECT_EQ(at(p, 300, 138), rgb::Red);
    EXPECT_EQ(countColour(p, 0, 0, 569, 484, rgb::Aqua), 0);

    // The pie of five types: each segment's inside in its own colour.
    const QImage pie = draw(6, 5, 0, today({{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}}));
    const quint32 colours[] = {rgb::Lime, rgb::Blue, rgb::Aqua, rgb::Yellow, rgb::Grey};
    for (int k = 0; k < 5; ++k) {
        const QPoint m = QPoint(285, 240) + (piePoint(72 * k + 36) - QPoint(285, 240)) / 2;
        EXPECT_GT(countColour(pie, m.x() - 8, m.y() - 8, m.x() + 8, m.y() + 8, colours[k]), 10) << k;
    }
}

TEST(ChartPaint, NoDataTextAndTheTable)
{
    const QImage none = draw(6, 2, 0, ChartData{});
    EXPECT_GT(countTinted(none, 105, 220, 400, 245, rgb::Lime), 200);
    EXPECT_EQ(countTinted(none, 0, 0, 569, 215, rgb::Lime), 0);

    ChartData d = today({{12, 7}});
    const QImage table = draw(1, 3, 1, d);
    EXPECT_EQ(at(table, 300, 30), rgb::Blue);  // horizontal lines
    EXPECT_EQ(at(table, 300, 350), rgb::Blue);
    EXPECT_EQ(at(table, 125, 200), rgb::Blue); // group border
    EXPECT_EQ(at(table, 65, 200), rgb::Blue);  // between Anzahl and richtig
    EXPECT_GT(countTinted(table, 40, 10, 100, 22, rgb::Aqua), 20);  // "Addition" bold
    EXPECT_GT(countTinted(table, 48, 60, 60, 72, rgb::Lime), 5);    // "12"
    EXPECT_GT(countTinted(table, 495, 60, 565, 72, rgb::Lime), 20); // the date
}
