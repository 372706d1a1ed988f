// The link label: colours while hovering and pressing, and when a click opens its target.
#include "urllabel.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {
const QColor clBlack(0, 0, 0), clBlue(0, 0, 255), clRed(255, 0, 0), clGreen(0, 0x80, 0);

struct Fixture {
    TURLLabel label;
    QStringList opened;
    Fixture()
    {
        label.setText("Homepage");
        label.resize(80, 20);
        label.setColorNormal(clBlack);
        label.setColorMoveOver(clGreen);
        label.setURL("https://example.org/");
        label.setOpener([this](const QString& t) { opened << t; });
    }
    void enter()
    {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&label, &e);
    }
    void leave()
    {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(&label, &e);
    }
};
} // namespace

TEST(UrlLabel, Defaults)
{
    TURLLabel l;
    EXPECT_EQ(l.text(), "Click me!");
    EXPECT_EQ(l.ColorNormal(), clBlue);
    EXPECT_EQ(l.ColorMoveOver(), clBlue);
    EXPECT_EQ(l.ColorClick(), clRed);
    EXPECT_EQ(l.textColour(), clBlue);
    EXPECT_TRUE(l.font().underline());
    EXPECT_FALSE(l.URL().isEmpty());
}

TEST(UrlLabel, ClickInsideOpensTheTargetOnce)
{
    Fixture f;
    f.enter();
    EXPECT_EQ(f.label.textColour(), clGreen);
    QTest::mousePress(&f.label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(f.label.pressed());
    EXPECT_EQ(f.label.textColour(), clRed);
    EXPECT_TRUE(f.opened.isEmpty()) << "nothing opens on the way down";
    QTest::mouseRelease(&f.label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(f.opened, QStringList{"https://example.org/"});
    EXPECT_EQ(f.label.textColour(), clGreen);
    EXPECT_FALSE(f.label.pressed());
}

TEST(UrlLabel, PressMoveOffReleaseOpensNothing)
{
    Fixture f;
    f.enter();
    QTest::mousePress(&f.label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&f.label, QPoint(200, 60));
    f.leave();
    EXPECT_EQ(f.label.textColour(), clBlack);
    QTest::mouseRelease(&f.label, Qt::LeftButton, {}, QPoint(200, 60));
    EXPECT_TRUE(f.opened.isEmpty());
    EXPECT_EQ(f.label.textColour(), clBlack) << "ColorNormal restored";
    EXPECT_FALSE(f.label.pressed());
}

TEST(UrlLabel, ComingBackWhilePressedShowsTheClickColour)
{
    Fixture f;
    QTest::mousePress(&f.label, Qt::LeftButton, {}, QPoint(10, 10));
    f.leave();
    f.enter();
    EXPECT_EQ(f.label.textColour(), clRed);
    QTest::mouseRelease(&f.label, Qt::LeftButton, {}, QPoint(80, 20)); // the edge still counts
    EXPECT_EQ(f.opened.size(), 1);
}

TEST(UrlLabel, EmptyUrlOpensTheCaption)
{
    Fixture f;
    f.label.setURL("");
    f.label.setText("mailto:someone@example.org");
    QTest::mouseClick(&f.label, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(f.opened, QStringList{"mailto:someone@example.org"});
}

TEST(UrlLabel, ReleaseWithoutPressOpensNothing)
{
    Fixture f;
    QTest::mouseRelease(&f.label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(f.opened.isEmpty());
}

TEST(UrlLabel, ReachedByTabOpenedByEnterOrSpaceReadAsALink)
{
    Fixture f;
    EXPECT_EQ(f.label.focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(&f.label, Qt::Key_Return);
    QTest::keyClick(&f.label, Qt::Key_Space);
    QTest::keyClick(&f.label, Qt::Key_A); // other keys open nothing
    EXPECT_EQ(f.opened, QStringList({"https://example.org/", "https://example.org/"}));

    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&f.label);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Link);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Homepage"));
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("https://example.org/"));
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(f.opened.size(), 3);
}
