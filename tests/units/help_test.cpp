// The conversion help window: one instance shown by both help buttons, fixed size,
// the texts of each tab, its tab kept between showings, open after a series ends.
#include "harness.h"
#include "umrechnungshilfe.h"
#include "helplayout.h"
#include "unithelptexts.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

int helpWindows()
{
    int n = 0;
    for (QWidget* w : QApplication::allWidgets())
        n += qobject_cast<TUmrechnungshilfe*>(w) ? 1 : 0;
    return n;
}

struct TabText {
    const char* caption;
    const char* heading;
    const char* row;
    const char* upper;
    const char* lower;
    const char* left;
    const char* right;
};

// As the pupil reads them, blanks included.
const TabText kTabs[] = {
    {"Gewichtsmaße", "Umrechnung von Gewichtsmaßen",
     "Milligramm     <-->     Gramm     <-->     Kilogramm     <-->     Tonnen",
     "x1000 <--                  x1000 <--                         x1000 <--",
     ":1000 -->                  :1000 -->                          :1000 -->",
     "1 mg = 0,001 g\n1 g = 0,001 kg\n1 kg = 0,001 t", "1 g = 1000 mg\n1 kg = 1000 g\n1 t = 1000 kg"},
    {"Längenmaße", "Umrechnung von Längenmaßen",
     "Millimeter   <->   Zentimeter   <->   Dezimeter   <->   Meter   <->   Kilometer",
     "x10 <--                       x10 <--                      x10 <--          x1000 <--",
     ":10 -->                       :10 -->                       :10 -->           :1000 -->",
     "1 mm = 0,1 cm\n1 cm = 0,1 dm\n1 dm = 0,1 m\n1 m = 0,001 km",
     "1 cm = 10 mm\n1 dm = 10 cm\n1 m = 10 dm\n1 km = 1000 m"},
    {"Flächenmaße", "Umrechnung von Flächenmaßen",
     "mm²    <->    cm²    <->    dm²    <->    m²    <->    a    <->    ha    <->    km²",
     "x100 <--         x100 <--         x100 <--      x100 <--     x100 <--      x100 <--",
     ":100 -->          :100 -->         :100 -->       :100 -->     :100 -->       :100 -->",
     "1 mm² = 0,01 cm²\n1 cm² = 0,01 dm²\n1 dm² = 0,01 m²\n1 m² = 0,01 a\n1 a = 0,01 ha\n1 ha = 0,01 km²",
     "1 cm² = 100 mm²\n1 dm² = 100 cm²\n1 m² = 100 dm²\n1 a = 100 m²\n1 ha = 100 a\n1 km² = 100 ha"},
    {"Körpermaße", "Umrechnung von Körpermaßen",
     "mm³     <-->     cm³     <-->     dm³     <-->     m³     <-->    km³",
     "x1000 <--          x1000 <--           x1000 <--        x1000000000 <--",
     ":1000 -->           :1000 -->           :1000 -->         :1000000000 -->",
     "1 mm³ = 0,001 cm³\n1 cm³ = 0,001 dm³\n1 dm³ = 0,001 m³\n1 m³ = 0,000000001 km³",
     "1 cm³ = 1000 mm³\n1 dm³ = 1000 cm³\n1 m³ = 1000 dm³\n1 km³ = 1000000000 m³"},
    {"Zeitmaße", "Umrechnung von Zeitmaßen",
     "Millisekunden   <->   Sekunden   <->   Minuten   <->   Stunden   <->   Tage",
     "x1000 <--                    x60 <--                x60 <--                  x24 <--",
     ":1000 -->                     :60 -->                 :60 -->                  :24 -->",
     "1 msec = 0,001 sec\n1 sec = 1/60 min\n1 min = 1/60 h\n1 h = 1/24 d",
     "1 sec = 1000 msec\n1 min = 60 sec\n1 h = 60 min\n1 d = 24 h"},
    {"Währung", "Umrechnung Euro <-> Cent", "Cent   <->   Euro", "x100 <--", ":100 -->",
     "1 ct = 0,01 €", "1 € = 100 ct"},
};

QString label(QWidget* sheet, const QString& name)
{
    auto* l = sheet->findChild<QLabel*>(name);
    EXPECT_NE(l, nullptr) << name.toStdString();
    return l ? l->text() : QString();
}

} // namespace

TEST(UnitsHelp, OneInstanceForBothButtons)
{
    UnitsHarness h;
    EXPECT_EQ(helpWindows(), 1); // created with the pages, hidden
    TUmrechnungshilfe* help = h.units->helpWindow();
    EXPECT_FALSE(help->isVisible());
    h.click("BitBtnEinheiten01");
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    h.click("BitBtnEinheiten01");
    EXPECT_EQ(helpWindows(), 1);
    h.click("BitBtnStart02");
    h.click("btnEinheitenAufgHilfe");
    EXPECT_EQ(helpWindows(), 1);
    EXPECT_TRUE(help->isVisible());
    // The main window stays usable: the series goes on and ends; the help stays open.
    h.click("btnEinheitenAufgAbbruch");
    EXPECT_EQ(h.pages->currentIndex(), PageEinheiten);
    EXPECT_TRUE(help->isVisible());
    help->close();
}

TEST(UnitsHelp, FixedSizeAndCaption)
{
    UnitsHarness h;
    TUmrechnungshilfe* help = h.units->helpWindow();
    help->showHelp();
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Umrechnungshilfe"));
    EXPECT_EQ(help->size(), QSize(480, 339));
    EXPECT_EQ(help->minimumSize(), QSize(480, 339));
    EXPECT_EQ(help->maximumSize(), QSize(480, 339));
    help->resize(700, 500); // dragging a border changes nothing
    EXPECT_EQ(help->size(), QSize(480, 339));
    EXPECT_FALSE(help->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(help->windowFlags() & Qt::WindowMinimizeButtonHint);
    QTabWidget* tabs = help->pageControl();
    EXPECT_EQ(tabs->objectName(), QStringLiteral("PageControl1"));
    EXPECT_EQ(tabs->geometry(), QRect(8, 8, 457, 289));
    help->close();
}

TEST(UnitsHelp, TextsOfEveryTab)
{
    UnitsHarness h;
    QTabWidget* tabs = h.units->helpWindow()->pageControl();
    ASSERT_EQ(tabs->count(), 6);
    EXPECT_EQ(tabs->currentIndex(), 0);
    for (int i = 0; i < 6; ++i) {
        const TabText& t = kTabs[i];
        QWidget* sheet = tabs->widget(i);
        const QString n = QString::number(i + 1);
        EXPECT_EQ(sheet->objectName(), QStringLiteral("TabSheet") + n);
        EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(t.caption));
        EXPECT_EQ(label(sheet, "LabelUeberschrift" + n), QString::fromUtf8(t.heading));
        EXPECT_EQ(label(sheet, "LabelEinheiten" + n), QString::fromUtf8(t.row));
        EXPECT_EQ(label(sheet, "LabelMal" + n), QString::fromUtf8(t.upper));
        EXPECT_EQ(label(sheet, "LabelDurch" + n), QString::fromUtf8(t.lower));
        EXPECT_EQ(label(sheet, "LabelLinks" + n), QString::fromUtf8(t.left));
        EXPECT_EQ(label(sheet, "LabelRechts" + n), QString::fromUtf8(t.right));
        // The factor lines above and below the unit row, the box below them all.
        auto y = [&](const QString& name) { return sheet->findChild<QWidget*>(name)->geometry(); };
        EXPECT_LT(y("LabelMal" + n).top(), y("LabelEinheiten" + n).top());
        EXPECT_GT(y("LabelDurch" + n).top(), y("LabelEinheiten" + n).top());
        EXPECT_GT(y("PanelGleich" + n).top(), y("LabelDurch" + n).bottom());
    }
}

TEST(UnitsHelp, FactorsStandBetweenTheUnitsTheyLinkOnScreen)
{
    UnitsHarness h;
    QTabWidget* tabs = h.units->helpWindow()->pageControl();
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget* sheet = tabs->widget(i);
        const QString n = QString::number(i + 1);
        auto* row = sheet->findChild<BlankSpacedLabel*>("LabelEinheiten" + n);
        ASSERT_NE(row, nullptr);
        const QString text = row->text();
        const auto arrows = units::rowArrows(text);
        for (const QString& name : {"LabelMal" + n, "LabelDurch" + n}) {
            auto* line = sheet->findChild<BlankSpacedLabel*>(name);
            ASSERT_NE(line, nullptr);
            const auto groups = units::lineGroups(line->text());
            ASSERT_EQ(groups.size(), arrows.size());
            for (std::size_t k = 0; k < groups.size(); ++k) {
                const double c = line->x()
                                 + (line->advanceTo(groups[k].start)
                                    + line->advanceTo(groups[k].start + groups[k].length)) / 2;
                int prev = arrows[k].start;
                while (text[prev - 1] == QLatin1Char(' '))
                    --prev;
                int next = arrows[k].start + arrows[k].length;
                while (text[next] == QLatin1Char(' '))
                    ++next;
                const double unitEnd = row->x() + row->advanceTo(prev);
                const double unitStart = row->x() + row->advanceTo(next);
                EXPECT_GT(c, unitEnd) << name.toStdString() << " factor " << k;
                EXPECT_LT(c, unitStart) << name.toStdString() << " factor " << k;
            }
        }
        // Everything fits inside the tab.
        for (QLabel* l : sheet->findChildren<QLabel*>()) {
            const QPoint end = l->mapTo(sheet, QPoint(l->sizeHint().width(), l->height()));
            EXPECT_LE(end.x(), sheet->width()) << l->objectName().toStdString();
            EXPECT_LE(end.y(), sheet->height()) << l->objectName().toStdString();
            EXPECT_GE(l->mapTo(sheet, QPoint(0, 0)).x(), 0) << l->objectName().toStdString();
        }
    }
}

TEST(UnitsHelp, KeepsItsTabBetweenShowings)
{
    UnitsHarness h;
    TUmrechnungshilfe* help = h.units->helpWindow();
    h.click("BitBtnEinheiten01");
    help->pageControl()->setCurrentIndex(4);
    help->close();
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(helpWindows(), 1); // closing hides it
    h.click("BitBtnEinheiten01");
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->pageControl()->currentIndex(), 4);
    help->close();
}

TEST(UnitsHelp, EqualitiesBoxHasARedBorderOnGrey)
{
    UnitsHarness h;
    QTabWidget* tabs = h.units->helpWindow()->pageControl();
    h.units->helpWindow()->showHelp();
    tabs->setCurrentIndex(2);
    auto* box = tabs->widget(2)->findChild<QFrame*>("PanelGleich3");
    ASSERT_NE(box, nullptr);
    const QImage img = box->grab().toImage();
    EXPECT_EQ(QColor(img.pixel(1, img.height() / 2)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(img.pixel(img.width() - 2, 1)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(img.pixel(6, 5)), QColor(0xC8, 0xC8, 0xC8));
    h.units->helpWindow()->close();
}
