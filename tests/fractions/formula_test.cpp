// The worked examples of the arithmetic help: their content, and the layout that places
// numbers, bars, whole numbers and replacements without overlaps.
#include "formula.h"

#include <gtest/gtest.h>

using namespace quorvel::fractions;

TEST(HelpFormulas, ContentOfTheEightPictures)
{
    const char* const texts[] = {
        "6/7 + 4/3 = 18/21 + 28/21 = 46/21 = 2 5/21",
        "2 3/4 + 5 7/8 = 7 6/8 + 7/8 = 7 13/8 = 8 5/8",
        "7/8 - 1/3 = 21/24 - 8/24 = 13/24",
        "4 4/5 - 1 2/7 = 3 28/35 - 10/35 = 3 18/35",
        "5/9 · 7/8 = 35/72",
        "3 2/5 · 5 3/4 = 17/5 · 23/4 = 391/20 = 19 11/20",
        "15/22 : 9/11 = 15/22 · 11/9 = 5/6",
        "2 1/4 : 4 3/8 = 9/4 · 8/35 = 18/35",
    };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(formulaText(helpFormula(i)), QString::fromUtf8(texts[i])) << i;
    EXPECT_EQ(formulaDescription(helpFormula(6)),
              QStringLiteral("15/22 : 9/11 = 15/22 · 11/9 = 5/6; über Kreuz gekürzt: "
                             "15 zu 5 und 9 zu 3 (grün), 22 zu 2 und 11 zu 1 (rot)"));
    EXPECT_EQ(formulaDescription(helpFormula(7)),
              QStringLiteral("2 1/4 : 4 3/8 = 9/4 · 8/35 = 18/35; über Kreuz gekürzt: 4 zu 1 und 8 zu 2 (rot)"));
    EXPECT_EQ(formulaDescription(helpFormula(0)), formulaText(helpFormula(0)));
}

TEST(HelpFormulas, LayoutPlacesEveryPieceApart)
{
    FormulaMetrics m;
    m.textWidth = [](const QString& s, FormulaRole r) {
        return (r == FormulaRole::Whole ? 14.0 : r == FormulaRole::Replacement ? 6.0 : 8.0) * s.size();
    };
    for (int i = 0; i < 8; ++i) {
        const Formula& f = helpFormula(i);
        const FormulaLayout l = layoutFormula(f, m);
        int struck = 0, replacements = 0, bars = 0;
        for (const FormulaTerm& t : f)
            bars += t.kind == FormulaTerm::Sign ? 0 : 1;
        EXPECT_EQ(int(l.bars.size()), bars) << i;
        for (std::size_t a = 0; a < l.texts.size(); ++a) {
            const PlacedText& p = l.texts[a];
            EXPECT_GE(p.x, 0) << i;
            EXPECT_GE(p.y, 0) << i;
            EXPECT_LE(p.x + p.w, l.width + 0.001) << i;
            EXPECT_LE(p.y + p.h, l.height + 0.001) << i;
            struck += p.struck;
            replacements += p.role == FormulaRole::Replacement;
            for (std::size_t b = a + 1; b < l.texts.size(); ++b) {
                const PlacedText& q = l.texts[b];
                const bool apartX = p.x + p.w <= q.x + 0.001 || q.x + q.w <= p.x + 0.001;
                const bool apartY = p.y + p.h <= q.y + 0.001 || q.y + q.h <= p.y + 0.001;
                EXPECT_TRUE(apartX || apartY) << i << ": " << p.text.toStdString() << " / "
                                              << q.text.toStdString();
            }
        }
        EXPECT_EQ(struck, i == 6 ? 4 : i == 7 ? 2 : 0);
        EXPECT_EQ(replacements, struck);
        // The replacement sits straight above a struck numerator or below a struck denominator.
        for (const PlacedText& p : l.texts) {
            if (!p.struck)
                continue;
            const auto rep = std::find_if(l.texts.begin(), l.texts.end(), [&](const PlacedText& q) {
                return q.role == FormulaRole::Replacement && std::abs(q.x + q.w / 2 - (p.x + p.w / 2)) < 0.01
                       && (std::abs(q.y + q.h - p.y) < 0.01 || std::abs(p.y + p.h - q.y) < 0.01);
            });
            EXPECT_NE(rep, l.texts.end()) << i << " " << p.text.toStdString();
            if (rep != l.texts.end()) {
                EXPECT_EQ(rep->colour, p.colour);
            }
        }
    }
    // Without struck numbers no room is kept for replacements.
    EXPECT_LT(layoutFormula(helpFormula(0), m).height, layoutFormula(helpFormula(6), m).height);
}

TEST(HelpFormulas, FourTabs)
{
    const auto& tabs = grundHelpTabs();
    ASSERT_EQ(tabs.size(), 4u);
    const char* const captions[] = {"Addieren", "Subtrahieren", "Multiplizieren", "Dividieren"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tabs[std::size_t(i)].caption, QString::fromLatin1(captions[i]));
        EXPECT_EQ(tabs[std::size_t(i)].images[0], 2 * i);
        EXPECT_EQ(tabs[std::size_t(i)].images[1], 2 * i + 1);
    }
    EXPECT_EQ(tabs[0].below, tabs[1].below);
    EXPECT_TRUE(tabs[3].below.isEmpty());
    EXPECT_TRUE(tabs[2].below.contains(QStringLiteral("auch \"über Kreuz\" möglich, d.h.")));
}
