// Typed task counts on the units settings page: what the field shows once it is left,
// what Start uses, and the notice for a field that holds no number.
#include "harness.h"
#include "updownlong.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

// Types `text` into the count field and moves the focus on, as a pupil does.
void typeCountAndLeave(UnitsHarness& h, const QString& text)
{
    auto* count = h.find<QLineEdit>("EditEinheiten01");
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, text);
    h.find<QWidget>("BitBtnEinheiten01")->setFocus();
}

} // namespace

TEST(UnitsTaskCount, TheFieldShowsTheCountUsedAsSoonAsItIsLeft)
{
    UnitsHarness h;
    h.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window));
    const struct { const char* typed; const char* shown; } rows[] = {
        // Letters typed over the count never reach the field: it keeps the 7 before.
        {"0", "1"}, {"5000", "1.000"}, {"1000", "1.000"}, {"7", "7"}, {"abc", "7"}, {"1.2.3", "123"},
    };
    for (const auto& row : rows) {
        typeCountAndLeave(h, QString::fromLatin1(row.typed));
        EXPECT_EQ(h.find<QLineEdit>("EditEinheiten01")->text(), QString::fromLatin1(row.shown))
            << row.typed;
    }
}

TEST(UnitsTaskCount, StartUsesTheShownCountAndRefusesAFieldWithoutANumber)
{
    UnitsHarness h;
    auto* count = h.find<QLineEdit>("EditEinheiten01");
    // Start straight from the field (Alt+S): "0" starts one task, and the field says so.
    count->setText(QStringLiteral("0"));
    h.click("BitBtnStart02");
    EXPECT_EQ(h.status, QStringLiteral("Aufgabe 1 von 1"));
    EXPECT_EQ(count->text(), QStringLiteral("1"));
    h.click("btnEinheitenAufgAbbruch");
    ASSERT_EQ(h.pages->currentIndex(), PageEinheiten);

    count->setText(QStringLiteral("5000"));
    h.click("BitBtnStart02");
    EXPECT_EQ(h.status, QStringLiteral("Aufgabe 1 von 1000"));
    EXPECT_EQ(count->text(), QStringLiteral("1.000"));
    h.click("btnEinheitenAufgAbbruch");

    // Emptied: refused with a notice, nothing starts, the field stays for the pupil to fill.
    h.ts.messages.messages.clear();
    count->clear();
    h.click("BitBtnStart02");
    EXPECT_EQ(h.pages->currentIndex(), PageEinheiten);
    ASSERT_EQ(h.ts.messages.messages.size(), 1u);
    EXPECT_EQ(h.ts.messages.messages[0].text,
              QStringLiteral("Es wurde keine Aufgabenanzahl eingegeben.\rBitte geben Sie eine Zahl "
                             "von 1 bis 1000 ein !"));
    EXPECT_EQ(h.ts.messages.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(count->text(), QString());

    // Pasted letters are dropped like typed ones; digits and points only, five at most.
    QApplication::clipboard()->setText(QStringLiteral("abc12x"));
    count->paste();
    EXPECT_EQ(count->text(), QStringLiteral("12"));
    count->clear();
    QApplication::clipboard()->setText(QStringLiteral("1").repeated(10000));
    count->paste();
    EXPECT_EQ(count->text(), QStringLiteral("11111"));
}
