// Placing the factor lines of the help window: pieces, arrows and the fitted offset
// and blank width, with made-up fonts whose widths are known.
#include "helplayout.h"
#include "unithelptexts.h"

#include <gtest/gtest.h>

using namespace quorvel::units;

namespace {

// Fixed pitch: every character 7 pixels.
double mono(const QString& s) { return 7.0 * s.size(); }
// Proportional: "m" and "M" wide, "i", "l", ":" narrow, the rest 7.
double proportional(const QString& s)
{
    double w = 0;
    for (QChar c : s)
        w += (c == QLatin1Char('m') || c == QLatin1Char('M')) ? 11 : QStringLiteral("il:").contains(c) ? 3 : 7;
    return w;
}

} // namespace

TEST(HelpLayout, GroupsAndArrows)
{
    const auto g = lineGroups(QStringLiteral("x10 <--     x1000 <--"));
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].start, 0);
    EXPECT_EQ(g[0].length, 7);
    EXPECT_EQ(g[1].start, 12);
    EXPECT_EQ(g[1].length, 9);
    const auto a = rowArrows(QStringLiteral("mm   <->   cm     <-->   m"));
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].start, 5);
    EXPECT_EQ(a[0].length, 3);
    EXPECT_EQ(a[1].start, 18);
    EXPECT_EQ(a[1].length, 4);
    EXPECT_TRUE(lineGroups(QStringLiteral("   ")).empty());
}

TEST(HelpLayout, EveryTabHasOneFactorPerArrow)
{
    for (const HelpTab& tab : helpTabs()) {
        const auto arrows = rowArrows(tab.unitRow);
        EXPECT_EQ(lineGroups(tab.upperLine).size(), arrows.size()) << tab.caption.toStdString();
        EXPECT_EQ(lineGroups(tab.lowerLine).size(), arrows.size()) << tab.caption.toStdString();
        EXPECT_EQ(tab.left.size(), qsizetype(arrows.size()));
        EXPECT_EQ(tab.right.size(), qsizetype(arrows.size()));
    }
}

TEST(HelpLayout, SingleFactorIsCentredOverItsArrow)
{
    const QString row = QStringLiteral("Cent   <->   Euro");
    const QString line = QStringLiteral("x100 <--");
    const FactorFit fit = fitFactorLine(row, mono, 7, line, mono, 7);
    EXPECT_DOUBLE_EQ(fit.blankWidth, 7);
    const double arrow = pieceCentres(row, rowArrows(row), mono, 7)[0];
    const double factor = fit.offset + pieceCentres(line, lineGroups(line), mono, 7)[0];
    EXPECT_DOUBLE_EQ(arrow, factor);
    EXPECT_DOUBLE_EQ(advanceTo(row, 7, mono, 3), 4 * 7 + 3 * 3);
}

TEST(HelpLayout, FittedFactorsStandBetweenTheUnitsTheyLink)
{
    // Whatever the font, each fitted factor centre lies between the end of the unit
    // before its arrow and the start of the unit after it.
    struct Font {
        TextWidth width;
        double blank;
    };
    for (const Font& font : {Font{mono, 7}, Font{proportional, 3}, Font{proportional, 4}}) {
        const TextWidth& width = font.width;
        const double space = font.blank;
        for (const HelpTab& tab : helpTabs()) {
            const auto arrows = rowArrows(tab.unitRow);
            for (const QString& line : {tab.upperLine, tab.lowerLine}) {
                const FactorFit fit = fitFactorLine(tab.unitRow, width, space, line, width, space);
                EXPECT_GE(fit.blankWidth, 0.25 * space);
                EXPECT_LE(fit.blankWidth, 3 * space);
                const auto centres = pieceCentres(line, lineGroups(line), width, fit.blankWidth);
                for (std::size_t i = 0; i < arrows.size(); ++i) {
                    const QString before = tab.unitRow.left(arrows[i].start).trimmed();
                    const int afterStart = arrows[i].start + arrows[i].length;
                    int next = afterStart;
                    while (next < tab.unitRow.size() && tab.unitRow[next] == QLatin1Char(' '))
                        ++next;
                    const double unitEnd = advanceTo(before, int(before.size()), width, space);
                    const double unitStart = advanceTo(tab.unitRow, next, width, space);
                    const double c = fit.offset + centres[i];
                    EXPECT_GT(c, unitEnd) << tab.caption.toStdString() << " factor " << i;
                    EXPECT_LT(c, unitStart) << tab.caption.toStdString() << " factor " << i;
                }
            }
        }
    }
}
