#pragma once
// The seven statistics charts as plain data: every line, bar, pie segment and text of a
// chart at its pixel position on the 570 x 485 drawing area, in drawing order. The
// painter only replays these operations; tests read them without a window.
//
// Charts: 1 table of the ten records, 2 today's counts (bars), 3 today's distribution
// (pie), 4 today's error rates (bars), 5 counts over the ten days (lines), 6 distribution
// over the ten days (pie), 7 error rates over the ten days (lines).

#include "statsmodel.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <vector>

namespace quorvel::stats {

constexpr int kChartWidth = 570;
constexpr int kChartHeight = 485;
constexpr int kChartCount = 7;
constexpr int kMaxChartTypes = 6;

// Colours as 0xRRGGBB.
namespace rgb {
constexpr quint32 Black = 0x000000, White = 0xFFFFFF, Lime = 0x00FF00, Blue = 0x0000FF,
                  Aqua = 0x00FFFF, Yellow = 0xFFFF00, Grey = 0x808080, Red = 0xFF0000,
                  Silver = 0xC0C0C0;
}

enum class Hatch {
    Solid,
    BDiagonal, // 45 degree lines rising from left to right
    FDiagonal, // 45 degree lines falling from left to right
    Horizontal,
    Vertical,
    Cross,
    DiagCross,
};

enum class ChartFont {
    Small,     // "MS Sans Serif" 8 pt
    SmallBold, // the same, bold (table header)
    NoData,    // "Times New Roman" 16 pt
};

struct ChartOp {
    enum Kind { Clear, Line, Polyline, Bar, Pie, Text };
    Kind kind = Line;
    // Line: the two end points. Polyline: its points. Bar: top left and bottom right
    // corner, the right and bottom edge excluded (a bar of width W covers W pixels).
    // Pie: the points of the start and end angle on the circle.
    std::vector<QPoint> points;
    quint32 colour = rgb::White; // pen, hatch or text colour
    int width = 1;               // pen width
    bool dotted = false;
    Hatch hatch = Hatch::Solid;  // Bar and Pie fill
    double startDegrees = 0;     // Pie: counter-clockwise from three o'clock
    double spanDegrees = 0;
    QString text;                // Text: drawn with its top left corner at points[0]
    ChartFont font = ChartFont::Small;
};

// One selection of the statistics page: which task types it shows and where its texts go.
struct ChartLegend {
    int y = 0;                                 // line of the names
    std::array<int, kMaxChartTypes> x{};       // name x per type
    int prefixY = 0;                           // two-line legends: line of the common word
    std::array<int, kMaxChartTypes> prefixX{};
};

struct TextAt {
    QString text;
    int x = 0, y = 0;
};

struct SelectionLayout {
    int topic = 0, part = 0;
    int firstType = 1;          // ordinal of the first type shown
    int n = 0;                  // number of types shown
    int G = 0, groups = 0;      // table group width and number of groups
    int anzahlDx = 0, richtigDx = 0; // table column captions within a group
    int datumX = 508, dateX = 495;
    int S = 0, W = 0, V = 0;    // bar group spacing, count bar width, error bar width
    QString prefix;             // common first word of two-line legends, or empty
    std::vector<TextAt> header; // table header (aqua, bold)
    ChartLegend countLegend, errorLegend, lineLegend; // charts 2, 4 and 5/7
    std::array<QString, kMaxChartTypes> legendNames;  // under bars and lines
    std::array<QString, kMaxChartTypes> pieNames;     // beside the pies
    int pieLegendY = 10;        // y of the first pie legend name
    bool primesColours = false; // third type red instead of aqua
};

// The layout of (topic, part) as the statistics buttons set it, or nullptr.
const SelectionLayout* selectionLayout(int topic, int part);
// All eight selections in the order of the statistics buttons.
const std::vector<SelectionLayout>& allSelections();

quint32 typeColour(const SelectionLayout& s, int k); // k = 1..n
Hatch barHatch(int k);                               // k = 1..n

// The counts one chart reads: today's record and the ten records, each reduced to the
// types of the selection.
struct ChartDay {
    QString date; // date text with its leading blank
    std::array<StatCounts, kMaxChartTypes> counts{};
    bool empty = true;
};
struct ChartData {
    ChartDay today;                             // all zero when no record is today's
    std::array<ChartDay, kHistoryLength> days;  // oldest first
};
ChartData chartData(const TopicStats& topic, const SelectionLayout& s, const QString& todayText);

// Arithmetic of the charts.
// Rounds num / den to the nearest integer, halves to the even one (den > 0).
qint64 roundHalfEven(qint64 num, qint64 den);
qint64 roundHalfEven(double v);
// Percent cut (not rounded) to hundredths, as a whole number of hundredths.
qint64 shareHundredths(qint64 part, qint64 total);      // 100 * part / total
qint64 errorRateHundredths(StatCounts c);               // 0 when nothing given
// Hundredths in their shortest form with a comma: 3333 -> "33,33", 5050 -> "50,5", 10000 -> "100".
QString hundredthsText(qint64 hundredths);
// y of a count v on a count axis of maximum m, and of an error rate.
int countHeight(qint64 m, qint64 v);
int errorHeight(StatCounts c);
// The labels of a count axis of maximum m (m >= 1), from the bottom: "0", 1/10 .. 10/10.
QStringList countAxisLabels(qint64 m);
// The point of the circle at angle phi (degrees) and the corner of a pie share's text.
QPoint piePoint(double degrees);
QPoint pieLabelCorner(QPoint middle);

// The chart k (1..7) of a selection; an unknown k gives an empty list.
std::vector<ChartOp> buildChart(int chart, const SelectionLayout& s, const ChartData& d);

// What a chart shows, for assistive technology: a short name and the figures.
QString chartName(int chart);
QString chartDescription(int chart, const SelectionLayout& s, const ChartData& d);

// Texts of the page.
QString noDataText();

} // namespace quorvel::stats
