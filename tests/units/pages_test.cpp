// The unit pages through their widgets: settings, a whole series with typed and
// clicked answers, the messages with their kinds, counts and jingles.
#include "harness.h"
#include "series.h"
#include "unitnumber.h"
#include "unittasks.h"
#include "updownlong.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <set>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

const char* const kFamilies[] = {"Gewichte",   "Längenmaße", "Flächenmaße", "Körpermaße",
                                 "Zeitmaße",   "Währung",    "Gemischt"};

QComboBox* box(UnitsHarness& h, int i)
{
    return h.find<QComboBox>(QStringLiteral("ComboBoxEinheiten%1").arg(i, 2, 10, QLatin1Char('0'))
                                 .toLatin1()
                                 .constData());
}

QRadioButton* radio(UnitsHarness& h, int i)
{
    return h.find<QRadioButton>(
        QStringLiteral("RadioButtonEinheiten%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1().constData());
}

} // namespace

TEST(UnitsSettingsPage, ControlsAndStartValues)
{
    UnitsHarness h;
    EXPECT_EQ(h.find<QLabel>("LabelEinheiten01")->text(),
              QStringLiteral("Aufgabenstellung:     Einheiten"));
    EXPECT_EQ(h.find<QLabel>("LabelEinheiten02")->text(),
              QStringLiteral("Umzurechnende Maße oder Gewichte:"));
    EXPECT_EQ(h.find<QLabel>("LabelEinheiten03")->text(), QStringLiteral("Umrechnen in:"));
    for (int i = 1; i <= 7; ++i) {
        QRadioButton* rb = radio(h, i);
        EXPECT_EQ(rb->text(), QString::fromUtf8(kFamilies[i - 1]));
        EXPECT_EQ(rb->isChecked(), i == 1);
        QComboBox* b = box(h, i);
        EXPECT_FALSE(b->isEditable());
        EXPECT_EQ(b->currentIndex(), 0);
        QStringList items;
        for (int k = 0; k < b->count(); ++k)
            items << b->itemText(k);
        const QStringList expected = i == 7 ? QStringList{"wie oben", "zufällig"}
                                            : units::unitNames(i);
        EXPECT_EQ(items, expected) << i;
    }
    EXPECT_EQ(box(h, 3)->itemText(6), QStringLiteral("km²"));
    EXPECT_EQ(box(h, 6)->itemText(1), QStringLiteral("€"));
    EXPECT_EQ(h.find<QGroupBox>("RadioGroupEinheiten01")->title(),
              QStringLiteral(" Schwierigkeitsgrad "));
    const QStringList levels{"leicht", "mittel", "schwer"};
    for (int i = 0; i < 3; ++i) {
        auto* rb = h.find<QRadioButton>(QStringLiteral("RadioGroupEinheiten01_%1").arg(i).toLatin1().constData());
        EXPECT_EQ(rb->text(), levels[i]);
        EXPECT_EQ(rb->isChecked(), i == 0);
    }
    auto* spin = h.find<TUpDownLong>("UpDownEinheiten01");
    EXPECT_EQ(spin->Min(), 1);
    EXPECT_EQ(spin->Max(), 1000);
    EXPECT_EQ(spin->Position(), 10);
    EXPECT_EQ(spin->Associate(), h.find<QLineEdit>("EditEinheiten01"));
    EXPECT_EQ(h.find<QLabel>("Label2")->text(), QStringLiteral("Anzahl der zu rechnenden Aufgaben"));
    EXPECT_EQ(h.find<QPushButton>("BitBtnEinheiten01")->text(), QStringLiteral("&Umrechnungshilfe"));
    EXPECT_EQ(h.find<QPushButton>("BitBtnBack02")->text(), QStringLiteral("&Zurück zur Auswahl"));
    EXPECT_EQ(h.find<QPushButton>("BitBtnStart02")->text(), QStringLiteral("&Start"));
    h.click("BitBtnBack02");
    EXPECT_EQ(h.backClicks, 1);
}

TEST(UnitsSettingsPage, ControlsLieInsideThePageWithoutOverlapping)
{
    UnitsHarness h;
    for (int p : {PageEinheiten, PageEinheitenAufgaben}) {
        QWidget* page = h.pages->widget(p);
        QList<QWidget*> controls;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w)
                || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)
                || qobject_cast<QRadioButton*>(w) || qobject_cast<QGroupBox*>(w)
                || qobject_cast<TUpDownLong*>(w)) {
                if (w->objectName().isEmpty() || w->parentWidget()->inherits("QComboBox"))
                    continue;
                controls << w;
            }
        }
        ASSERT_GT(controls.size(), 5);
        for (QWidget* w : controls) {
            const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
            EXPECT_TRUE(QRect(0, 0, 539, 500).contains(r)) << w->objectName().toStdString();
            for (QWidget* o : controls) {
                if (o == w || o->parentWidget() != w->parentWidget())
                    continue;
                EXPECT_FALSE(w->geometry().intersects(o->geometry()))
                    << w->objectName().toStdString() << " / " << o->objectName().toStdString();
            }
        }
    }
}

TEST(UnitsSeries, WholeSeriesThroughTheWidgets)
{
    UnitsHarness h;
    QTest::keyClick(box(h, 1), Qt::Key_Down); // Gewichte into "g"
    ASSERT_EQ(box(h, 1)->currentText(), QStringLiteral("g"));
    auto* count = h.find<QLineEdit>("EditEinheiten01");
    count->selectAll();
    QTest::keyClicks(count, "3");

    h.ts.random.script({2, 1, 25,   // 2,5 kg
                        0, 0, 500,  // 500 mg
                        3, 3, 1});  // 0,001 t
    h.click("BitBtnStart02");
    EXPECT_EQ(h.pages->currentIndex(), PageEinheitenAufgaben);
    EXPECT_TRUE(h.pad->padEnabled());
    EXPECT_EQ(h.status, QStringLiteral("Aufgabe 1 von 3"));
    EXPECT_EQ(h.find<QLabel>("lblEinheiten01")->text(), QStringLiteral("Geben Sie 2,5 kg in g an"));
    EXPECT_EQ(h.find<QLabel>("lblEinheiten02")->text(), QStringLiteral("2,5 kg ="));
    EXPECT_EQ(h.find<QLabel>("lblEinheiten03")->text(), QStringLiteral("g"));
    EXPECT_EQ(h.ts.random.seedings, 1);

    h.type("2500");
    QTest::keyClick(h.answer(), Qt::Key_Return); // Enter confirms
    EXPECT_EQ(h.status, QStringLiteral("Aufgabe 2 von 3"));
    EXPECT_EQ(h.find<QLabel>("lblEinheiten01")->text(), QStringLiteral("Geben Sie 500 mg in g an"));
    EXPECT_TRUE(h.answer()->text().isEmpty());

    h.click("btnEinheitenAufgOK"); // empty field
    h.type("0.5");
    h.click("btnEinheitenAufgOK"); // a point is refused, the text stays
    EXPECT_EQ(h.answer()->text(), QStringLiteral("0.5"));
    EXPECT_EQ(h.units->series().wrongAttempts(), 0);
    h.type("1");
    h.click("btnEinheitenAufgOK");
    EXPECT_TRUE(h.answer()->text().isEmpty());
    EXPECT_EQ(h.units->series().wrongAttempts(), 1);
    h.type("2");
    h.click("btnEinheitenAufgOK");
    EXPECT_EQ(h.status, QStringLiteral("Aufgabe 3 von 3"));
    EXPECT_EQ(h.find<QLabel>("lblEinheiten01")->text(), QStringLiteral("Geben Sie 0,001 t in g an"));

    // The pad types digits; its comma does nothing.
    for (const char* key : {"SB01", "SB10", "SB11", "SB10", "SB10"})
        QTest::mouseClick(h.pad->findChild<QPushButton*>(key), Qt::LeftButton);
    EXPECT_EQ(h.answer()->text(), QStringLiteral("1000"));
    QTest::mouseClick(h.pad->findChild<QPushButton*>("BitBtnErgebnis01"), Qt::LeftButton);

    EXPECT_EQ(h.pages->currentIndex(), PageEinheiten);
    EXPECT_TRUE(h.status.isEmpty());
    EXPECT_FALSE(h.units->series().running());
    EXPECT_EQ(h.ts.log.events,
              QStringList({"changed 2", "given 2 1", "sound MUSIN02",
                           "correct 2 1", "sound right", "given 2 1",
                           "message Sie haben noch keinen Wert eingegeben",
                           "error '0.5' ist kein gültiger Gleitkommawert.",
                           "sound wrong", "message Das von Ihnen eingegebene Ergebnis ist falsch.\r",
                           "sound wrong",
                           "message Das von Ihnen eingegebene Ergebnis ist falsch.\r"
                           "Das richtige Ergebnis lautet: 0,5 g",
                           "given 2 1", "correct 2 1", "sound right", "sound MUSIN02"}));
    const auto& m = h.ts.messages.messages;
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].kind, MessageKind::Information);
    EXPECT_TRUE(m[1].error);
    EXPECT_EQ(m[2].kind, MessageKind::Warning);
    EXPECT_EQ(m[3].kind, MessageKind::Warning);
    EXPECT_FALSE(h.ts.random.scriptMisuse);
}

TEST(UnitsSeries, RightAfterOneWrongCountsOnlyTheGivenTask)
{
    UnitsHarness h;
    radio(h, 6)->click();                     // Währung
    QTest::keyClick(box(h, 6), Qt::Key_Down); // into "€"
    h.find<TUpDownLong>("UpDownEinheiten01")->setPosition(1);
    h.ts.random.script({0, 1234});
    h.click("BitBtnStart02");
    EXPECT_EQ(h.find<QLabel>("lblEinheiten01")->text(), QStringLiteral("Geben Sie 1234 ct in € an"));
    h.type("1234");
    h.click("btnEinheitenAufgOK");
    h.type("12,34");
    h.click("btnEinheitenAufgOK");
    EXPECT_EQ(h.ts.log.events,
              QStringList({"changed 2", "given 2 6", "sound MUSIN02", "sound wrong",
                           "message Das von Ihnen eingegebene Ergebnis ist falsch.\r",
                           "sound MUSIN02"}));
    EXPECT_EQ(h.pages->currentIndex(), PageEinheiten);
}

TEST(UnitsSeries, SkipAndAbortThroughThePad)
{
    UnitsHarness h;
    h.find<TUpDownLong>("UpDownEinheiten01")->setPosition(2);
    h.click("BitBtnStart02");
    QTest::mouseClick(h.pad->findChild<QPushButton*>("BitBtnUeberspringen01"), Qt::LeftButton);
    EXPECT_EQ(h.status, QStringLiteral("Aufgabe 2 von 2"));
    h.click("btnEinheitenAufgUeberspringen"); // the last one: the series ends
    EXPECT_EQ(h.pages->currentIndex(), PageEinheiten);
    EXPECT_FALSE(h.pad->padEnabled());
    EXPECT_TRUE(h.status.isEmpty());

    h.ts.log.clear();
    h.click("BitBtnStart02");
    EXPECT_EQ(h.units->series().taskCount(), 2);
    QTest::mouseClick(h.pad->findChild<QPushButton*>("BitBtnAbbruch01"), Qt::LeftButton);
    EXPECT_EQ(h.pages->currentIndex(), PageEinheiten);
    EXPECT_FALSE(h.pad->padEnabled());
    EXPECT_EQ(h.ts.log.events, QStringList({"changed 2", "given 2 1", "sound MUSIN02",
                                            "sound MUSIN02"}));
    // The abort button of the page does the same.
    h.click("BitBtnStart02");
    h.click("btnEinheitenAufgAbbruch");
    EXPECT_EQ(h.pages->currentIndex(), PageEinheiten);
}

TEST(UnitsSeries, SettingsAreReadFromThePage)
{
    UnitsHarness h;
    radio(h, 7)->click();
    QTest::keyClick(box(h, 7), Qt::Key_Down); // "zufällig"
    QTest::keyClick(box(h, 5), Qt::Key_End);  // Zeitmaße into "d"
    h.find<QRadioButton>("RadioGroupEinheiten01_2")->click();
    const units::UnitSettings s = h.units->readSettings();
    EXPECT_EQ(s.choice, units::Gemischt);
    EXPECT_TRUE(s.randomTarget);
    EXPECT_EQ(s.targetIndex[4], 4);
    EXPECT_EQ(s.difficulty, units::Schwer);

    h.find<TUpDownLong>("UpDownEinheiten01")->setPosition(60);
    h.click("BitBtnStart02");
    std::set<int> families;
    while (h.units->series().running()) {
        families.insert(h.units->topic().task().category);
        h.click("btnEinheitenAufgUeberspringen");
    }
    EXPECT_EQ(families.size(), 6u);
    // One given count per task, under its drawn family.
    int given = 0;
    for (const QString& e : h.ts.log.events)
        given += e.startsWith(QLatin1String("given 2 ")) ? 1 : 0;
    EXPECT_EQ(given, 60);
}

TEST(UnitsTaskPage, QuantityLabelEndsBeforeTheAnswerField)
{
    UnitsHarness h;
    auto* answer = h.answer();
    EXPECT_EQ(answer->geometry().left(), 185);
    EXPECT_EQ(answer->width(), 170);
    radio(h, 7)->click();
    QTest::keyClick(box(h, 7), Qt::Key_Down);
    h.find<QRadioButton>("RadioGroupEinheiten01_2")->click();
    h.find<TUpDownLong>("UpDownEinheiten01")->setPosition(1000);
    h.click("BitBtnStart02");
    auto* quantity = h.find<QLabel>("lblEinheiten02");
    auto* target = h.find<QLabel>("lblEinheiten03");
    for (int i = 0; i < 300; ++i) {
        const QString text = quantity->text();
        EXPECT_EQ(quantity->geometry().left(), 180 - 8 * int(text.size()));
        EXPECT_EQ(quantity->geometry().right() + 1, 180);
        EXPECT_LE(quantity->fontMetrics().horizontalAdvance(text), quantity->width())
            << text.toStdString();
        EXPECT_GT(target->geometry().left(), answer->geometry().right());
        EXPECT_EQ(target->text(), h.units->topic().task().target());
        h.click("btnEinheitenAufgUeberspringen");
    }
}
