// The backing image without a window: pixel ratio, growing, the cursor pictures.
#include "scratchsheet.h"

#include <gtest/gtest.h>

using namespace quorvel::scratch;

namespace {

bool isBlack(const QImage& im, int x, int y) { return (im.pixel(x, y) & 0xffffff) == 0; }

void stroke(ScratchSheet& s, QPointF from, QPointF to)
{
    s.beginStroke(StrokeButton::Left, from);
    s.continueStroke(to);
    s.endStroke();
}

} // namespace

// At two device pixels per pixel a one-pixel line covers exactly the two device rows of
// its pixel; growing the sheet or moving it to a denser screen keeps the drawing.
TEST(ScratchSheet, DenseScreensAndGrowingKeepTheDrawingSharp)
{
    ScratchSheet dense({250, 274}, 2.0);
    EXPECT_EQ(dense.image().size(), QSize(500, 548));
    stroke(dense, {10, 10}, {60, 10});
    for (int y : {19, 20, 21, 22})
        EXPECT_EQ(isBlack(dense.image(), 60, y), y == 20 || y == 21) << y;

    ScratchSheet s({250, 200}, 1.0);
    stroke(s, {10, 100}, {40, 100});
    s.fitTo({250, 274}, 1.0);
    s.fitTo({250, 100}, 1.0); // never shrinks
    EXPECT_EQ(s.image().size(), QSize(250, 274));
    EXPECT_TRUE(isBlack(s.image(), 20, 100));
    s.fitTo({250, 274}, 2.0);
    EXPECT_EQ(s.image().size(), QSize(500, 548));
    EXPECT_TRUE(isBlack(s.image(), 40, 200));
    EXPECT_FALSE(isBlack(s.image(), 40, 198));
}

TEST(ScratchSheet, ToolChangesTakeEffectWithTheNextStroke)
{
    ScratchSheet s;
    s.beginStroke(StrokeButton::Left, {10, 50});
    s.setTool(Tool::Eraser); // mid-stroke: this stroke stays a pen stroke
    s.continueStroke({60, 50});
    s.endStroke();
    EXPECT_TRUE(isBlack(s.image(), 45, 50));
    stroke(s, {20, 50}, {50, 50});
    EXPECT_FALSE(isBlack(s.image(), 45, 50));
    EXPECT_TRUE(isBlack(s.image(), 58, 50)); // beyond the eraser's reach
}

struct CursorCase {
    const char* name;
    QImage (*make)();
    QPoint hotSpot;
};

class CursorPictures : public ::testing::TestWithParam<CursorCase> {};

// 32 x 32, black and white only, the hot spot a black pixel at the picture's top left.
TEST_P(CursorPictures, MonochromeWithTheHotSpotOnThePicture)
{
    const QImage im = GetParam().make();
    ASSERT_EQ(im.size(), QSize(kCursorSize, kCursorSize));
    const QPoint hs = GetParam().hotSpot;
    EXPECT_EQ(im.pixel(hs), qRgba(0, 0, 0, 255));
    int opaque = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            const QRgb px = im.pixel(x, y);
            opaque += qAlpha(px) != 0;
            if (qAlpha(px) != 0) {
                EXPECT_TRUE((px & 0xffffff) == 0 || (px & 0xffffff) == 0xffffff) << x << "," << y;
            }
            if (x < hs.x() - 1 || y < hs.y() - 1) {
                EXPECT_EQ(qAlpha(px), 0) << x << "," << y;
            }
        }
    EXPECT_GT(opaque, 60);
}

INSTANTIATE_TEST_SUITE_P(Tools, CursorPictures,
                         ::testing::Values(CursorCase{"Pen", penCursorImage, {3, 3}},
                                           CursorCase{"Eraser", eraserCursorImage, {4, 4}}),
                         [](const auto& info) { return std::string(info.param.name); });
