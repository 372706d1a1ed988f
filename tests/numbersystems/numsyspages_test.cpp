// The pages 'Zahlensysteme' and 'ZahlensystemeBerechnung' through their widgets:
// opening the calculator, captions, jingle, focus, the fields and every notice.
#include "pageharness.h"
#include "numbersystemspages.h"
#include "topiccontext.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct Pages : ::testing::Test, PageHarness {
    Pages()
    {
        installNumberSystemsPages(ctx);
        pages->setCurrentIndex(PageZahlensysteme);
    }

    template <class T> T* find(int page, const char* name)
    {
        T* w = pages->widget(page)->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPushButton* startButton(const char* name) { return find<QPushButton>(PageZahlensysteme, name); }
    QLineEdit* decimal() { return find<QLineEdit>(PageZahlensystemeBerechnung, "EditZahlen02"); }
    QLineEdit* system() { return find<QLineEdit>(PageZahlensystemeBerechnung, "EditZahlen03"); }
    QLabel* label(const char* name) { return find<QLabel>(PageZahlensystemeBerechnung, name); }
    QPushButton* convertButton()
    {
        return find<QPushButton>(PageZahlensystemeBerechnung, "BitBtnZSysUmrechnen");
    }

    void open(const char* button)
    {
        QTest::mouseClick(startButton(button), Qt::LeftButton);
    }
    void clickConvert() { QTest::mouseClick(convertButton(), Qt::LeftButton); }
    void type(QLineEdit* e, const QString& text)
    {
        e->clear();
        QTest::keyClicks(e, text);
    }
    const RecordedMessage& lastMessage() const { return ts.messages.messages.back(); }
};

} // namespace

TEST_F(Pages, StartPageHoldsTheFiveSystemButtonsAndTheBackButton)
{
    const char* const names[] = {"BitBtnZSys01", "BitBtnZSys02", "BitBtnZSys03", "BitBtnZSys04",
                                 "BitBtnZSys05"};
    const char* const captions[] = {"Römische Zahlen", "Dualsystem", "Dreiersystem", "Oktalsystem",
                                    "Hexadezimalsystem"};
    for (int i = 0; i < 5; ++i) {
        QPushButton* b = startButton(names[i]);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(b->accessibleName(), QString::fromUtf8(captions[i]));
        // The left part "Berechnung"; the right part stays free for the task settings.
        EXPECT_LT(b->geometry().right(), 270);
    }
    QPushButton* back = startButton("BitBtnBack03");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), QStringLiteral("&Zurück zur Auswahl"));
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(backClicks, 1);
}

TEST_F(Pages, EachButtonOpensTheCalculatorWithItsCaptionsAndTheJingle)
{
    struct Row {
        const char* button;
        const char* panel;
        const char* decimalLabel;
        const char* systemLabel;
    };
    const Row rows[] = {
        {"BitBtnZSys01", "Römische Zahlen", "Arabische Zahl", "Römische Zahl"},
        {"BitBtnZSys02", "Dualsystem", "Dezimalzahl", "Dualzahl"},
        {"BitBtnZSys03", "Dreiersystem", "Dezimalzahl", "Dreierzahl"},
        {"BitBtnZSys04", "Oktalsystem", "Dezimalzahl", "Oktalzahl"},
        {"BitBtnZSys05", "Hexadezimalsystem", "Dezimalzahl", "Hexadezimalzahl"},
    };
    for (const Row& r : rows) {
        ts.log.clear();
        pages->setCurrentIndex(PageZahlensysteme);
        open(r.button);
        EXPECT_EQ(pages->currentIndex(), PageZahlensystemeBerechnung) << r.button;
        EXPECT_EQ(ts.log.events, QStringList{QStringLiteral("sound MUSIN02")});
        EXPECT_EQ(label("PanelZSys04")->text(), QString::fromUtf8(r.panel));
        EXPECT_EQ(label("LabelZSys05")->text(), QString::fromUtf8(r.decimalLabel));
        EXPECT_EQ(label("LabelZSys06")->text(), QString::fromUtf8(r.systemLabel));
        EXPECT_EQ(decimal()->accessibleName(), QString::fromUtf8(r.decimalLabel));
        EXPECT_EQ(system()->accessibleName(), QString::fromUtf8(r.systemLabel));
    }
}

TEST_F(Pages, JingleFollowsTheSoundSwitch)
{
    ts.sound.setSoundOn(false);
    open("BitBtnZSys02");
    EXPECT_EQ(ts.log.events, QStringList{QStringLiteral("sound MUSIN02 (off)")});
}

TEST_F(Pages, PageIsLaidOutWithTheRomanCaptionsBeforeAnyButton)
{
    EXPECT_EQ(label("PanelZSys04")->text(), QStringLiteral("Römische Zahlen"));
    EXPECT_EQ(label("LabelZSys05")->text(), QStringLiteral("Arabische Zahl"));
    EXPECT_EQ(label("LabelZSys06")->text(), QStringLiteral("Römische Zahl"));
}

TEST_F(Pages, FocusGoesIntoTheDecimalField)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    open("BitBtnZSys05");
    EXPECT_TRUE(decimal()->hasFocus());
    // Also after a notice that asks for the decimal field.
    system()->setFocus();
    clickConvert();
    EXPECT_EQ(lastMessage().text, QStringLiteral("Es wurde noch kein Wert eingegeben !"));
    EXPECT_TRUE(decimal()->hasFocus());
}

TEST_F(Pages, FieldsKeepTheirTextsAcrossBackAndAnotherSystem)
{
    open("BitBtnZSys02");
    type(decimal(), QStringLiteral("5"));
    clickConvert();
    EXPECT_EQ(system()->text(), QStringLiteral("101"));
    QTest::mouseClick(find<QPushButton>(PageZahlensystemeBerechnung, "BitBtnZSysZurueck"),
                      Qt::LeftButton);
    EXPECT_EQ(pages->currentIndex(), PageZahlensysteme);
    open("BitBtnZSys05");
    EXPECT_EQ(decimal()->text(), QStringLiteral("5"));
    EXPECT_EQ(system()->text(), QStringLiteral("101"));
    ts.messages.messages.clear();
    clickConvert();
    ASSERT_EQ(ts.messages.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, QStringLiteral("Zu viele Eingaben !"));
    EXPECT_FALSE(lastMessage().error);
    EXPECT_EQ(decimal()->text(), QString());
    EXPECT_EQ(system()->text(), QString());
}

TEST_F(Pages, ZurueckShowsTheStartPageWithoutASound)
{
    open("BitBtnZSys01");
    ts.log.clear();
    QTest::mouseClick(find<QPushButton>(PageZahlensystemeBerechnung, "BitBtnZSysZurueck"),
                      Qt::LeftButton);
    EXPECT_EQ(pages->currentIndex(), PageZahlensysteme);
    EXPECT_TRUE(ts.log.events.isEmpty());
    EXPECT_EQ(backClicks, 0);
}

TEST_F(Pages, EnterInEitherFieldConvertsInTheDirectionOfTheFilledField)
{
    open("BitBtnZSys01");
    type(decimal(), QStringLiteral("1994"));
    QTest::keyClick(decimal(), Qt::Key_Return);
    EXPECT_EQ(system()->text(), QStringLiteral("MCMXCIV"));

    decimal()->clear();
    type(system(), QStringLiteral("mcmxciv"));
    QTest::keyClick(decimal(), Qt::Key_Enter); // Enter in the empty field reads the other one
    EXPECT_EQ(system()->text(), QStringLiteral("MCMXCIV"));
    EXPECT_EQ(decimal()->text(), QStringLiteral("1994"));

    decimal()->clear();
    type(system(), QStringLiteral("xix"));
    QTest::keyClick(system(), Qt::Key_Return);
    EXPECT_EQ(decimal()->text(), QStringLiteral("19"));
    EXPECT_EQ(system()->text(), QStringLiteral("XIX"));
    EXPECT_TRUE(ts.messages.messages.empty());
}

namespace {

// One press of "&Umrechnen" through the page, and what the pupil sees afterwards.
struct FlowCase {
    const char* button;
    const char* decimalIn;
    const char* systemIn;
    const char* decimalOut;
    const char* systemOut;
    const char* message; // "" none
    bool error;          // the general error box rather than the message window
};

class PageFlow : public Pages, public ::testing::WithParamInterface<FlowCase> {};

} // namespace

TEST_P(PageFlow, MessageAndFields)
{
    const FlowCase c = GetParam();
    open(c.button);
    ts.log.clear();
    type(decimal(), QString::fromUtf8(c.decimalIn));
    type(system(), QString::fromUtf8(c.systemIn));
    clickConvert();
    EXPECT_EQ(decimal()->text(), QString::fromUtf8(c.decimalOut));
    EXPECT_EQ(system()->text(), QString::fromUtf8(c.systemOut));
    if (*c.message == '\0') {
        EXPECT_TRUE(ts.messages.messages.empty());
    } else {
        ASSERT_EQ(ts.messages.messages.size(), 1u);
        EXPECT_EQ(lastMessage().text, QString::fromUtf8(c.message));
        EXPECT_EQ(lastMessage().error, c.error);
        EXPECT_EQ(lastMessage().kind, c.error ? MessageKind::Error : MessageKind::Information);
    }
    // Converting plays no jingle.
    for (const QString& e : ts.log.events)
        EXPECT_FALSE(e.startsWith(QStringLiteral("sound"))) << e.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    FailureTable, PageFlow,
    ::testing::Values(
        FlowCase{"BitBtnZSys01", "", "", "", "", "Es wurde noch kein Wert eingegeben !", false},
        FlowCase{"BitBtnZSys03", "", "", "", "", "Es wurde noch kein Wert eingegeben !", false},
        FlowCase{"BitBtnZSys01", "12", "XII", "", "", "Zu viele Eingaben !", false},
        FlowCase{"BitBtnZSys04", "8", "10", "", "", "Zu viele Eingaben !", false},
        FlowCase{"BitBtnZSys01", "4000", "", "", "", "Zahl darf nicht größer sein als 3999", false},
        FlowCase{"BitBtnZSys01", "", "iiii", "", "IIII", "Fehlerhaftes Format", false},
        FlowCase{"BitBtnZSys01", "", "VX", "", "VX", "Fehlerhaftes Format", false},
        FlowCase{"BitBtnZSys01", "", "il", "", "IL", "Fehlerhaftes Format", false},
        FlowCase{"BitBtnZSys01", "", "XXC", "", "XXC", "Fehlerhaftes Format", false},
        FlowCase{"BitBtnZSys01", "", "MMMM", "", "MMMM", "Fehlerhaftes Format", false},
        FlowCase{"BitBtnZSys01", "", "xiv7", "", "XIV7", "Fehlerhaftes Format", false},
        FlowCase{"BitBtnZSys02", "", "12", "", "", "Fehlerhaftes Fomat !", false},
        FlowCase{"BitBtnZSys03", "", "3", "", "", "Fehlerhaftes Fomat !", false},
        FlowCase{"BitBtnZSys04", "", "8", "", "", "Fehlerhaftes Fomat !", false},
        FlowCase{"BitBtnZSys05", "", "G", "", "", "Fehlerhaftes Fomat !", false},
        FlowCase{"BitBtnZSys02", "2147483648", "", "2147483648", "",
                 "'2147483648' ist kein gültiger Integerwert.", true},
        FlowCase{"BitBtnZSys05", "1a", "", "1a", "", "'1a' ist kein gültiger Integerwert.", true},
        FlowCase{"BitBtnZSys01", "-4", "", "-4", "", "Negative Zahlen können nicht umgerechnet werden !", false},
        FlowCase{"BitBtnZSys03", "-1", "", "-1", "", "Negative Zahlen können nicht umgerechnet werden !", false},
        FlowCase{"BitBtnZSys05", "", "fffffffff", "", "FFFFFFFFF",
                 "Die Zahl ist zu groß (höchstens 2147483647) !", false}));

INSTANTIATE_TEST_SUITE_P(
    Conversions, PageFlow,
    ::testing::Values(FlowCase{"BitBtnZSys01", "3999", "", "3999", "MMMCMXCIX", "", false},
                      FlowCase{"BitBtnZSys01", "0", "", "0", "", "", false},
                      FlowCase{"BitBtnZSys01", "", "MCMXCIV", "1994", "MCMXCIV", "", false},
                      FlowCase{"BitBtnZSys01", "", "IIX", "10", "IIX", "", false},
                      FlowCase{"BitBtnZSys02", "0", "", "0", "0", "", false},
                      FlowCase{"BitBtnZSys02", "255", "", "255", "11111111", "", false},
                      FlowCase{"BitBtnZSys02", "2147483647", "", "2147483647",
                               "1111111111111111111111111111111", "", false},
                      FlowCase{"BitBtnZSys02", "", "0011", "3", "0011", "", false},
                      FlowCase{"BitBtnZSys03", "255", "", "255", "100110", "", false},
                      FlowCase{"BitBtnZSys04", "255", "", "255", "377", "", false},
                      FlowCase{"BitBtnZSys05", "255", "", "255", "FF", "", false},
                      FlowCase{"BitBtnZSys05", "", "ff", "255", "FF", "", false},
                      FlowCase{"BitBtnZSys05", "", "7fffffff", "2147483647", "7FFFFFFF", "",
                               false}));

TEST_F(Pages, TheFieldsBehindANoticeShowWhatTheStepHasDoneSoFar)
{
    // A message sink that looks at the fields while its notice is "on screen".
    struct Peek final : MessageSink {
        QLineEdit* dec = nullptr;
        QLineEdit* sys = nullptr;
        QStringList seen;
        int showMessage(const QString& t, MessageKind, MessageButtons, int, const QString&) override
        {
            seen << t + QStringLiteral(" | ") + dec->text() + QStringLiteral(" | ") + sys->text();
            return 1;
        }
        void showError(const QString& t) override { showMessage(t, MessageKind::Error, 0, 0, {}); }
    } peek;
    Services s{ts.stats, ts.sound, peek, ts.random, ts.clock};
    QStackedWidget other;
    for (const char* name : kExercisePageNames) {
        other.addWidget(new QWidget);
        other.widget(other.count() - 1)->setObjectName(QString::fromLatin1(name));
    }
    TopicContext c{s, &other, nullptr, nullptr, {}, {}, {}};
    installNumberSystemsPages(c);
    peek.dec = other.widget(PageZahlensystemeBerechnung)->findChild<QLineEdit*>("EditZahlen02");
    peek.sys = other.widget(PageZahlensystemeBerechnung)->findChild<QLineEdit*>("EditZahlen03");
    auto* convert =
        other.widget(PageZahlensystemeBerechnung)->findChild<QPushButton*>("BitBtnZSysUmrechnen");
    auto press = [&](const char* button, const char* d, const char* y) {
        QTest::mouseClick(other.widget(PageZahlensysteme)->findChild<QPushButton*>(button),
                          Qt::LeftButton);
        peek.dec->setText(QString::fromUtf8(d));
        peek.sys->setText(QString::fromUtf8(y));
        QTest::mouseClick(convert, Qt::LeftButton);
    };
    press("BitBtnZSys02", "5", "101");
    press("BitBtnZSys05", "", "fg");
    press("BitBtnZSys01", "4000", "");
    press("BitBtnZSys01", "", "iiii");
    EXPECT_EQ(peek.seen, QStringList({QStringLiteral("Zu viele Eingaben ! | 5 | 101"),
                                      QStringLiteral("Fehlerhaftes Fomat ! |  | FG"),
                                      QStringLiteral("Zahl darf nicht größer sein als 3999 |  | "),
                                      QStringLiteral("Fehlerhaftes Format |  | IIII")}));
}

TEST_F(Pages, ControlsCarryTheirNamesAndAccessibleNames)
{
    for (const char* name : {"BitBtnZSysUmrechnen", "BitBtnZSysZurueck"}) {
        QPushButton* b = find<QPushButton>(PageZahlensystemeBerechnung, name);
        ASSERT_NE(b, nullptr);
        EXPECT_FALSE(b->accessibleName().isEmpty());
    }
    EXPECT_EQ(convertButton()->text(), QStringLiteral("&Umrechnen"));
    EXPECT_EQ(find<QPushButton>(PageZahlensystemeBerechnung, "BitBtnZSysZurueck")->text(),
              QStringLiteral("&Zurück"));
    // No key filter (wrong characters get their notice), but no more characters than the
    // longest valid input needs: a sign and ten digits, 31 binary digits and one more.
    EXPECT_EQ(decimal()->validator(), nullptr);
    EXPECT_EQ(system()->validator(), nullptr);
    EXPECT_EQ(decimal()->maxLength(), 11);
    EXPECT_EQ(system()->maxLength(), 32);
    // Everything lies inside the 539 x 500 page.
    for (int p : {int(PageZahlensysteme), int(PageZahlensystemeBerechnung)})
        for (QWidget* w : pages->widget(p)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->geometry() != pages->widget(p)->rect()) { // the background follows the page
                EXPECT_TRUE(QRect(0, 0, 539, 500).contains(w->geometry()))
                    << w->objectName().toStdString();
            }
}

TEST_F(Pages, APastedPageAndNumbersBeyondTheCalculatorAreToldWhy)
{
    open("BitBtnZSys05");
    // A pasted page: the field keeps the first eleven characters, the error quotes them.
    QApplication::clipboard()->setText(QStringLiteral("x").repeated(10000));
    decimal()->paste();
    EXPECT_EQ(decimal()->text(), QString(11, QLatin1Char('x')));
    clickConvert();
    ASSERT_EQ(ts.messages.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, "'xxxxxxxxxxx' ist kein gültiger Integerwert.");
    // A negative number and a numeral past 32 bits: the notice says why, fields stay.
    const struct { const char* decimal; const char* system; const char* notice; } rows[] = {
        {"-5", "", "Negative Zahlen können nicht umgerechnet werden !"},
        {"", "FFFFFFFF", "Die Zahl ist zu groß (höchstens 2147483647) !"},
    };
    for (const auto& row : rows) {
        ts.messages.messages.clear();
        decimal()->setText(QString::fromLatin1(row.decimal));
        system()->setText(QString::fromLatin1(row.system));
        clickConvert();
        ASSERT_EQ(ts.messages.messages.size(), 1u) << row.notice;
        EXPECT_EQ(lastMessage().text, QString::fromUtf8(row.notice));
        EXPECT_EQ(lastMessage().kind, MessageKind::Information);
        EXPECT_FALSE(lastMessage().error);
        EXPECT_EQ(decimal()->text(), QString::fromLatin1(row.decimal));
        EXPECT_EQ(system()->text(), QString::fromLatin1(row.system));
    }
}
