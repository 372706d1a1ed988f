// The charts as data: axis labels and heights, bars, pie angles and label corners, the
// percent texts, legends and table positions per selection, the no-data cases.
#include "chartgeometry.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace quorvel::stats;

namespace {

const SelectionLayout& sel(int topic, int part)
{
    const SelectionLayout* s = selectionLayout(topic, part);
    EXPECT_NE(s, nullptr) << topic << "," << part;
    return s ? *s : allSelections().front();
}

// Today's record and the history, with `today` as the last used record.
ChartData dataWithToday(const SelectionLayout& s, std::vector<StatCounts> today)
{
    ChartData d;
    d.today.date = QStringLiteral(" 07.12.2026");
    d.today.empty = false;
    for (size_t k = 0; k < today.size(); ++k)
        d.today.counts[k] = today[k];
    d.days[0] = d.today;
    for (int r = 1; r < kHistoryLength; ++r)
        d.days[r].date = emptyDateText();
    Q_UNUSED(s);
    return d;
}

struct TextOp {
    QString text;
    int x, y;
    quint32 colour;
    friend bool operator==(const TextOp&, const TextOp&) = default;
};
std::ostream& operator<<(std::ostream& o, const TextOp& t)
{
    return o << '"' << t.text.toStdString() << "\" (" << t.x << ',' << t.y << ") #" << std::hex
             << t.colour << std::dec;
}

std::vector<TextOp> texts(const std::vector<ChartOp>& ops)
{
    std::vector<TextOp> out;
    for (const ChartOp& op : ops)
        if (op.kind == ChartOp::Text)
            out.push_back({op.text, op.points[0].x(), op.points[0].y(), op.colour});
    return out;
}

bool hasText(const std::vector<ChartOp>& ops, const TextOp& t)
{
    const auto all = texts(ops);
    return std::find(all.begin(), all.end(), t) != all.end();
}

std::vector<const ChartOp*> ofKind(const std::vector<ChartOp>& ops, ChartOp::Kind k)
{
    std::vector<const ChartOp*> out;
    for (const ChartOp& op : ops)
        if (op.kind == k)
            out.push_back(&op);
    return out;
}

// Coloured (second) pass of each bar: {left, top, right, bottom, colour, hatch}.
using BarBox = std::tuple<int, int, int, int, quint32, Hatch>;
std::vector<BarBox> bars(const std::vector<ChartOp>& ops)
{
    std::vector<BarBox> out;
    const auto all = ofKind(ops, ChartOp::Bar);
    for (size_t i = 0; i < all.size(); ++i) {
        const ChartOp& op = *all[i];
        if (i % 2 == 0) { // the black pass comes first, on the same box
            EXPECT_EQ(op.colour, rgb::Black);
            EXPECT_EQ(op.hatch, Hatch::Solid);
            EXPECT_EQ(op.points, all[i + 1]->points);
            continue;
        }
        out.emplace_back(op.points[0].x(), op.points[0].y(), op.points[1].x(), op.points[1].y(),
                         op.colour, op.hatch);
    }
    return out;
}

} // namespace

TEST(ChartArithmetic, RoundsHalvesToEven)
{
    const struct {
        qint64 num, den, expected;
    } cases[] = {{1, 2, 0}, {3, 2, 2}, {5, 2, 2}, {7, 2, 4}, {-1, 2, 0}, {-3, 2, -2},
                 {5, 3, 2}, {4, 3, 1}, {35, 10, 4}, {25, 10, 2}, {24, 2, 12}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
}

TEST(ChartArithmetic, CountAxisLabelsRoundTenthsOfTheMaximum)
{
    const struct {
        qint64 m;
        QStringList labels;
    } cases[] = {
        {1, {"0", "0", "0", "0", "0", "0", "1", "1", "1", "1", "1"}},
        {3, {"0", "0", "1", "1", "1", "2", "2", "2", "2", "3", "3"}},
        {5, {"0", "0", "1", "2", "2", "2", "3", "4", "4", "4", "5"}},
        {25, {"0", "2", "5", "8", "10", "12", "15", "18", "20", "22", "25"}},
        {65535, {"0", "6554", "13107", "19660", "26214", "32768", "39321", "45874", "52428",
                 "58982", "65535"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(countAxisLabels(c.m), c.labels) << c.m;
}

TEST(ChartArithmetic, HeightsOfCountsAndErrorRates)
{
    const struct {
        qint64 m, v;
        int y;
    } counts[] = {{3, 3, 50}, {3, 2, 167}, {3, 1, 283}, {3, 0, 400}, {4, 1, 312},
                  {20, 1, 382}, {28, 1, 388}, {12, 1, 371}, {1, 1, 50}};
    for (const auto& c : counts)
        EXPECT_EQ(countHeight(c.m, c.v), c.y) << c.v << " of " << c.m;

    const struct {
        StatCounts c;
        int y;
    } errors[] = {{{3, 2}, 283}, {{2, 1}, 225}, {{4, 3}, 312}, {{0, 0}, 400},
                  {{1, 0}, 50},  {{5, 5}, 400}, {{3, 5}, 400}, {{8, 7}, 356}};
    for (const auto& e : errors)
        EXPECT_EQ(errorHeight(e.c), e.y) << e.c.given << "/" << e.c.correct;
}

TEST(ChartArithmetic, PercentTextsAreCutToTwoDecimalsWithAComma)
{
    const struct {
        qint64 part, total;
        const char* text;
    } shares[] = {{1, 3, "33,33"}, {2, 3, "66,66"}, {1, 1, "100"},   {1, 2, "50"},
                  {1, 8, "12,5"},  {1, 7, "14,28"}, {1, 16, "6,25"}, {1, 200, "0,5"},
                  {1, 10000, "0,01"}, {1, 20000, "0"}, {0, 5, "0"}, {29, 100, "29"}};
    for (const auto& s : shares)
        EXPECT_EQ(hundredthsText(shareHundredths(s.part, s.total)), QString::fromLatin1(s.text))
            << s.part << "/" << s.total;

    const struct {
        StatCounts c;
        const char* text;
    } rates[] = {{{3, 2}, "33,33"}, {{3, 1}, "66,66"}, {{7, 0}, "100"}, {{0, 0}, "0"},
                 {{6, 6}, "0"},     {{6, 9}, "0"},     {{8, 7}, "12,5"}};
    for (const auto& r : rates)
        EXPECT_EQ(hundredthsText(errorRateHundredths(r.c)), QString::fromLatin1(r.text))
            << r.c.given << "/" << r.c.correct;
}

TEST(ChartArithmetic, PiePointsAndLabelCorners)
{
    const struct {
        double deg;
        QPoint p;
    } points[] = {{0, {485, 240}},  {90, {285, 40}}, {180, {85, 240}},
                  {270, {285, 440}}, {45, {426, 99}}, {360, {485, 240}}};
    for (const auto& c : points)
        EXPECT_EQ(piePoint(c.deg), c.p) << c.deg;

    const struct {
        QPoint m, corner;
    } corners[] = {{{85, 240}, {35, 225}},   {{426, 99}, {461, 84}}, {{285, 440}, {240, 455}},
                   {{300, 300}, {315, 310}}, {{286, 241}, {301, 251}}, {{285, 240}, {320, 225}},
                   {{284, 240}, {234, 225}}};
    for (const auto& c : corners)
        EXPECT_EQ(pieLabelCorner(c.m), c.corner) << c.m.x() << "," << c.m.y();
}

TEST(ChartLayouts, EverySelectionShowsItsTypesInItsColours)
{
    const struct {
        int topic, part, first, n;
        QStringList legends;
    } cases[] = {
        {1, 1, 1, 6, {"Addition", "Subtraktion", "Multiplikation", "Division", "Erweitern", "Kürzen"}},
        {1, 2, 7, 5, {"Ordnen", "Vergleichen", "Bruchteile", "KommaBruch", "BruchKomma"}},
        {2, 0, 1, 6, {"Gewichte", "Längenmaße", "Flächenmaße", "Körpermaße", "Zeitmaße", "Währung"}},
        {3, 1, 1, 4, {"Addition", "Subtraktion", "Multiplikation", "Division"}},
        {3, 2, 5, 4, {"Addition", "Subtraktion", "Multiplikation", "Division"}},
        {3, 3, 9, 4, {"Addition", "Subtraktion", "Multiplikation", "Division"}},
        {4, 0, 1, 4, {"Teilbarkeit", "Primfaktorzerlegung", "ggT bestimmen", "kgV bestimmen"}},
        {5, 0, 1, 5, {"Römische Zahlen", "Dualsystem", "Dreiersystem", "Oktalsystem", "Hexadezimalsystem"}},
    };
    ASSERT_EQ(allSelections().size(), std::size(cases));
    for (const auto& c : cases) {
        const SelectionLayout& s = sel(c.topic, c.part);
        EXPECT_EQ(s.firstType, c.first);
        ASSERT_EQ(s.n, c.n);
        for (int k = 0; k < s.n; ++k)
            EXPECT_EQ(s.legendNames[k], c.legends[k]) << c.topic << "," << c.part;
    }
    EXPECT_EQ(selectionLayout(3, 0), nullptr);
    EXPECT_EQ(selectionLayout(0, 0), nullptr);
    EXPECT_EQ(typeColour(sel(3, 1), 3), rgb::Aqua);
    EXPECT_EQ(typeColour(sel(4, 0), 3), rgb::Red);
    const quint32 colours[] = {rgb::Lime, rgb::Blue, rgb::Aqua, rgb::Yellow, rgb::Grey, rgb::Red};
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(typeColour(sel(1, 1), k), colours[k - 1]);
    EXPECT_EQ(sel(3, 2).pieNames[0], "Lückenaufgaben Addition");
}

TEST(ChartData, TakesTheSelectionsTypesAndAnEmptyDayWithoutTodaysRecord)
{
    TopicStats t(1);
    t.history[0].date = QStringLiteral(" 06.12.2026");
    t.history[0].counts[7 - 1] = {4, 1};  // Ordnen
    t.history[0].counts[11 - 1] = {2, 2}; // BruchKomma
    t.history[0].counts[0] = {9, 9};      // Addition: not in part 2
    const ChartData d = chartData(t, sel(1, 2), QStringLiteral(" 07.12.2026"));
    EXPECT_TRUE(d.today.empty);
    for (const StatCounts& c : d.today.counts)
        EXPECT_EQ(c, (StatCounts{0, 0}));
    EXPECT_EQ(d.days[0].counts[0], (StatCounts{4, 1}));
    EXPECT_EQ(d.days[0].counts[4], (StatCounts{2, 2}));
    EXPECT_EQ(d.days[0].date, " 06.12.2026");
    EXPECT_TRUE(d.days[1].empty);

    const ChartData same = chartData(t, sel(1, 2), QStringLiteral(" 06.12.2026"));
    EXPECT_FALSE(same.today.empty);
    EXPECT_EQ(same.today.counts[0], (StatCounts{4, 1}));
}

TEST(Charts, FirstDayOfThreeFractionAdditionsTwoRight)
{
    const SelectionLayout& s = sel(1, 1);
    const ChartData d = dataWithToday(s, {{3, 2}});

    const auto c2 = buildChart(2, s, d);
    ASSERT_EQ(c2.front().kind, ChartOp::Clear);
    const auto b2 = bars(c2);
    ASSERT_EQ(b2.size(), 12u);
    EXPECT_EQ(b2[0], BarBox(60, 50, 90, 400, rgb::Lime, Hatch::BDiagonal));
    EXPECT_EQ(b2[1], BarBox(100, 167, 130, 400, rgb::Lime, Hatch::BDiagonal));
    EXPECT_EQ(b2[2], BarBox(140, 400, 170, 400, rgb::Blue, Hatch::FDiagonal));
    EXPECT_EQ(b2[11], BarBox(500, 400, 530, 400, rgb::Red, Hatch::DiagCross));
    for (const TextOp& t : {TextOp{"3", 72, 35, rgb::Lime}, TextOp{"2", 112, 152, rgb::Lime},
                            TextOp{"Addition", 75, 410, rgb::Lime},
                            TextOp{"Kürzen", 478, 410, rgb::Red}, TextOp{"3", 31, 45, rgb::White},
                            TextOp{"0", 31, 395, rgb::White}, TextOp{"2", 31, 220, rgb::White},
                            TextOp{"1. Balken: Anzahl der gerechneten Aufgaben", 160, 435, rgb::White}})
        EXPECT_TRUE(hasText(c2, t)) << t;

    const auto c3 = buildChart(3, s, d);
    const auto pies = ofKind(c3, ChartOp::Pie);
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_EQ(pies[0]->colour, rgb::Lime);
    EXPECT_EQ(pies[0]->hatch, Hatch::DiagCross);
    EXPECT_DOUBLE_EQ(pies[0]->startDegrees, 0);
    EXPECT_DOUBLE_EQ(pies[0]->spanDegrees, 360);
    EXPECT_EQ(pies[0]->points, (std::vector<QPoint>{{485, 240}, {485, 240}}));
    EXPECT_TRUE(hasText(c3, {"100 %", 35, 225, rgb::Lime}));
    EXPECT_TRUE(hasText(c3, {"Addition", 10, 10, rgb::Lime}));
    EXPECT_TRUE(hasText(c3, {"Subtraktion", 10, 22, rgb::Blue})); // legend also without share
    EXPECT_EQ(texts(c3).size(), 8u); // six legends, one share, the title

    const auto c4 = buildChart(4, s, d);
    const auto b4 = bars(c4);
    ASSERT_EQ(b4.size(), 6u);
    EXPECT_EQ(b4[0], BarBox(60, 283, 120, 400, rgb::Lime, Hatch::BDiagonal));
    EXPECT_TRUE(hasText(c4, {"33,33%", 72, 268, rgb::Lime}));
    EXPECT_TRUE(hasText(c4, {"0%", 164, 385, rgb::Blue}));
    EXPECT_TRUE(hasText(c4, {"100%", 11, 45, rgb::White}));
    EXPECT_TRUE(hasText(c4, {"10%", 17, 360, rgb::White}));
    EXPECT_TRUE(hasText(c4, {"0%", 23, 395, rgb::White}));
}

TEST(Charts, WithoutDataPiesAndTodaysErrorsShowOnlyTheNoDataText)
{
    for (const SelectionLayout& s : allSelections()) {
        const ChartData empty = dataWithToday(s, {});
        for (int chart : {3, 4, 6}) {
            const auto ops = buildChart(chart, s, empty);
            ASSERT_EQ(ops.size(), 2u) << chart;
            EXPECT_EQ(ops[0].kind, ChartOp::Clear);
            EXPECT_EQ(ops[1].text, "Es wurden noch keine Aufgaben gerechnet");
            EXPECT_EQ(ops[1].points[0], QPoint(105, 220));
            EXPECT_EQ(ops[1].font, ChartFont::NoData);
            EXPECT_EQ(ops[1].colour, rgb::Lime);
        }
        // Counts and lines draw their axes with the maximum 1, everything at the base line.
        for (int chart : {2, 5, 7}) {
            const auto ops = buildChart(chart, s, empty);
            EXPECT_FALSE(hasText(ops, {noDataText(), 105, 220, rgb::Lime}));
            EXPECT_TRUE(hasText(ops, {chart == 7 ? "100%" : "1", chart == 7 ? 11 : 31, 45, rgb::White}));
            for (const BarBox& b : bars(ops))
                EXPECT_EQ(std::get<1>(b), 400);
            for (const ChartOp* l : ofKind(ops, ChartOp::Polyline))
                for (const QPoint& p : l->points)
                    EXPECT_EQ(p.y(), 400);
        }
    }
    EXPECT_TRUE(buildChart(0, sel(1, 1), ChartData{}).empty());
    EXPECT_TRUE(buildChart(8, sel(1, 1), ChartData{}).empty());
}

TEST(Charts, PieSharesOfAThirdAndTwoThirds)
{
    const SelectionLayout& s = sel(3, 1);
    const ChartData d = dataWithToday(s, {{0, 0}, {1, 1}, {0, 0}, {2, 0}});
    const auto ops = buildChart(3, s, d);
    const auto pies = ofKind(ops, ChartOp::Pie);
    ASSERT_EQ(pies.size(), 2u);
    EXPECT_EQ(pies[0]->colour, rgb::Blue);
    EXPECT_NEAR(pies[0]->startDegrees, 0, 1e-9);
    EXPECT_NEAR(pies[0]->spanDegrees, 120, 1e-9);
    EXPECT_EQ(pies[0]->points, (std::vector<QPoint>{{485, 240}, {185, 67}}));
    EXPECT_EQ(pies[1]->colour, rgb::Yellow);
    EXPECT_NEAR(pies[1]->startDegrees, 120, 1e-9);
    EXPECT_NEAR(pies[1]->spanDegrees, 240, 1e-9);
    EXPECT_TRUE(hasText(ops, {"33,33 %", 420, 52, rgb::Blue}));   // middle at 60 degrees
    EXPECT_TRUE(hasText(ops, {"66,66 %", 140, 428, rgb::Yellow})); // middle at 240 degrees
}

TEST(Charts, TheTableOfTenRecordsPerLayout)
{
    const struct {
        int topic, part;
        int anzahl2, richtig2; // column captions of the second group
        int verticalCount;
        TextOp header, datum, given, correct, date;
    } cases[] = {
        {1, 1, 88, 131, 12, {"Addition", 23, 10, rgb::Aqua}, {"Datum", 508, 33, rgb::Aqua},
         {"12", 28, 60, rgb::Lime}, {"7", 74, 60, rgb::Lime}, {" 06.12.2026", 495, 60, rgb::Lime}},
        {1, 2, 88, 131, 12, {"BruchKomma", 329, 10, rgb::Aqua}, {"Datum", 508, 33, rgb::Aqua},
         {"12", 28, 60, rgb::Lime}, {"7", 74, 60, rgb::Lime}, {" 06.12.2026", 495, 60, rgb::Lime}},
        {3, 1, 137, 200, 8, {"Division", 400, 10, rgb::Aqua}, {"Datum", 508, 33, rgb::Aqua},
         {"12", 48, 60, rgb::Lime}, {"7", 114, 60, rgb::Lime}, {" 06.12.2026", 495, 60, rgb::Lime}},
        {3, 2, 137, 200, 8, {"Lückenaufgaben", 133, 2, rgb::Aqua}, {"Datum", 508, 33, rgb::Aqua},
         {"12", 48, 60, rgb::Lime}, {"7", 114, 60, rgb::Lime}, {" 06.12.2026", 495, 60, rgb::Lime}},
        {3, 3, 137, 200, 8, {"Subtraktion", 150, 17, rgb::Aqua}, {"Gleichungen", 146, 2, rgb::Aqua},
         {"12", 48, 60, rgb::Lime}, {"7", 114, 60, rgb::Lime}, {" 06.12.2026", 495, 60, rgb::Lime}},
        {4, 0, 137, 200, 8, {"bestimmen", 155, 15, rgb::Aqua}, {"Primfaktoren", 150, 2, rgb::Aqua},
         {"12", 48, 60, rgb::Lime}, {"7", 114, 60, rgb::Lime}, {" 06.12.2026", 495, 60, rgb::Lime}},
        {5, 0, 113, 166, 10, {"Hexadezimal", 420, 10, rgb::Aqua}, {"Datum", 518, 33, rgb::Aqua},
         {"12", 38, 60, rgb::Lime}, {"7", 94, 60, rgb::Lime}, {" 06.12.2026", 506, 60, rgb::Lime}},
    };
    for (const auto& c : cases) {
        const SelectionLayout& s = sel(c.topic, c.part);
        ChartData d = dataWithToday(s, {{12, 7}});
        d.days[0].date = QStringLiteral(" 06.12.2026");
        const auto ops = buildChart(1, s, d);
        for (const TextOp& t : {c.header, c.datum, c.given, c.correct, c.date,
                                TextOp{"Anzahl", c.anzahl2, 33, rgb::Aqua},
                                TextOp{"richtig", c.richtig2, 33, rgb::Aqua},
                                TextOp{" 00.00.0000", c.date.x, 330, rgb::Lime}})
            EXPECT_TRUE(hasText(ops, t)) << c.topic << "," << c.part << ": " << t;
        int vertical = 0, horizontal = 0;
        for (const ChartOp* l : ofKind(ops, ChartOp::Line)) {
            EXPECT_EQ(l->colour, rgb::Blue);
            if (l->points[0].x() == l->points[1].x()) {
                ++vertical;
                EXPECT_EQ(l->points[1].y(), 350);
            } else {
                ++horizontal;
                EXPECT_EQ(l->points[0].x(), 5);
                EXPECT_EQ(l->points[1].x(), 565);
            }
        }
        EXPECT_EQ(vertical, c.verticalCount);
        EXPECT_EQ(horizontal, 12);
    }
    // The last vertical line of a table of six groups of 80 lies at 485, the half one at 445.
    const auto ops = buildChart(1, sel(1, 1), ChartData{});
    const auto lines = ofKind(ops, ChartOp::Line);
    EXPECT_EQ(lines[lines.size() - 2]->points[0], QPoint(485, 10));
    EXPECT_EQ(lines.back()->points[0], QPoint(445, 30));
}

TEST(Charts, LegendsPerChartAndSelection)
{
    const struct {
        int topic, part, chart;
        std::vector<TextOp> expected;
    } cases[] = {
        {3, 2, 2, {{"Lückenaufgaben", 70, 402, rgb::Lime}, {"Addition", 90, 418, rgb::Lime},
                   {"Lückenaufgaben", 401, 402, rgb::Yellow}, {"Division", 421, 418, rgb::Yellow}}},
        {3, 2, 4, {{"Lückenaufgaben", 180, 402, rgb::Blue}, {"Subtraktion", 187, 418, rgb::Blue}}},
        {3, 2, 5, {{"Lückenaufgaben", 288, 435, rgb::Aqua}, {"Multiplikation", 298, 451, rgb::Aqua},
                   {"Subtraktion", 192, 451, rgb::Blue}}},
        {3, 3, 7, {{"Gleichungen", 77, 435, rgb::Lime}, {"Addition", 85, 451, rgb::Lime},
                   {"Gleichungen", 408, 435, rgb::Yellow}, {"Division", 416, 451, rgb::Yellow}}},
        {3, 3, 2, {{"Gleichungen", 190, 402, rgb::Blue}, {"Subtraktion", 193, 418, rgb::Blue}}},
        {3, 2, 3, {{"Lückenaufgaben Addition", 10, 15, rgb::Lime},
                   {"Lückenaufgaben Division", 10, 51, rgb::Yellow}}},
        {4, 0, 2, {{"ggT bestimmen", 295, 410, rgb::Red}, {"Primfaktorzerlegung", 172, 410, rgb::Blue}}},
        {4, 0, 5, {{"Teilbarkeit", 50, 440, rgb::Lime}, {"kgV bestimmen", 330, 440, rgb::Yellow}}},
        {5, 0, 4, {{"Hexadezimalsystem", 408, 410, rgb::Grey}, {"Römische Zahlen", 50, 410, rgb::Lime}}},
        {5, 0, 7, {{"Hexadezimalsystem", 415, 440, rgb::Grey}, {"Entwicklung der Fehlerrate", 230, 15, rgb::White}}},
        {2, 0, 2, {{"Währung", 470, 410, rgb::Red}, {"Längenmaße", 144, 410, rgb::Blue}}},
        {1, 2, 5, {{"BruchKomma", 395, 440, rgb::Grey}, {"10", 517, 410, rgb::White},
                   {"1", 67, 410, rgb::White}}},
        {1, 1, 6, {{"Kürzen", 10, 70, rgb::Red},
                   {"Häufigkeitsverteilung der gerechneten Aufgabentypen (Gesamtdaten)", 120, 5, rgb::White}}},
    };
    for (const auto& c : cases) {
        const SelectionLayout& s = sel(c.topic, c.part);
        const ChartData d = dataWithToday(s, {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {1, 0}});
        const auto ops = buildChart(c.chart, s, d);
        for (const TextOp& t : c.expected)
            EXPECT_TRUE(hasText(ops, t)) << c.topic << "," << c.part << " chart " << c.chart << ": " << t;
    }
}

TEST(Charts, TenDayLinesFollowTheRecords)
{
    const SelectionLayout& s = sel(5, 0);
    ChartData d;
    for (int r = 0; r < kHistoryLength; ++r) {
        d.days[r].empty = r >= 3;
        d.days[r].date = r < 3 ? QStringLiteral(" 0%1.12.2026").arg(r + 1) : emptyDateText();
    }
    d.days[0].counts[0] = {10, 5};
    d.days[1].counts[0] = {20, 20};
    d.days[2].counts[0] = {4, 1};
    d.days[2].counts[4] = {1, 0};

    const auto ops5 = buildChart(5, s, d);
    const auto lines5 = ofKind(ops5, ChartOp::Polyline);
    ASSERT_EQ(lines5.size(), 5u);
    EXPECT_EQ(lines5[0]->width, 2);
    EXPECT_EQ(lines5[0]->colour, rgb::Lime);
    EXPECT_EQ(lines5[0]->points,
              (std::vector<QPoint>{{70, 225}, {120, 50}, {170, 330}, {220, 400}, {270, 400},
                                   {320, 400}, {370, 400}, {420, 400}, {470, 400}, {520, 400}}));
    EXPECT_EQ(lines5[4]->colour, rgb::Grey);
    EXPECT_EQ(lines5[4]->points[2], QPoint(170, 382)); // 17.5 rounds to 18
    EXPECT_TRUE(hasText(ops5, {"20", 24, 45, rgb::White}));
    EXPECT_TRUE(hasText(ops5, {"10", 24, 220, rgb::White}));

    const auto ops7 = buildChart(7, s, d);
    const auto lines7 = ofKind(ops7, ChartOp::Polyline);
    ASSERT_EQ(lines7.size(), 5u);
    EXPECT_EQ(lines7[0]->points[0], QPoint(70, 225)); // 50 %
    EXPECT_EQ(lines7[0]->points[1], QPoint(120, 400)); // all right
    EXPECT_EQ(lines7[0]->points[2], QPoint(170, 138)); // 75 %: 262.5 rounds to 262
    EXPECT_EQ(lines7[4]->points[2], QPoint(170, 50));  // 100 %
    EXPECT_EQ(lines7[1]->points[0], QPoint(70, 400));  // nothing given: 0 %
}

TEST(Charts, DescriptionsSayWhatTheChartShows)
{
    const SelectionLayout& s = sel(1, 1);
    ChartData d = dataWithToday(s, {{3, 2}});
    const struct {
        int chart;
        const char* part;
    } cases[] = {
        {1, "Zeile 1, 07.12.2026: Addition 3 gerechnet, 2 richtig"},
        {1, "Zeile 2: kein Tag"},
        {2, "Addition 3 gerechnet, 2 richtig; Subtraktion 0 gerechnet, 0 richtig"},
        {3, "3 Aufgaben: Addition 100 % (3); Subtraktion 0 % (0)"},
        {4, "Addition 33,33%; Subtraktion 0%"},
        {5, "Addition: 3, 0, 0, 0, 0, 0, 0, 0, 0, 0"},
        {6, "Addition 100 % (3)"},
        {7, "Addition: 33,33%, 0%, 0%"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(chartDescription(c.chart, s, d).contains(QString::fromUtf8(c.part)))
            << c.chart << ": " << chartDescription(c.chart, s, d).toStdString();
    const ChartData empty = dataWithToday(s, {});
    EXPECT_EQ(chartDescription(3, s, empty), noDataText() + ".");
    EXPECT_EQ(chartName(4), "Fehlerverteilung (Tagesdaten)");
}
