#include "chartgeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvel::stats {

namespace {

using Xs = std::array<int, kMaxChartTypes>;

ChartLegend legend(int y, Xs x) { return ChartLegend{y, x, 0, {}}; }
ChartLegend twoLines(int prefixY, Xs prefixX, int y, Xs x) { return ChartLegend{y, x, prefixY, prefixX}; }

// Table header names at y 10, one per type.
std::vector<TextAt> headerRow(const SelectionLayout& s, Xs x, const QStringList& names)
{
    std::vector<TextAt> out;
    for (int k = 0; k < s.n; ++k)
        out.push_back({names.value(k), x[k], 10});
    return out;
}

QStringList topicNames(int topic, int first, int n)
{
    QStringList out;
    for (int k = 0; k < n; ++k)
        out << typeName(topic, first + k);
    return out;
}

void setNames(SelectionLayout& s, const QStringList& legendNames, const QStringList& pieNames)
{
    for (int k = 0; k < s.n; ++k) {
        s.legendNames[k] = legendNames.value(k);
        s.pieNames[k] = pieNames.value(k);
    }
}

SelectionLayout base(int topic, int part, int first, int n)
{
    SelectionLayout s;
    s.topic = topic;
    s.part = part;
    s.firstType = first;
    s.n = n;
    return s;
}

void sixGroups(SelectionLayout& s)
{
    s.G = 80, s.groups = 6, s.anzahlDx = 8, s.richtigDx = 51;
    s.S = 80, s.W = 30, s.V = 60;
}

void fourGroups(SelectionLayout& s)
{
    s.G = 120, s.groups = 4, s.anzahlDx = 17, s.richtigDx = 80;
    s.S = 110, s.W = 45, s.V = 90;
}

// A part whose table header, legends and pie name each type by its own name.
SelectionLayout namedByTypes(int topic, int part, int first, int n, void (*groups)(SelectionLayout&),
                             Xs headerX, Xs countX, Xs errorX, Xs lineX)
{
    SelectionLayout s = base(topic, part, first, n);
    groups(s);
    const QStringList names = topicNames(topic, first, n);
    s.header = headerRow(s, headerX, names);
    s.countLegend = legend(410, countX);
    s.errorLegend = legend(410, errorX);
    s.lineLegend = legend(440, lineX);
    setNames(s, names, names);
    return s;
}

// The basic arithmetic parts whose names share a first word: that word on one line, the
// operation on the next.
SelectionLayout basicTwoLine(int part, const QString& prefix, Xs tableX, Xs barX, Xs lineNameX)
{
    const QStringList ops = topicNames(3, 1, 4);
    SelectionLayout s = base(3, part, 1 + 4 * (part - 1), 4);
    fourGroups(s);
    s.prefix = prefix;
    for (int k = 0; k < 4; ++k) {
        s.header.push_back({prefix, tableX[k], 2});
        s.header.push_back({ops[k], Xs{40, 150, 265, 400}[k], 17});
    }
    s.countLegend = twoLines(402, barX, 418, {90, 193, 298, 421});
    s.errorLegend = twoLines(402, barX, 418, {85, 187, 293, 416});
    s.lineLegend = twoLines(435, barX, 451, lineNameX);
    setNames(s, ops, topicNames(3, s.firstType, 4));
    return s;
}

std::vector<SelectionLayout> makeSelections()
{
    std::vector<SelectionLayout> all;

    all.push_back(namedByTypes(1, 1, 1, 6, sixGroups, {23, 93, 168, 260, 339, 423},
                               {75, 147, 223, 315, 393, 478}, {71, 142, 218, 308, 388, 473},
                               {60, 130, 215, 305, 395, 475}));
    // The sixth group of the table stays empty.
    all.push_back(namedByTypes(1, 2, 7, 5, sixGroups, {23, 92, 176, 249, 329},
                               {77, 147, 231, 303, 384}, {72, 139, 224, 299, 383},
                               {60, 130, 215, 305, 395}));
    all.push_back(namedByTypes(2, 0, 1, 6, sixGroups, {18, 90, 168, 250, 340, 418},
                               {72, 144, 223, 306, 392, 470}, {67, 139, 218, 301, 388, 468},
                               {60, 130, 215, 305, 395, 475}));
    all.push_back(namedByTypes(3, 1, 1, 4, fourGroups, {40, 150, 265, 400}, {90, 193, 298, 421},
                               {85, 187, 293, 416}, {85, 187, 293, 416}));

    SelectionLayout gaps = basicTwoLine(2, QStringLiteral("Lückenaufgaben"), {13, 133, 253, 373},
                                        {70, 180, 288, 401}, {90, 192, 298, 421});
    gaps.pieLegendY = 15;
    all.push_back(gaps);
    all.push_back(basicTwoLine(3, QStringLiteral("Gleichungen"), {26, 146, 266, 386},
                               {77, 190, 298, 408}, {85, 187, 293, 416}));

    SelectionLayout p = base(4, 0, 1, 4);
    fourGroups(p);
    p.primesColours = true;
    p.header = {{QStringLiteral("Teilbarkeit"), 33, 10}, {QStringLiteral("Primfaktoren"), 150, 2},
                {QStringLiteral("bestimmen"), 155, 15}, {QStringLiteral("ggT bestimmen"), 265, 10},
                {QStringLiteral("kgV bestimmen"), 385, 10}};
    p.countLegend = legend(410, {82, 172, 295, 405});
    p.errorLegend = legend(410, {80, 169, 292, 398});
    p.lineLegend = legend(440, {50, 125, 235, 330});
    setNames(p, topicNames(4, 1, 4), topicNames(4, 1, 4));
    all.push_back(p);

    SelectionLayout z = base(5, 0, 1, 5);
    z.G = 100, z.groups = 5, z.anzahlDx = 13, z.richtigDx = 66;
    z.S = 90, z.W = 35, z.V = 65;
    z.datumX = 518, z.dateX = 506;
    z.header = headerRow(z, {30, 123, 220, 320, 420},
                         {QStringLiteral("Römisch"), QStringLiteral("Dualsystem"),
                          QStringLiteral("Dreiersystem"), QStringLiteral("Oktalsystem"),
                          QStringLiteral("Hexadezimal")});
    z.countLegend = legend(410, {57, 162, 250, 340, 415});
    z.errorLegend = legend(410, {50, 156, 242, 333, 408});
    z.lineLegend = legend(440, {50, 155, 235, 330, 415});
    setNames(z, topicNames(5, 1, 5), topicNames(5, 1, 5));
    all.push_back(z);
    return all;
}

// ---- drawing operations ----

ChartOp line(int x1, int y1, int x2, int y2, quint32 colour, int width = 1, bool dotted = false)
{
    ChartOp op;
    op.kind = ChartOp::Line;
    op.points = {QPoint(x1, y1), QPoint(x2, y2)};
    op.colour = colour;
    op.width = width;
    op.dotted = dotted;
    return op;
}

ChartOp text(int x, int y, const QString& t, quint32 colour, ChartFont font = ChartFont::Small)
{
    ChartOp op;
    op.kind = ChartOp::Text;
    op.points = {QPoint(x, y)};
    op.text = t;
    op.colour = colour;
    op.font = font;
    return op;
}

using Ops = std::vector<ChartOp>;

void clear(Ops& ops)
{
    ChartOp op;
    op.kind = ChartOp::Clear;
    op.colour = rgb::Black;
    ops.push_back(op);
}

// A bar between x1 and x2 from the base line up to `top`: blacked out first, then hatched
// in the type's colour.
void bar(Ops& ops, int x1, int x2, int top, quint32 colour, Hatch hatch)
{
    ChartOp op;
    op.kind = ChartOp::Bar;
    op.points = {QPoint(x1, top), QPoint(x2, 400)};
    op.colour = rgb::Black;
    op.hatch = Hatch::Solid;
    ops.push_back(op);
    op.colour = colour;
    op.hatch = hatch;
    ops.push_back(op);
}

QString num(qint64 v) { return QString::number(v); }
int len(const QString& s) { return int(s.size()); }

void axisLines(Ops& ops)
{
    ops.push_back(line(45, 400, 45, 25, rgb::White, 2));
    for (int k = 1; k <= 10; ++k) {
        const int y = 50 + 35 * (k - 1);
        ops.push_back(line(40, y, 50, y, rgb::White));
        ops.push_back(line(55, y, 545, y, rgb::White, 1, true));
    }
    ops.push_back(line(40, 400, 545, 400, rgb::White));
}

void countAxis(Ops& ops, qint64 m)
{
    axisLines(ops);
    const QStringList labels = countAxisLabels(m);
    ops.push_back(text(31, 395, labels[0], rgb::White));
    ops.push_back(text(38 - 7 * len(labels[10]), 45, labels[10], rgb::White));
    for (int k = 1; k <= 9; ++k)
        ops.push_back(text(38 - 7 * len(labels[k]), 395 - 35 * k, labels[k], rgb::White));
}

void percentAxis(Ops& ops)
{
    axisLines(ops);
    for (int k = 1; k <= 10; ++k) {
        const QString t = num(10 * k) + QLatin1Char('%');
        ops.push_back(text(35 - 6 * len(t), 395 - 35 * k, t, rgb::White));
    }
    ops.push_back(text(23, 395, QStringLiteral("0%"), rgb::White));
}

void dayAxis(Ops& ops)
{
    for (int j = 1; j <= 10; ++j) {
        const int x = 70 + 50 * (j - 1);
        ops.push_back(line(x, 396, x, 404, rgb::White));
        ops.push_back(text(67 + 50 * (j - 1), 410, num(j), rgb::White));
    }
}

void legendText(Ops& ops, const SelectionLayout& s, const ChartLegend& l, int k)
{
    const quint32 c = typeColour(s, k + 1);
    if (!s.prefix.isEmpty())
        ops.push_back(text(l.prefixX[k], l.prefixY, s.prefix, c));
    ops.push_back(text(l.x[k], l.y, s.legendNames[k], c));
}

void noData(Ops& ops)
{
    ops.push_back(text(105, 220, noDataText(), rgb::Lime, ChartFont::NoData));
}

qint64 sumGiven(const ChartDay& d, int n)
{
    qint64 t = 0;
    for (int k = 0; k < n; ++k)
        t += d.counts[k].given;
    return t;
}

void table(Ops& ops, const SelectionLayout& s, const ChartData& d)
{
    for (const TextAt& h : s.header)
        ops.push_back(text(h.x, h.y, h.text, rgb::Aqua, ChartFont::SmallBold));
    ops.push_back(text(s.datumX, 33, QStringLiteral("Datum"), rgb::Aqua, ChartFont::SmallBold));
    for (int i = 1; i <= s.groups; ++i) {
        ops.push_back(text(s.G * (i - 1) + s.anzahlDx, 33, QStringLiteral("Anzahl"), rgb::Aqua));
        ops.push_back(text(s.G * (i - 1) + s.richtigDx, 33, QStringLiteral("richtig"), rgb::Aqua));
    }
    ops.push_back(line(5, 30, 565, 30, rgb::Blue));
    ops.push_back(line(5, 50, 565, 50, rgb::Blue));
    for (int r = 1; r <= kHistoryLength; ++r)
        ops.push_back(line(5, 80 + 30 * (r - 1), 565, 80 + 30 * (r - 1), rgb::Blue));
    for (int i = 1; i <= s.groups; ++i) {
        ops.push_back(line(5 + s.G * i, 10, 5 + s.G * i, 350, rgb::Blue));
        ops.push_back(line(5 + s.G * i - s.G / 2, 30, 5 + s.G * i - s.G / 2, 350, rgb::Blue));
    }
    for (int r = 1; r <= kHistoryLength; ++r) {
        const ChartDay& day = d.days[r - 1];
        const int y = 60 + 30 * (r - 1);
        for (int k = 1; k <= s.n; ++k) {
            const QString g = num(day.counts[k - 1].given);
            const QString c = num(day.counts[k - 1].correct);
            ops.push_back(text(s.G * k - s.G / 2 - 6 * len(g), y, g, rgb::Lime));
            ops.push_back(text(s.G * k - 6 * len(c), y, c, rgb::Lime));
        }
        ops.push_back(text(s.dateX, y, day.date, rgb::Lime));
    }
}

void todayBars(Ops& ops, const SelectionLayout& s, const ChartData& d)
{
    qint64 m = 0;
    for (int k = 0; k < s.n; ++k)
        m = std::max<qint64>(m, d.today.counts[k].given);
    if (m == 0)
        m = 1;
    countAxis(ops, m);
    for (int k = 1; k <= s.n; ++k) {
        const int x0 = s.S * (k - 1);
        const quint32 c = typeColour(s, k);
        const StatCounts v = d.today.counts[k - 1];
        const int top1 = countHeight(m, v.given), top2 = countHeight(m, v.correct);
        bar(ops, x0 + 60, x0 + 60 + s.W, top1, c, barHatch(k));
        bar(ops, x0 + 70 + s.W, x0 + 70 + 2 * s.W, top2, c, barHatch(k));
        legendText(ops, s, s.countLegend, k - 1);
        const QString g = num(v.given), r = num(v.correct);
        ops.push_back(text(x0 + 60 + int(roundHalfEven(s.W - 6 * len(g), 2)), top1 - 15, g, c));
        ops.push_back(text(x0 + 70 + s.W + int(roundHalfEven(s.W - 6 * len(r), 2)), top2 - 15, r, c));
    }
    ops.push_back(text(160, 435, QStringLiteral("1. Balken: Anzahl der gerechneten Aufgaben"),
                       rgb::White));
    ops.push_back(text(160, 450,
                       QStringLiteral("2. Balken: Anzahl der richtig gerechneten Aufgaben"),
                       rgb::White));
}

std::array<qint64, kMaxChartTypes> pieGiven(const SelectionLayout& s, const ChartData& d, bool allDays)
{
    std::array<qint64, kMaxChartTypes> g{};
    for (int k = 0; k < s.n; ++k) {
        if (!allDays) {
            g[k] = d.today.counts[k].given;
            continue;
        }
        for (const ChartDay& day : d.days)
            g[k] += day.counts[k].given;
    }
    return g;
}

void pie(Ops& ops, const SelectionLayout& s, const ChartData& d, bool allDays)
{
    const auto g = pieGiven(s, d, allDays);
    qint64 total = 0;
    for (int k = 0; k < s.n; ++k)
        total += g[k];
    if (total == 0) {
        noData(ops);
        return;
    }
    qint64 before = 0;
    for (int k = 1; k <= s.n; ++k) {
        const quint32 c = typeColour(s, k);
        const double start = 360.0 * double(before) / double(total);
        const double span = 360.0 * double(g[k - 1]) / double(total);
        before += g[k - 1];
        if (g[k - 1] != 0) {
            ChartOp op;
            op.kind = ChartOp::Pie;
            op.points = {piePoint(start), piePoint(start + span)};
            op.colour = c;
            op.width = 2;
            op.hatch = Hatch::DiagCross;
            op.startDegrees = start;
            op.spanDegrees = span;
            ops.push_back(op);
        }
        ops.push_back(text(10, s.pieLegendY + 12 * (k - 1), s.pieNames[k - 1], c));
        if (g[k - 1] != 0) {
            const QPoint corner = pieLabelCorner(piePoint(start + span / 2));
            ops.push_back(text(corner.x(), corner.y(),
                               hundredthsText(shareHundredths(g[k - 1], total))
                                   + QStringLiteral(" %"),
                               c));
        }
    }
    ops.push_back(text(120, 5,
                       allDays ? QStringLiteral("Häufigkeitsverteilung der gerechneten "
                                                "Aufgabentypen (Gesamtdaten)")
                               : QStringLiteral("Häufigkeitsverteilung der gerechneten "
                                                "Aufgabentypen (Tagesdaten)"),
                       rgb::White));
}

void errorBars(Ops& ops, const SelectionLayout& s, const ChartData& d)
{
    if (sumGiven(d.today, s.n) == 0) {
        noData(ops);
        return;
    }
    ops.push_back(text(110, 10,
                       QStringLiteral("Anteil der falsch gerechneten Aufgaben in % unterteilt "
                                      "nach Aufgabentypen"),
                       rgb::White));
    percentAxis(ops);
    for (int k = 1; k <= s.n; ++k) {
        const int x0 = s.S * (k - 1);
        const quint32 c = typeColour(s, k);
        const StatCounts v = d.today.counts[k - 1];
        const int top = errorHeight(v);
        bar(ops, x0 + 60, x0 + 60 + s.V, top, c, barHatch(k));
        legendText(ops, s, s.errorLegend, k - 1);
        const QString t = hundredthsText(errorRateHundredths(v)) + QLatin1Char('%');
        ops.push_back(text(x0 + 60 + int(roundHalfEven(s.V - 6 * len(t), 2)), top - 15, t, c));
    }
}

void dayLines(Ops& ops, const SelectionLayout& s, const ChartData& d, bool errors)
{
    qint64 m = 0;
    if (errors) {
        percentAxis(ops);
        dayAxis(ops);
        ops.push_back(text(230, 15, QStringLiteral("Entwicklung der Fehlerrate"), rgb::White));
    } else {
        for (const ChartDay& day : d.days)
            for (int k = 0; k < s.n; ++k)
                m = std::max<qint64>(m, day.counts[k].given);
        if (m == 0)
            m = 1;
        countAxis(ops, m);
        dayAxis(ops);
        ops.push_back(text(130, 15,
                           QStringLiteral("Anzahl der gerechneten Aufgaben bei vorangegangenen "
                                          "Übungen"),
                           rgb::White));
    }
    for (int k = 1; k <= s.n; ++k) {
        legendText(ops, s, s.lineLegend, k - 1);
        ChartOp op;
        op.kind = ChartOp::Polyline;
        op.colour = typeColour(s, k);
        op.width = 2;
        for (int r = 1; r <= kHistoryLength; ++r) {
            const StatCounts v = d.days[r - 1].counts[k - 1];
            op.points.push_back(
                QPoint(70 + 50 * (r - 1), errors ? errorHeight(v) : countHeight(m, v.given)));
        }
        ops.push_back(op);
    }
}

// ---- descriptions ----

QString countsText(StatCounts c)
{
    return QStringLiteral("%1 gerechnet, %2 richtig").arg(c.given).arg(c.correct);
}

QString dayName(const ChartDay& d) { return d.date.trimmed(); }

} // namespace

const std::vector<SelectionLayout>& allSelections()
{
    static const std::vector<SelectionLayout> all = makeSelections();
    return all;
}

const SelectionLayout* selectionLayout(int topic, int part)
{
    for (const SelectionLayout& s : allSelections())
        if (s.topic == topic && s.part == part)
            return &s;
    return nullptr;
}

quint32 typeColour(const SelectionLayout& s, int k)
{
    static constexpr quint32 colours[kMaxChartTypes] = {rgb::Lime, rgb::Blue,   rgb::Aqua,
                                                        rgb::Yellow, rgb::Grey, rgb::Red};
    if (k == 3 && s.primesColours)
        return rgb::Red;
    return colours[std::clamp(k, 1, kMaxChartTypes) - 1];
}

Hatch barHatch(int k)
{
    static constexpr Hatch hatches[kMaxChartTypes] = {Hatch::BDiagonal,  Hatch::FDiagonal,
                                                      Hatch::Horizontal, Hatch::Vertical,
                                                      Hatch::Cross,      Hatch::DiagCross};
    return hatches[std::clamp(k, 1, kMaxChartTypes) - 1];
}

ChartData chartData(const TopicStats& topic, const SelectionLayout& s, const QString& todayText)
{
    auto reduce = [&](const StatRecord& r) {
        ChartDay d;
        d.date = r.date;
        d.empty = r.isEmpty();
        for (int k = 0; k < s.n; ++k)
            d.counts[k] = r.at(s.firstType + k);
        return d;
    };
    ChartData d;
    // No record of today (the day changed since the last save): an empty day.
    if (const StatRecord* today = topic.record(todayText))
        d.today = reduce(*today);
    d.today.date = todayText;
    for (int r = 0; r < kHistoryLength; ++r)
        d.days[r] = r < int(topic.history.size()) ? reduce(topic.history[r]) : ChartDay{emptyDateText()};
    return d;
}

qint64 roundHalfEven(qint64 num, qint64 den)
{
    qint64 q = num / den, r = num % den;
    if (r < 0) // floor division
        --q, r += den;
    if (2 * r > den || (2 * r == den && (q & 1)))
        ++q;
    return q;
}

qint64 roundHalfEven(double v) { return std::llrint(v); } // the default mode rounds halves to even

qint64 shareHundredths(qint64 part, qint64 total)
{
    return total <= 0 ? 0 : 10000 * part / total;
}

qint64 errorRateHundredths(StatCounts c) { return errorRateHundredths(c.given, c.correct); }

QString hundredthsText(qint64 h)
{
    QString t = QString::number(h / 100);
    const qint64 frac = h % 100;
    if (frac == 0)
        return t;
    if (frac % 10 == 0)
        return t + QLatin1Char(',') + QString::number(frac / 10);
    return t + QLatin1Char(',') + QStringLiteral("%1").arg(frac, 2, 10, QLatin1Char('0'));
}

int countHeight(qint64 m, qint64 v)
{
    return 400 - int(roundHalfEven(350 * v, std::max<qint64>(m, 1)));
}

int errorHeight(StatCounts c)
{
    if (c.given == 0 || c.correct >= c.given)
        return 400;
    return 400 - int(roundHalfEven(350 * qint64(c.given - c.correct), c.given));
}

QStringList countAxisLabels(qint64 m)
{
    QStringList out{QStringLiteral("0")};
    for (int k = 1; k <= 9; ++k)
        out << num(roundHalfEven(m * k, 10));
    out << num(m);
    return out;
}

QPoint piePoint(double degrees)
{
    const double phi = degrees * std::numbers::pi / 180.0;
    return QPoint(int(roundHalfEven(285.0 + 200.0 * std::cos(phi))),
                  int(roundHalfEven(240.0 - 200.0 * std::sin(phi))));
}

QPoint pieLabelCorner(QPoint m)
{
    const int x = m.x(), y = m.y();
    if (y >= 241)
        return x >= 286 ? QPoint(x + 15, y + 10) : QPoint(x - 45, y + 15);
    return x >= 285 ? QPoint(x + 35, y - 15) : QPoint(x - 50, y - 15);
}

std::vector<ChartOp> buildChart(int chart, const SelectionLayout& s, const ChartData& d)
{
    Ops ops;
    if (chart < 1 || chart > kChartCount)
        return ops;
    clear(ops);
    switch (chart) {
    case 1: table(ops, s, d); break;
    case 2: todayBars(ops, s, d); break;
    case 3: pie(ops, s, d, false); break;
    case 4: errorBars(ops, s, d); break;
    case 5: dayLines(ops, s, d, false); break;
    case 6: pie(ops, s, d, true); break;
    case 7: dayLines(ops, s, d, true); break;
    }
    return ops;
}

QString noDataText() { return QStringLiteral("Es wurden noch keine Aufgaben gerechnet"); }

QString chartName(int chart)
{
    static const char* const names[kChartCount] = {
        "Gesamtüberblick",
        "Aufgaben (Tagesdaten)",
        "Aufgabenverteilung (Tagesdaten)",
        "Fehlerverteilung (Tagesdaten)",
        "Aufgaben (Gesamtdaten)",
        "Aufgabenverteilung (Gesamtdaten)",
        "Fehlerverteilung (Gesamtdaten)",
    };
    if (chart < 1 || chart > kChartCount)
        return QString();
    return QString::fromUtf8(names[chart - 1]);
}

QString chartDescription(int chart, const SelectionLayout& s, const ChartData& d)
{
    QStringList parts;
    switch (chart) {
    case 1:
        for (int r = 0; r < kHistoryLength; ++r) {
            const ChartDay& day = d.days[r];
            if (day.empty) {
                parts << QStringLiteral("Zeile %1: kein Tag").arg(r + 1);
                continue;
            }
            QStringList cells;
            for (int k = 0; k < s.n; ++k)
                cells << s.pieNames[k] + QLatin1Char(' ') + countsText(day.counts[k]);
            parts << QStringLiteral("Zeile %1, %2: ").arg(r + 1).arg(dayName(day))
                         + cells.join(QStringLiteral(", "));
        }
        return QStringLiteral("Tabelle der letzten zehn Tage. ") + parts.join(QStringLiteral("; "))
               + QLatin1Char('.');
    case 2:
        for (int k = 0; k < s.n; ++k)
            parts << s.pieNames[k] + QLatin1Char(' ') + countsText(d.today.counts[k]);
        return QStringLiteral("Heute, %1: ").arg(dayName(d.today)) + parts.join(QStringLiteral("; "))
               + QLatin1Char('.');
    case 3:
    case 6: {
        const auto g = pieGiven(s, d, chart == 6);
        qint64 total = 0;
        for (int k = 0; k < s.n; ++k)
            total += g[k];
        if (total == 0)
            return noDataText() + QLatin1Char('.');
        for (int k = 0; k < s.n; ++k)
            parts << s.pieNames[k] + QLatin1Char(' ') + hundredthsText(shareHundredths(g[k], total))
                         + QStringLiteral(" % (%1)").arg(g[k]);
        return (chart == 3 ? QStringLiteral("Anteile der heute gerechneten Aufgaben, ")
                           : QStringLiteral("Anteile der an allen Tagen gerechneten Aufgaben, "))
               + QStringLiteral("%1 Aufgaben: ").arg(total) + parts.join(QStringLiteral("; "))
               + QLatin1Char('.');
    }
    case 4:
        if (sumGiven(d.today, s.n) == 0)
            return noDataText() + QLatin1Char('.');
        for (int k = 0; k < s.n; ++k)
            parts << s.pieNames[k] + QLatin1Char(' ')
                         + hundredthsText(errorRateHundredths(d.today.counts[k])) + QLatin1Char('%');
        return QStringLiteral("Anteil der heute falsch gerechneten Aufgaben: ")
               + parts.join(QStringLiteral("; ")) + QLatin1Char('.');
    case 5:
    case 7:
        for (int k = 0; k < s.n; ++k) {
            QStringList values;
            for (const ChartDay& day : d.days)
                values << (chart == 5 ? num(day.counts[k].given)
                                      : hundredthsText(errorRateHundredths(day.counts[k]))
                                            + QLatin1Char('%'));
            parts << s.pieNames[k] + QStringLiteral(": ") + values.join(QStringLiteral(", "));
        }
        return (chart == 5 ? QStringLiteral("Anzahl der gerechneten Aufgaben an den Tagen 1 bis 10. ")
                           : QStringLiteral("Fehlerrate an den Tagen 1 bis 10. "))
               + parts.join(QStringLiteral("; ")) + QLatin1Char('.');
    }
    return QString();
}

} // namespace quorvel::stats
