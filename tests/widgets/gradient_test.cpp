// The banded gradient: band arithmetic, and the pixels of the rendered picture.
#include "gradientfill.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {
const QColor clBlue(0, 0, 255), clBlack(0, 0, 0), clCream(0xFF, 0xFB, 0xF0), clGray(0x80, 0x80, 0x80),
    clYellow(0xFF, 0xFF, 0x00), clWhite(0xFF, 0xFF, 0xFF), clSilver(0xC0, 0xC0, 0xC0);

QColor px(const QImage& img, int x, int y) { return img.pixelColor(x, y); }
} // namespace

struct MulDivCase {
    int a, b, c, expected;
};

class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalvesAwayFromZero)
{
    const auto& t = GetParam();
    EXPECT_EQ(mulDiv(t.a, t.b, t.c), t.expected) << t.a << "*" << t.b << "/" << t.c;
}

INSTANTIATE_TEST_SUITE_P(Table, MulDivTest,
                         ::testing::Values(MulDivCase{1, 5, 2, 3},      // 2.5 -> 3
                                           MulDivCase{1, -5, 2, -3},    // -2.5 -> -3
                                           MulDivCase{1, 7, 3, 2},      // 2.33 -> 2
                                           MulDivCase{2, 7, 3, 5},      // 4.67 -> 5
                                           MulDivCase{-1, 5, -2, 3},    // signs cancel
                                           MulDivCase{254, 485, 255, 483},
                                           MulDivCase{3, 0, 7, 0},
                                           MulDivCase{1, 1, 0, -1},     // no division by zero
                                           MulDivCase{2147400000, 2, 4, 1073700000}));

TEST(Gradient, OneColourIsAllTheStartOfTheRun)
{
    // The run starts with BeginColor top-down and left-right, with EndColor in the
    // two reversed directions; a single band is that start colour everywhere.
    const struct {
        FillDirection dir;
        QColor expected;
    } cases[] = {{fdTopToBottom, clCream}, {fdLeftToRight, clCream},
                 {fdBottomToTop, clGray}, {fdRightToLeft, clGray}};
    for (const auto& c : cases) {
        const QImage img = renderGradient({60, 40}, clCream, clGray, c.dir, 1);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ASSERT_EQ(px(img, x, y), c.expected) << c.dir << " at " << x << "," << y;
    }
}

TEST(Gradient, ZeroColoursPaintLikeOne)
{
    const QImage img = renderGradient({10, 10}, clSilver, clWhite, fdTopToBottom, 0);
    EXPECT_EQ(px(img, 0, 0), clSilver);
    EXPECT_EQ(px(img, 9, 9), clSilver);
}

TEST(Gradient, TwoColoursAreTwoEqualHalves)
{
    const QImage v = renderGradient({30, 100}, clBlue, clBlack, fdTopToBottom, 2);
    for (int y = 0; y < 100; ++y)
        ASSERT_EQ(px(v, 15, y), y < 50 ? clBlue : clBlack) << y;
    const QImage h = renderGradient({100, 30}, clBlue, clBlack, fdLeftToRight, 2);
    for (int x = 0; x < 100; ++x)
        ASSERT_EQ(px(h, x, 7), x < 50 ? clBlue : clBlack) << x;
}

TEST(Gradient, TwoFiftyFiveColoursOver485PixelsGiveBandsOfOneOrTwo)
{
    const QImage img = renderGradient({20, 485}, clCream, clGray, fdTopToBottom, 255);
    EXPECT_EQ(px(img, 0, 0), clCream);
    EXPECT_EQ(px(img, 19, 484), clGray);
    for (int y = 0; y < 485; ++y)
        ASSERT_EQ(px(img, 0, y), px(img, 19, y)) << "row " << y << " is not one colour";
    // Neighbouring bands may share a colour where no channel moves, so the
    // stripes are checked against the band list.
    const auto bands = gradientBands(20, 485, {0xFF, 0xFB, 0xF0}, {0x80, 0x80, 0x80},
                                     fdTopToBottom, 255);
    ASSERT_EQ(bands.size(), 255u);
    EXPECT_EQ(bands.front().from, 0);
    EXPECT_EQ(bands.back().to, 485);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const int len = bands[i].to - bands[i].from;
        EXPECT_TRUE(len == 1 || len == 2) << "band " << i << " is " << len;
        if (i > 0) {
            EXPECT_EQ(bands[i].from, bands[i - 1].to);
        }
        const QColor c(bands[i].colour.r, bands[i].colour.g, bands[i].colour.b);
        for (int y = bands[i].from; y < bands[i].to; ++y)
            ASSERT_EQ(px(img, 3, y), c) << "band " << i << " row " << y;
    }
    EXPECT_EQ(bands.front().colour, (BandRgb{0xFF, 0xFB, 0xF0}));
    EXPECT_EQ(bands.back().colour, (BandRgb{0x80, 0x80, 0x80}));
}

TEST(Gradient, RightToLeftPutsBeginColourAtTheRight)
{
    const QImage img = renderGradient({200, 50}, clYellow, clWhite, fdRightToLeft, 255);
    EXPECT_EQ(px(img, 0, 0), clWhite);
    EXPECT_EQ(px(img, 0, 49), clWhite);
    EXPECT_EQ(px(img, 199, 0), clYellow);
    EXPECT_EQ(px(img, 199, 49), clYellow);
}

TEST(Gradient, BottomToTopPutsBeginColourAtTheBottom)
{
    const QImage img = renderGradient({50, 200}, clSilver, clWhite, fdBottomToTop, 16);
    EXPECT_EQ(px(img, 10, 0), clWhite);
    EXPECT_EQ(px(img, 10, 199), clSilver);
}

TEST(Gradient, ControlPaintsItsPictureAndRepaintsOnChange)
{
    TGradientFill fill;
    EXPECT_EQ(fill.size(), QSize(105, 105));
    EXPECT_EQ(fill.BeginColor(), clBlue);
    EXPECT_EQ(fill.EndColor(), clBlack);
    EXPECT_EQ(fill.NumberOfColors(), 16);
    EXPECT_EQ(fill.fillDirection(), fdTopToBottom);
    fill.resize(80, 60);
    fill.setBeginColor(clYellow);
    fill.setEndColor(clWhite);
    fill.setFillDirection(fdLeftToRight);
    fill.setNumberOfColors(2);
    const QImage shot = fill.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), clYellow);
    EXPECT_EQ(shot.pixelColor(79, 59), clWhite);
    EXPECT_EQ(shot.pixelColor(39, 30), clYellow);
    EXPECT_EQ(shot.pixelColor(40, 30), clWhite);
    // Each setter throws the painted picture away, and so does a new size.
    fill.setFillDirection(fdRightToLeft);
    EXPECT_EQ(fill.grab().toImage().pixelColor(0, 0), clWhite);
    fill.setBeginColor(clSilver);
    EXPECT_EQ(fill.grab().toImage().pixelColor(79, 0), clSilver);
    fill.setEndColor(clBlack);
    EXPECT_EQ(fill.grab().toImage().pixelColor(0, 0), clBlack);
    fill.setNumberOfColors(1);
    EXPECT_EQ(fill.grab().toImage().pixelColor(79, 0), clBlack);
    fill.resize(100, 60);
    EXPECT_EQ(fill.grab().toImage().size(), QSize(100, 60));
    EXPECT_EQ(fill.render().size(), QSize(100, 60));
}

TEST(Gradient, BackgroundFillsThePageBehindItsChildrenAndFollowsItsSize)
{
    QWidget page;
    page.resize(300, 200);
    QWidget child(&page);
    child.setGeometry(10, 10, 20, 20);
    TGradientFill* fill = addGradientBackground(&page, clWhite, clSilver);
    EXPECT_EQ(fill->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(page.children().indexOf(fill), 0) << "the background is stacked at the bottom";
    EXPECT_TRUE(fill->testAttribute(Qt::WA_TransparentForMouseEvents));
    page.show();
    page.resize(539, 500);
    EXPECT_EQ(fill->geometry(), QRect(0, 0, 539, 500));
    const QImage shot = page.grab().toImage();
    EXPECT_EQ(shot.pixelColor(200, 0), clWhite);
    EXPECT_EQ(shot.pixelColor(200, 499), clSilver);
}
