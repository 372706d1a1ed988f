// The about window: size and flags, the yellow frame, texts, links, closing, dragging,
// and the menu entry that shows it.
#include "aboutwindow.h"
#include "fakes.h"
#include "mainwindow.h"
#include "statisticsstore.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {
QColor at(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

void sendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButtons buttons)
{
    const QPointF global = w->mapToGlobal(QPointF(local));
    QMouseEvent e(type, QPointF(local), global,
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, {});
    QApplication::sendEvent(w, &e);
}
} // namespace

TEST(AboutWindow, FrameColourRunsFromYellowToDarkYellow)
{
    EXPECT_EQ(aboutFrameColour(0), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(aboutFrameColour(1), QColor(249, 249, 0));
    EXPECT_EQ(aboutFrameColour(20), QColor(0x87, 0x87, 0x00));
}

TEST(AboutWindow, SizeFlagsAndTexts)
{
    TFormInfo form;
    EXPECT_EQ(form.size(), QSize(442, 242));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(form.Label01()->text(), "Quorvel V1.5");
    auto* panel = form.findChild<QWidget*>("Panel01");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(21, 21, 400, 200));
    for (const char* name : {"Label02", "Label03"}) {
        auto* l = form.findChild<QLabel*>(name);
        ASSERT_NE(l, nullptr) << name;
        EXPECT_FALSE(l->text().isEmpty());
    }
    EXPECT_EQ(form.URLLabel1()->text(), "Homepage");
    EXPECT_EQ(form.URLLabel2()->text(), "EMail");
    EXPECT_EQ(form.URLLabel1()->pos(), QPoint(10, 150));
    EXPECT_EQ(form.URLLabel2()->pos(), QPoint(10, 170));
    EXPECT_EQ(form.URLLabel1()->textColour(), QColor(Qt::black));
    EXPECT_TRUE(form.URLLabel1()->font().bold());
    EXPECT_TRUE(form.URLLabel1()->font().underline());
    EXPECT_EQ(form.URLLabel1()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.BitBtnClose()->text(), "Schliessen");
    EXPECT_EQ(form.BitBtnClose()->geometry(), QRect(264, 160, 125, 30));
}

TEST(AboutWindow, ShowingSetsTheVersionEveryTime)
{
    TFormInfo form;
    for (int round = 0; round < 2; ++round) {
        form.show();
        EXPECT_EQ(form.Label01()->text(), "Quorvel V1.51") << round;
        QTest::mouseClick(form.BitBtnClose(), Qt::LeftButton);
        EXPECT_FALSE(form.isVisible()) << round;
    }
}

TEST(AboutWindow, FramePixelsAtTheOuterAndInnerRing)
{
    TFormInfo form;
    const QImage img = form.grab().toImage();
    ASSERT_EQ(img.size(), QSize(442, 242));
    const QColor outer(0xFF, 0xFF, 0x00), inner(0x87, 0x87, 0x00);
    // Ring 0 on all four sides, ring 20 on all four sides.
    EXPECT_EQ(at(img, 220, 0), outer);
    EXPECT_EQ(at(img, 220, 241), outer);
    EXPECT_EQ(at(img, 0, 120), outer);
    EXPECT_EQ(at(img, 441, 120), outer);
    EXPECT_EQ(at(img, 0, 0), outer);
    EXPECT_EQ(at(img, 441, 241), outer);
    EXPECT_EQ(at(img, 220, 20), inner);
    EXPECT_EQ(at(img, 220, 221), inner);
    EXPECT_EQ(at(img, 20, 120), inner);
    EXPECT_EQ(at(img, 421, 120), inner);
    EXPECT_EQ(at(img, 20, 20), inner);
    EXPECT_EQ(at(img, 421, 221), inner);
    for (int i = 0; i <= 20; ++i)
        ASSERT_EQ(at(img, i, 120), aboutFrameColour(i)) << "ring " << i;
    // The panel starts right inside ring 20; inside its two bevels the gradient
    // runs from silver at the top to white at the bottom.
    EXPECT_NE(at(img, 21, 120), inner);
    EXPECT_EQ(at(img, 23 + 100, 23), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(at(img, 23 + 100, 21 + 197), QColor(0xFF, 0xFF, 0xFF));
}

TEST(AboutWindow, LinksOpenTheirTargetsOnce)
{
    QStringList opened;
    TFormInfo form(nullptr, [&](const QString& t) { opened << t; });
    form.show();
    QTest::mouseClick(form.URLLabel1(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(form.URLLabel2(), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], aboutHomepage());
    EXPECT_TRUE(opened[0].startsWith("http"));
    EXPECT_EQ(opened[1], aboutMailTarget());
    EXPECT_TRUE(opened[1].startsWith("mailto:"));
    EXPECT_TRUE(opened[1].contains('@'));
}

TEST(AboutWindow, PressingALinkAndMovingOffOpensNothing)
{
    QStringList opened;
    TFormInfo form(nullptr, [&](const QString& t) { opened << t; });
    form.show();
    TURLLabel* link = form.URLLabel1();
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(link->textColour(), QColor(Qt::red));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 40, 3));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(link->textColour(), QColor(Qt::black));
}

TEST(AboutWindow, DraggingTheFrameMovesTheWindow)
{
    TFormInfo form;
    form.show();
    form.move(100, 100);
    const QPoint start = form.pos();
    sendMouse(&form, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    sendMouse(&form, QEvent::MouseMove, {35, 45}, Qt::LeftButton);
    sendMouse(&form, QEvent::MouseMove, {45, 25}, Qt::LeftButton);
    // The window has followed, so the pointer's window position is relative to the new place.
    sendMouse(&form, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
    EXPECT_EQ(form.pos(), start + QPoint(30, 40) + QPoint(40, 20));
}

TEST(AboutWindow, DraggingThePanelDoesNotMoveTheWindow)
{
    TFormInfo form;
    form.show();
    form.move(100, 100);
    auto* panel = form.findChild<QWidget*>("Panel01");
    sendMouse(panel, QEvent::MouseButtonPress, {150, 120}, Qt::LeftButton);
    sendMouse(panel, QEvent::MouseMove, {190, 160}, Qt::LeftButton);
    sendMouse(panel, QEvent::MouseButtonRelease, {190, 160}, Qt::NoButton);
    EXPECT_EQ(form.pos(), QPoint(100, 100));
}

TEST(AboutWindow, MenuEntryShowsItModallyAndReturnsOnClose)
{
    test::TestServices ts;
    StatisticsStore store(ts.clock, ts.messages);
    TFormHaupt win(ts.services, store, [](QWidget*, const QString&, QString*) { return false; });
    auto* info = win.findChild<QAction*>("HMenuDateiInfo");
    ASSERT_NE(info, nullptr);
    auto* form = win.findChild<TFormInfo*>();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->isVisible()) << "made hidden at start";
    for (int round = 0; round < 2; ++round) {
        bool sawIt = false;
        QString title;
        QTimer::singleShot(0, [&] {
            sawIt = QApplication::activeModalWidget() == form;
            title = form->Label01()->text();
            QTest::mouseClick(form->BitBtnClose(), Qt::LeftButton);
        });
        info->trigger(); // returns once the window is closed
        EXPECT_TRUE(sawIt) << round;
        EXPECT_EQ(title, "Quorvel V1.51") << round;
        EXPECT_FALSE(form->isVisible());
    }
}
