// The scratch pad as the pupil uses it: mouse strokes on the sheet, the tool buttons, a
// finger and a stylus, and the drawing kept while the main window changes pages.
#include "fakes.h"
#include "mainwindow.h"
#include "notizblatt.h"
#include "scratchpad.h"
#include "statisticsstore.h"

#include <QAccessible>
#include <QApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabletEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

using namespace quorvel;
using namespace quorvel::scratch;

namespace {

bool isBlack(const QImage& im, QPoint p) { return (im.pixel(p) & 0xffffff) == 0; }

// Pixels of column x between rows y0 and y1 that differ from the background.
int marks(const QImage& im, int x, int y0, int y1, bool blackBackground)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        n += isBlack(im, {x, y}) != blackBackground;
    return n;
}

struct Pad : ::testing::Test {
    QWidget window;
    QWidget* column = createScratchPad(&window);
    Notizblatt* sheet = window.findChild<Notizblatt*>(QStringLiteral("Notizblatt"));

    void SetUp() override
    {
        ASSERT_NE(sheet, nullptr);
        column->setGeometry(0, 0, 250, 309);
        column->layout()->activate();
        ASSERT_EQ(sheet->size(), QSize(250, 274));
    }
    QToolButton* button(const char* name)
    {
        auto* b = window.findChild<QToolButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    const QImage& image() const { return sheet->sheet().image(); }

    // A drag through `path`; with no button the pointer only moves over the sheet.
    void drag(Qt::MouseButton button, const std::vector<QPoint>& path)
    {
        if (button == Qt::NoButton) {
            for (QPoint p : path) {
                QMouseEvent move(QEvent::MouseMove, p, sheet->mapToGlobal(p), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(sheet, &move);
            }
            return;
        }
        QTest::mousePress(sheet, button, {}, path.front());
        for (std::size_t i = 1; i < path.size(); ++i)
            QTest::mouseMove(sheet, path[i]);
        QTest::mouseRelease(sheet, button, {}, path.back());
    }
    void blackBand() // rows 40..70, so white strokes show
    {
        for (int y = 40; y <= 70; ++y)
            drag(Qt::LeftButton, {{5, y}, {245, y}});
    }
};

struct StrokeCase {
    const char* name;
    const char* toolButton;
    Qt::MouseButton button;
    bool onBlack;
    std::vector<QPoint> path;
    int width; // marked pixels across the stroke at x = 70; 0: no mark anywhere
};

class Strokes : public Pad, public ::testing::WithParamInterface<StrokeCase> {};

// The pen draws one pixel wide, black with the left button and white with the right; the
// eraser draws white eight pixels wide with either; a click or a move without a button
// leaves nothing.
TEST_P(Strokes, DrawTheToolsLine)
{
    const StrokeCase& c = GetParam();
    if (c.onBlack)
        blackBand();
    const QImage before = image();
    click(c.toolButton);
    drag(c.button, c.path);
    EXPECT_FALSE(sheet->sheet().drawing());
    if (c.width == 0) {
        EXPECT_EQ(image(), before);
        return;
    }
    EXPECT_EQ(marks(image(), 70, 41, 69, c.onBlack), c.width);
    for (int x : {20, 35, 50, 90, 119})
        EXPECT_NE(isBlack(image(), {x, 55}), c.onBlack) << x;
}

const std::vector<QPoint> kLine{{20, 55}, {50, 55}, {120, 55}};
INSTANTIATE_TEST_SUITE_P(
    Tools, Strokes,
    ::testing::Values(StrokeCase{"PenLeftBlack", "SBNotiz01", Qt::LeftButton, false, kLine, 1},
                      StrokeCase{"PenRightWhite", "SBNotiz01", Qt::RightButton, true, kLine, 1},
                      StrokeCase{"EraserLeft", "SBNotiz02", Qt::LeftButton, true, kLine, 8},
                      StrokeCase{"EraserRight", "SBNotiz02", Qt::RightButton, true, kLine, 8},
                      StrokeCase{"PenClick", "SBNotiz01", Qt::LeftButton, false, {{60, 60}}, 0},
                      StrokeCase{"EraserClick", "SBNotiz02", Qt::RightButton, true, {{60, 55}}, 0},
                      StrokeCase{"MiddleButton", "SBNotiz01", Qt::MiddleButton, false, kLine, 0},
                      StrokeCase{"NoButton", "SBNotiz01", Qt::NoButton, false, kLine, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Pad, FreehandFollowsThePointerAndLeavesTheLastPointOpen)
{
    drag(Qt::LeftButton, {{10, 10}, {30, 10}, {30, 30}});
    for (QPoint p : {QPoint(20, 10), QPoint(30, 10), QPoint(30, 20)})
        EXPECT_TRUE(isBlack(image(), p));
    EXPECT_FALSE(isBlack(image(), {30, 30}));
    EXPECT_FALSE(isBlack(image(), {20, 20}));
}

// Places, hints and names of the buttons; exactly one of pen and eraser pressed, the
// cursor following the tool; "Neues Blatt" clears and keeps the tool.
TEST_F(Pad, ToolButtons)
{
    struct Expected {
        const char* name;
        int x;
        const char* tip;
    };
    for (const Expected& e : {Expected{"SBNotiz01", 168, "Stift"}, Expected{"SBNotiz02", 192, "Radiergummi"},
                              Expected{"SBNotiz03", 216, "Neues Blatt"}}) {
        QToolButton* b = button(e.name);
        EXPECT_EQ(b->geometry(), QRect(e.x, 5, 25, 25)) << e.name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(e.tip));
        EXPECT_EQ(b->accessibleName(), QString::fromUtf8(e.tip));
        EXPECT_TRUE(b->statusTip().startsWith(QString::fromUtf8(e.tip) + QLatin1Char(':')));
        EXPECT_FALSE(b->icon().isNull());
    }
    auto hotSpot = [this] { return sheet->cursor().hotSpot(); };
    EXPECT_TRUE(button("SBNotiz01")->isChecked());
    EXPECT_EQ(hotSpot(), QPoint(3, 3));
    for (const char* b : {"SBNotiz02", "SBNotiz02", "SBNotiz01", "SBNotiz01", "SBNotiz02"}) {
        click(b);
        const bool pen = b[8] == '1';
        EXPECT_EQ(button("SBNotiz01")->isChecked(), pen);
        EXPECT_EQ(button("SBNotiz02")->isChecked(), !pen);
        EXPECT_EQ(sheet->sheet().tool(), pen ? Tool::Pen : Tool::Eraser);
        EXPECT_EQ(hotSpot(), pen ? QPoint(3, 3) : QPoint(4, 4));
        EXPECT_EQ(sheet->cursor().pixmap().toImage(),
                  (pen ? Notizblatt::penCursor() : Notizblatt::eraserCursor()).pixmap().toImage());
    }
    blackBand();
    click("SBNotiz03");
    EXPECT_TRUE(sheet->sheet().isBlank());
    EXPECT_EQ(sheet->sheet().tool(), Tool::Eraser);
    EXPECT_TRUE(button("SBNotiz02")->isChecked());
    EXPECT_EQ(hotSpot(), QPoint(4, 4));
}

// A screen reader hears a picture named "Notizblatt" that says whether it holds notes.
TEST_F(Pad, SheetIsAPictureForScreenReaders)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(sheet);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Graphic);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Notizblatt"));
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("Das Blatt ist leer."));
    drag(Qt::LeftButton, kLine);
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("Auf dem Blatt stehen Notizen."));
}

TEST_F(Pad, FingerDrawsLikeTheLeftButtonASecondFingerNot)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The test owns the device it registers; deleting it unregisters it again.
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
    QPointingDevice* screen = device.get();
    const QPoint o = sheet->mapTo(&window, QPoint(0, 0));
    QTest::touchEvent(&window, screen).press(1, o + QPoint(20, 100));
    QTest::touchEvent(&window, screen).move(1, o + QPoint(60, 100)).press(2, o + QPoint(20, 150));
    QTest::touchEvent(&window, screen).move(1, o + QPoint(120, 100)).move(2, o + QPoint(120, 150));
    QTest::touchEvent(&window, screen).release(1, o + QPoint(120, 100)).release(2, o + QPoint(120, 150));
    EXPECT_EQ(marks(image(), 100, 90, 110, false), 1);
    EXPECT_TRUE(isBlack(image(), {100, 100}));
    EXPECT_EQ(marks(image(), 80, 140, 160, false), 0);
    EXPECT_FALSE(sheet->sheet().drawing());
}

// The stylus tip writes like the left button, its eraser end rubs out like the right.
TEST_F(Pad, StylusTipWritesItsEraserEndRubsOut)
{
    // The devices live in the test, not past the application (a static one would be
    // destroyed after it, at exit).
    QPointingDevice tip(QStringLiteral("Stift"), 7001, QInputDevice::DeviceType::Stylus,
                        QPointingDevice::PointerType::Pen, QInputDevice::Capability::Position, 1, 2);
    QPointingDevice rubber(QStringLiteral("Stift"), 7001, QInputDevice::DeviceType::Stylus,
                           QPointingDevice::PointerType::Eraser, QInputDevice::Capability::Position,
                           1, 2);
    auto stylus = [&](QPointingDevice::PointerType end, QEvent::Type type, QPointF at) {
        const bool up = type == QEvent::TabletRelease;
        QTabletEvent e(type, end == QPointingDevice::PointerType::Pen ? &tip : &rubber, at,
                       sheet->mapToGlobal(at), up ? 0.0 : 0.5, 0, 0, 0, 0, 0, Qt::NoModifier,
                       type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton,
                       up ? Qt::NoButton : Qt::LeftButton);
        QApplication::sendEvent(sheet, &e);
        EXPECT_TRUE(e.isAccepted());
    };
    using PT = QPointingDevice::PointerType;
    stylus(PT::Pen, QEvent::TabletPress, {20, 80});
    stylus(PT::Pen, QEvent::TabletMove, {120, 80});
    stylus(PT::Pen, QEvent::TabletRelease, {120, 80});
    EXPECT_TRUE(isBlack(image(), {90, 80}));
    stylus(PT::Eraser, QEvent::TabletPress, {50, 80});
    stylus(PT::Eraser, QEvent::TabletMove, {100, 80});
    stylus(PT::Eraser, QEvent::TabletRelease, {100, 80});
    EXPECT_FALSE(isBlack(image(), {70, 80}));
    EXPECT_TRUE(isBlack(image(), {30, 80}));
    EXPECT_TRUE(isBlack(image(), {110, 80}));
}

// The drawing belongs to the program, not to a page: it stays through topic changes, the
// selection and statistics pages and a change of pupil, and is what the screen shows.
TEST(ScratchPadInMainWindow, DrawingSurvivesPagesTopicsAndPupils)
{
    test::TestServices ts;
    StatisticsStore store{ts.clock, ts.messages};
    QTemporaryDir dataDir;
    store.setDataDirectory(dataDir.path());
    QStringList names{QStringLiteral("Anna"), QStringLiteral("Ben")};
    TFormHaupt win(ts.services, store, [&names](QWidget*, const QString&, QString* name) {
        *name = names.takeFirst();
        return true;
    });
    auto click = [&win](const char* name) {
        auto* b = win.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    };
    win.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&win));
    click("BitBtnBenutzername");
    click("BitBtnGrundrechnen");
    auto* sheet = win.findChild<Notizblatt*>(QStringLiteral("Notizblatt"));
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->width(), 250);
    QTest::mousePress(sheet, Qt::LeftButton, {}, QPoint(20, 40));
    QTest::mouseMove(sheet, QPoint(200, 40));
    QTest::mouseMove(sheet, QPoint(200, 120));
    QTest::mouseRelease(sheet, Qt::LeftButton, {}, QPoint(200, 120));
    const QImage drawn = sheet->sheet().image();
    ASSERT_TRUE(isBlack(drawn, {100, 40}));

    win.backToSelection();
    click("BitBtnStatistik04");
    ASSERT_EQ(win.notebookHaupt01()->currentIndex(), PageStatistik);
    click("BitBtnStat01");
    click("BitBtnBenutzername"); // Ben
    ASSERT_EQ(store.userName(), QStringLiteral("Ben"));
    click("BitBtnBruchrechnung");
    ASSERT_EQ(win.notebookHaupt01()->currentIndex(), PageAufgaben);
    EXPECT_EQ(sheet->sheet().image(), drawn);
    const QImage onScreen = sheet->grab().toImage();
    const qreal dpr = onScreen.devicePixelRatio();
    EXPECT_TRUE(isBlack(onScreen, QPoint(100, 40) * dpr));
    EXPECT_TRUE(isBlack(onScreen, QPoint(200, 80) * dpr));
}

} // namespace
