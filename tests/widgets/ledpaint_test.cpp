// The indicator lamp as the equation puzzle uses it: 19 x 19, square, default bevels.
#include "ledpaint.h"

#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {
const QColor clBlack(0, 0, 0), clWhite(255, 255, 255);

QImage shot(TLEDPaint& led) { return led.grab().toImage(); }

// A palette colour as a 32-bit image stores it.
QColor role(const QWidget& w, QPalette::ColorRole r) { return QColor::fromRgb(w.palette().color(r).rgb()); }

// Every pixel of the rectangle's outline ring must be as expected by the side it is on.
void expectRing(const QImage& img, const QRect& r, const QColor& topLeft, const QColor& bottomRight,
                const char* what)
{
    for (int x = r.left(); x < r.right(); ++x)
        ASSERT_EQ(img.pixelColor(x, r.top()), topLeft) << what << " top x=" << x;
    for (int y = r.top(); y < r.bottom(); ++y)
        ASSERT_EQ(img.pixelColor(r.left(), y), topLeft) << what << " left y=" << y;
    for (int x = r.left() + 1; x <= r.right(); ++x)
        ASSERT_EQ(img.pixelColor(x, r.bottom()), bottomRight) << what << " bottom x=" << x;
    for (int y = r.top() + 1; y <= r.bottom(); ++y)
        ASSERT_EQ(img.pixelColor(r.right(), y), bottomRight) << what << " right y=" << y;
}
} // namespace

TEST(LedPaint, Defaults)
{
    TLEDPaint led;
    EXPECT_EQ(led.size(), QSize(19, 19));
    EXPECT_EQ(led.BevelOuter(), Bevel::Raised);
    EXPECT_EQ(led.BevelInner(), Bevel::Raised);
    EXPECT_EQ(led.BevelWidth(), 1);
    EXPECT_EQ(led.LEDColor(), lcRed);
    EXPECT_FALSE(led.LEDOn());
    EXPECT_EQ(led.LEDType(), ltRound);
    EXPECT_EQ(led.BackGround(), led.palette().color(QPalette::Button));
    EXPECT_EQ(led.totalBevelWidth(), 2);
    EXPECT_EQ(led.lampRect(), QRect(2, 2, 15, 15));
}

struct LampCase {
    LedColor colour;
    bool on;
    QColor expected;
};

class LampPixels : public ::testing::TestWithParam<LampCase> {};

TEST_P(LampPixels, BevelsFrameAndSquare)
{
    const auto& t = GetParam();
    TLEDPaint led;
    led.setLEDType(ltRect);
    led.setLEDColor(t.colour);
    led.setLEDOn(t.on);
    const QImage img = shot(led);
    ASSERT_EQ(img.size(), QSize(19, 19));
    const QColor light = role(led, QPalette::Light);
    const QColor dark = role(led, QPalette::Dark);
    // Two raised bevels of one pixel each.
    expectRing(img, QRect(0, 0, 19, 19), light, dark, "outer bevel");
    expectRing(img, QRect(1, 1, 17, 17), light, dark, "inner bevel");
    // The 15 x 15 square inside them holds the sunken lamp frame...
    expectRing(img, QRect(2, 2, 15, 15), clBlack, clWhite, "lamp frame");
    // ...and the 13 x 13 lamp.
    for (int y = 3; y < 16; ++y)
        for (int x = 3; x < 16; ++x)
            ASSERT_EQ(img.pixelColor(x, y), t.expected) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Table, LampPixels,
                         ::testing::Values(LampCase{lcGreen, true, QColor(0x00, 0xFF, 0x00)},
                                           LampCase{lcGreen, false, QColor(0x00, 0x80, 0x00)},
                                           LampCase{lcRed, true, QColor(0xFF, 0x00, 0x00)},
                                           LampCase{lcRed, false, QColor(0x80, 0x00, 0x00)},
                                           LampCase{lcBlue, true, QColor(0x00, 0x00, 0xFF)},
                                           LampCase{lcBlue, false, QColor(0x00, 0x00, 0x80)},
                                           LampCase{lcYellow, true, QColor(0xFF, 0xFF, 0x00)},
                                           LampCase{lcYellow, false, QColor(0x80, 0x80, 0x00)}));

TEST(LedPaint, SwitchingRepaintsTheLamp)
{
    TLEDPaint led;
    led.setLEDType(ltRect);
    led.setLEDColor(lcGreen);
    EXPECT_EQ(shot(led).pixelColor(9, 9), QColor(0x00, 0x80, 0x00));
    led.setLEDOn(true);
    EXPECT_EQ(shot(led).pixelColor(9, 9), QColor(0x00, 0xFF, 0x00));
    led.setLEDColor(lcNone);
    EXPECT_EQ(shot(led).pixelColor(9, 9), role(led, QPalette::Button));
}

struct FrameCase {
    Bevel outer, inner;
    bool framed;
    bool sunken;
};

class LampFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(LampFrame, InnerBevelChoosesTheFrame)
{
    const auto& t = GetParam();
    TLEDPaint led;
    led.setLEDType(ltRect);
    led.setLEDOn(true);
    led.setBevelOuter(t.outer);
    led.setBevelInner(t.inner);
    const QImage img = shot(led);
    const QRect r = led.lampRect();
    const QColor red(0xFF, 0, 0);
    if (!t.framed) {
        EXPECT_EQ(img.pixelColor(r.topLeft()), red);
        EXPECT_EQ(img.pixelColor(r.bottomRight()), red);
        return;
    }
    expectRing(img, r, t.sunken ? clBlack : clWhite, t.sunken ? clWhite : clBlack, "frame");
    EXPECT_EQ(img.pixelColor(r.center()), red);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LampFrame,
    ::testing::Values(FrameCase{Bevel::Raised, Bevel::Raised, true, true},
                      FrameCase{Bevel::Raised, Bevel::Lowered, true, false},
                      FrameCase{Bevel::Raised, Bevel::None, true, true},
                      FrameCase{Bevel::Lowered, Bevel::None, true, false},
                      FrameCase{Bevel::None, Bevel::None, true, true},
                      FrameCase{Bevel::Raised, Bevel::Space, false, false}));

TEST(LedPaint, LoweredBevelSwapsItsColoursAndBackgroundShowsAroundARoundLamp)
{
    TLEDPaint led;
    led.setBevelOuter(Bevel::Lowered);
    led.setBevelInner(Bevel::None);
    led.setBevelWidth(2);
    led.setBackGround(QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(led.totalBevelWidth(), 2);
    const QImage img = shot(led);
    const QColor light = role(led, QPalette::Light);
    const QColor dark = role(led, QPalette::Dark);
    expectRing(img, QRect(0, 0, 19, 19), dark, light, "lowered ring 1");
    expectRing(img, QRect(1, 1, 17, 17), dark, light, "lowered ring 2");
    // The round lamp leaves the corners of the inside square to the background.
    EXPECT_EQ(img.pixelColor(2, 2), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(img.pixelColor(9, 9), QColor(0x80, 0x00, 0x00));
}
