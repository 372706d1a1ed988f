// A screen reader reads the painted prime list as a list of the lines on screen, with the
// current line focused, however many lines the list holds.
#include "linelistview.h"

#include <QAccessible>
#include <QStringListModel>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;

TEST(LineListAccessibility, LinesOnScreenAreListItemsWithTheirText)
{
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("Zeile %1  ").arg(i);
    QStringListModel model(lines);
    LineListView view;
    view.setModel(&model);
    view.resize(300, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    const auto [first, count] = view.paintedRows();
    ASSERT_GT(count, 3);
    EXPECT_EQ(list->childCount(), count);
    EXPECT_EQ(list->text(QAccessible::Description), QStringLiteral("5000 Zeilen"));
    QAccessibleInterface* top = list->child(0);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->role(), QAccessible::ListItem);
    EXPECT_EQ(top->text(QAccessible::Name), QStringLiteral("Zeile 0"));
    EXPECT_EQ(top->parent(), list);
    EXPECT_EQ(list->indexOfChild(top), 0);
    EXPECT_EQ(list->child(count), nullptr);

    // Moving far down: the children follow the screen, the current line is focused.
    view.setFocus();
    view.setCurrentIndex(model.index(4000, 0));
    const int firstNow = view.paintedRows().first;
    EXPECT_GT(firstNow, 3000);
    QAccessibleInterface* current = list->child(4000 - firstNow);
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(QAccessible::Name), QStringLiteral("Zeile 4000"));
    EXPECT_TRUE(current->state().selected);
    EXPECT_EQ(list->childAt(current->rect().center().x(), current->rect().center().y()), current);
    EXPECT_TRUE(top->state().invisible); // line 0 is no longer on screen
}
