// The message window: layout numbers, caption and title tables, the button-width cache,
// modal results, Enter and Escape, the gradient's pixels, line breaks, and the error box.
#include "messagedialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace quorvel;

namespace {

using MB = MessageButton;
constexpr MessageButtons bits(std::initializer_list<MB> list)
{
    MessageButtons set = 0;
    for (MB b : list)
        set |= buttonBit(b);
    return set;
}
constexpr MessageButtons kAllButtons = 0x7FF;
constexpr int kStillOpen = -100;

QString q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Installs an observer for the life of one test and restores the previous one.
class ObserverScope {
public:
    explicit ObserverScope(MessageDialogObserver o) : m_previous(setMessageDialogObserver(std::move(o))) {}
    ~ObserverScope() { setMessageDialogObserver(m_previous); }

private:
    MessageDialogObserver m_previous;
};

// Observer that runs `act` on the window once its modal loop is running; if `act` leaves
// the window open, it is closed with kStillOpen so a test can never hang.
MessageDialogObserver whileShown(std::function<void(TMessageForm&)> act)
{
    return [act](TMessageForm& form) {
        QTimer::singleShot(0, &form, [&form, act] {
            act(form);
            if (form.isVisible())
                form.done(kStillOpen);
        });
    };
}

// A key press delivered as the platform would: to the focused control, passed up to the
// window when the control does not take it.
void pressKey(TMessageForm& form, Qt::Key key)
{
    QWidget* target = form.focusWidget() ? form.focusWidget() : &form;
    QTest::keyClick(target, key);
}

QPushButton* button(QWidget& form, const char* name)
{
    return form.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

// --- Layout numbers -----------------------------------------------------------------

TEST(MessageMulDiv, RoundsToNearestHalvesAwayFromZero)
{
    struct Case { int a, b, c, expected; };
    const Case cases[] = {
        {10, 13, 8, 16}, // 16.25
        {14, 13, 8, 23}, // 22.75
        {50, 7, 4, 88},  // 87.5 rounds up
        {10, 7, 4, 18},  // 17.5
        {-5, 1, 2, -3},  // -2.5 rounds away from zero
        {8, 6, 4, 12},
        {1, 1, 0, -1},   // no division by zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

struct LayoutCase {
    const char* name;
    MessageLayoutInput in;
    // expected
    int hMargin, vMargin, hSpacing, vSpacing, buttonHeight, buttonSpacing;
    int blockWidth, blockHeight, rowWidth, clientWidth, clientHeight, left, top;
    LayoutRect message;
    std::vector<LayoutRect> buttons;
    bool icon;
};

MessageLayoutInput input(int dx, int dy, int tw, int th, bool icon, MessageButtons buttons,
                         int bw, bool rtl = false, int fw = 0, int fh = 0)
{
    MessageLayoutInput in;
    in.charWidth = dx;
    in.charHeight = dy;
    in.textWidth = tw;
    in.textHeight = th;
    in.hasIcon = icon;
    in.buttons = buttons;
    in.buttonWidth = bw;
    in.screenWidth = 1024;
    in.screenHeight = 768;
    in.rightToLeft = rtl;
    in.frameWidth = fw;
    in.frameHeight = fh;
    return in;
}

TEST(MessageLayout, NumbersForTheTypicalCases)
{
    // dx 6, dy 13: margins 12/13, spacing 15/16, button 75 x 23, button gap 6.
    const std::vector<LayoutCase> cases = {
        {"OK with icon, one short line: block height raised to 32",
         input(6, 13, 100, 13, true, OkButton, 75), 12, 13, 15, 16, 23, 6,
         147, 32, 75, 171, 97, 427, 336, {59, 13, 100, 13}, {{48, 61, 75, 23}}, true},
        {"two lines under 32 pixels with icon still reserve 32",
         input(6, 13, 80, 26, true, OkButton, 75), 12, 13, 15, 16, 23, 6,
         127, 32, 75, 151, 97, 437, 336, {59, 13, 80, 26}, {{38, 61, 75, 23}}, true},
        {"Yes/No without icon: short text, window as wide as the button row",
         input(6, 13, 20, 13, false, bits({MB::Yes, MB::No}), 75), 12, 13, 15, 16, 23, 6,
         20, 13, 156, 180, 78, 422, 345, {12, 13, 20, 13}, {{12, 42, 75, 23}, {93, 42, 75, 23}},
         false},
        {"long text wrapped at half of 1024",
         input(6, 13, 512, 39, true, OkButton, 75), 12, 13, 15, 16, 23, 6,
         559, 39, 75, 583, 104, 221, 332, {59, 13, 512, 39}, {{254, 68, 75, 23}}, true},
        {"no buttons: row width 0, button height still counted",
         input(6, 13, 100, 13, false, 0, 75), 12, 13, 15, 16, 23, 6,
         100, 13, 0, 124, 78, 450, 345, {12, 13, 100, 13}, {}, false},
        {"right to left: message mirrored inside the client area",
         input(6, 13, 100, 13, true, OkButton, 75, true), 12, 13, 15, 16, 23, 6,
         147, 32, 75, 171, 97, 427, 336, {12, 13, 100, 13}, {{48, 61, 75, 23}}, true},
        {"halves round up: dx 7, dy 15, a wider cached button",
         input(7, 15, 60, 15, true, bits({MB::Abort, MB::Retry, MB::Ignore}), 90), 14, 15, 18, 19,
         26, 7, 110, 32, 284, 312, 107, 356, 331, {64, 15, 60, 15},
         {{14, 66, 90, 26}, {111, 66, 90, 26}, {208, 66, 90, 26}}, true},
        {"frame size counts in the centred position",
         input(6, 13, 100, 13, true, OkButton, 75, false, 8, 27), 12, 13, 15, 16, 23, 6,
         147, 32, 75, 171, 97, 423, 322, {59, 13, 100, 13}, {{48, 61, 75, 23}}, true},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MessageLayout l = messageLayout(c.in);
        EXPECT_EQ(l.horizontalMargin, c.hMargin);
        EXPECT_EQ(l.verticalMargin, c.vMargin);
        EXPECT_EQ(l.horizontalSpacing, c.hSpacing);
        EXPECT_EQ(l.verticalSpacing, c.vSpacing);
        EXPECT_EQ(l.buttonHeight, c.buttonHeight);
        EXPECT_EQ(l.buttonSpacing, c.buttonSpacing);
        EXPECT_EQ(l.textBlockWidth, c.blockWidth);
        EXPECT_EQ(l.textBlockHeight, c.blockHeight);
        EXPECT_EQ(l.buttonRowWidth, c.rowWidth);
        EXPECT_EQ(l.clientWidth, c.clientWidth);
        EXPECT_EQ(l.clientHeight, c.clientHeight);
        EXPECT_EQ(l.windowLeft, c.left);
        EXPECT_EQ(l.windowTop, c.top);
        EXPECT_EQ(l.message, c.message);
        ASSERT_EQ(l.buttons.size(), c.buttons.size());
        for (std::size_t i = 0; i < c.buttons.size(); ++i)
            EXPECT_EQ(l.buttons[i].rect, c.buttons[i]) << "button " << i;
        EXPECT_EQ(l.icon.has_value(), c.icon);
        if (c.icon) {
            EXPECT_EQ(*l.icon, (LayoutRect{c.hMargin, c.vMargin, 32, 32}));
        }
    }
}

TEST(MessageLayout, StartButtonWidthIsFiftyDialogUnits)
{
    EXPECT_EQ(startButtonWidth(6), 75);
    EXPECT_EQ(startButtonWidth(7), 88); // 87.5
    EXPECT_EQ(startButtonWidth(5), 63); // 62.5
    EXPECT_EQ(messageWrapWidth(1024), 512);
    EXPECT_EQ(messageWrapWidth(1023), 511);
}

TEST(MessageLayout, ButtonsKeepTheirFixedOrderWhateverTheSet)
{
    const MessageButtons set = bits({MB::Help, MB::Yes, MB::Cancel, MB::No});
    const std::vector<MB> expected = {MB::Yes, MB::No, MB::Cancel, MB::Help};
    EXPECT_EQ(orderedButtons(set), expected);
    EXPECT_EQ(orderedButtons(0xF800 | OkButton), std::vector<MB>{MB::OK}); // unknown bits ignored
}

TEST(MessageLayout, DefaultAndCancelButtonTable)
{
    struct Case { MessageButtons set; std::optional<MB> enter, escape; };
    const Case cases[] = {
        {OkButton, MB::OK, MB::OK},
        {bits({MB::Yes, MB::No}), MB::Yes, MB::No},
        {bits({MB::Abort, MB::Ignore}), std::nullopt, std::nullopt},
        {bits({MB::Abort, MB::Retry, MB::Ignore}), MB::Retry, std::nullopt},
        {bits({MB::Yes, MB::No, MB::Cancel}), MB::Yes, MB::Cancel},
        {bits({MB::OK, MB::Cancel}), MB::OK, MB::Cancel},
        {bits({MB::Yes, MB::OK}), MB::OK, MB::OK},
        {bits({MB::Help}), std::nullopt, std::nullopt},
        {0, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(defaultButton(c.set), c.enter) << "set " << c.set;
        EXPECT_EQ(cancelButton(c.set), c.escape) << "set " << c.set;
    }
}

// --- Tables ----------------------------------------------------------------------

struct LanguageRow {
    const char* language;
    const char* titles[4]; // Warning, Error, Information, Confirmation
    const char* captions[11];
};

const LanguageRow kExpected[] = {
    {"deutsch", {"Warnung", "Fehler", "Information", "Bestätigung"},
     {"&Ja", "&Nein", "OK", "Abbrechen", "&Abbrechen", "&Wiederholen", "&Ignorieren", "&Alle",
      "&Alle Nein", "A&lle Ja", "&Hilfe"}},
    {"english", {"Warning", "Error", "Information", "Confirm"},
     {"&Yes", "&No", "OK", "Abort", "&Abort", "&Retry", "&Ignore", "&All", "&No To All",
      "Yes To A&ll", "&Help"}},
    {"dutch", {"Let op", "Fout", "Informatie", "Bevestig"},
     {"&Ja", "&Nee", "OK", "Beëindigen", "&Beëindigen", "&Herhalen", "&Negeren", "&Alle",
      "&Nee op alles", "&Ja op alles", "&Help"}},
    {"spanish", {"Advertencia", "Error", "Información", "Confirmación"},
     {"&Si", "&No", "OK", "Cancelar", "&Cancelar", "&Repetir", "&Ignorar", "&Todos",
      "&No a Todos", "&Si a Todos", "&Ayuda"}},
    {"french", {"Avertissement", "Erreur", "Informations", "Confirmation"},
     {"&Oui", "&Non", "OK", "Interrompre", "&Interrompre", "&Répéter", "&Négliger", "&Tout",
      "&Tout Non", "T&out Oui", "&L`aide"}},
};

TEST(MessageTables, LanguagesMatchWithoutRegardToCase)
{
    EXPECT_EQ(dialogLanguageIndex("deutsch"), 0);
    EXPECT_EQ(dialogLanguageIndex("Deutsch"), 0);
    EXPECT_EQ(dialogLanguageIndex("DEUTSCH"), 0);
    EXPECT_EQ(dialogLanguageIndex("EnGlIsH"), 1);
    EXPECT_EQ(dialogLanguageIndex("french"), 4);
    EXPECT_EQ(dialogLanguageIndex("latein"), std::nullopt);
    EXPECT_EQ(dialogLanguageIndex(""), std::nullopt);
    EXPECT_EQ(dialogLanguageIndex(" deutsch"), std::nullopt);
}

TEST(MessageTables, ModalResultsOfTheButtons)
{
    const int expected[11] = {6, 7, 1, 2, 3, 4, 5, 8, 9, 10, 0};
    const char* names[11] = {"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All",
                             "NoToAll", "YesToAll", "Help"};
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(messageButtonResult(MB(i)), expected[i]) << names[i];
        EXPECT_EQ(messageButtonName(MB(i)), names[i]);
    }
}

TEST(MessageDialog, TitlesAndCaptionsInAllFiveLanguagesAnyCase)
{
    for (const LanguageRow& row : kExpected) {
        const QString lower = QString::fromLatin1(row.language);
        for (const QString& language : {lower, lower.toUpper(), lower.left(1).toUpper() + lower.mid(1)}) {
            SCOPED_TRACE(language.toStdString());
            for (int k = 0; k < 4; ++k) {
                auto form = BuildMessageDialog(QStringLiteral("Text"), MessageKind(k), kAllButtons, language);
                EXPECT_EQ(form->windowTitle(), QString::fromUtf8(row.titles[k])) << "kind " << k;
                if (k != 0)
                    continue;
                for (int b = 0; b < 11; ++b) {
                    QPushButton* pb = button(*form, messageButtonName(MB(b)).data());
                    ASSERT_NE(pb, nullptr) << b;
                    EXPECT_EQ(pb->text(), QString::fromUtf8(row.captions[b])) << b;
                }
            }
        }
    }
}

TEST(MessageDialog, CustomKindHasTheApplicationTitleAndNoIcon)
{
    const QString savedName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    for (const char* language : {"deutsch", "french", "latein"}) {
        auto form = BuildMessageDialog(QStringLiteral("Hallo"), MessageKind::Custom, OkButton,
                                       QString::fromLatin1(language));
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Quorvel")) << language;
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Image")), nullptr);
        EXPECT_FALSE(form->layoutNumbers().icon.has_value());
    }
    QCoreApplication::setApplicationName(savedName);
}

TEST(MessageDialog, EveryOtherKindShowsA32PixelIcon)
{
    for (MessageKind kind : {MessageKind::Warning, MessageKind::Error, MessageKind::Information,
                             MessageKind::Confirmation}) {
        auto form = BuildMessageDialog(QStringLiteral("Hallo"), kind, OkButton, QStringLiteral("deutsch"));
        auto* image = form->findChild<QLabel*>(QStringLiteral("Image"));
        ASSERT_NE(image, nullptr) << int(kind);
        EXPECT_EQ(image->geometry(), QRect(form->layoutNumbers().horizontalMargin,
                                           form->layoutNumbers().verticalMargin, 32, 32));
        EXPECT_FALSE(image->pixmap().isNull());
        EXPECT_EQ(image->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    }
}

TEST(MessageDialog, UnknownLanguageGivesEmptyTextsAndCacheEntriesOfEight)
{
    buttonWidthCache().clear();
    auto form = BuildMessageDialog(QStringLiteral("Salve"), MessageKind::Warning,
                                   bits({MB::Yes, MB::No}), QStringLiteral("latein"));
    EXPECT_EQ(form->windowTitle(), QString());
    EXPECT_EQ(button(*form, "Yes")->text(), QString());
    EXPECT_EQ(button(*form, "No")->text(), QString());
    EXPECT_EQ(buttonWidthCache().entry(MB::Yes), 8);
    EXPECT_EQ(buttonWidthCache().entry(MB::No), 8);
    EXPECT_EQ(buttonWidthCache().entry(MB::OK), 0); // not requested, not measured
    // The buttons still get the starting width of 50 dialog units.
    const QSize avg = AverageCharSize(form->font());
    EXPECT_EQ(button(*form, "Yes")->width(), startButtonWidth(avg.width()));
    buttonWidthCache().clear();
}

// --- Button-width cache ---------------------------------------------------------

TEST(ButtonWidthCache, MeasuresOnceAndTakesTheWidest)
{
    ButtonWidthCache cache;
    QStringList measured;
    auto measure = [&](std::string_view caption) {
        measured << q(caption);
        return caption == "&Nee op alles" ? 100 : 30;
    };
    const MessageButtons set = bits({MB::Yes, MB::NoToAll});
    EXPECT_EQ(cache.resolveButtonWidth(set, dialogLanguageIndex("dutch"), 75, measure), 108);
    EXPECT_EQ(measured, QStringList({"&Ja", "&Nee op alles"}));
    EXPECT_EQ(cache.entry(MB::Yes), 38);
    EXPECT_EQ(cache.entry(MB::NoToAll), 108);

    // Later calls in another language keep the first widths and measure nothing.
    measured.clear();
    EXPECT_EQ(cache.resolveButtonWidth(set, dialogLanguageIndex("deutsch"), 75, measure), 108);
    EXPECT_TRUE(measured.isEmpty());
    // Only the requested buttons count.
    EXPECT_EQ(cache.resolveButtonWidth(bits({MB::Yes}), 0, 75, measure), 75);
    EXPECT_EQ(cache.resolveButtonWidth(0, 0, 75, measure), 75);
}

TEST(ButtonWidthCache, TheProgramsCacheKeepsTheFirstMeasuredWidth)
{
    buttonWidthCache().clear();
    const QFontMetrics metrics(messageFont());
    const int retryEnglish = metrics.size(Qt::TextShowMnemonic, QStringLiteral("&Retry")).width() + 8;
    const int retryGerman = metrics.size(Qt::TextShowMnemonic, QStringLiteral("&Wiederholen")).width() + 8;
    ASSERT_NE(retryEnglish, retryGerman);

    BuildMessageDialog(QStringLiteral("a"), MessageKind::Error, bits({MB::Retry}), QStringLiteral("english"));
    EXPECT_EQ(buttonWidthCache().entry(MB::Retry), retryEnglish);
    BuildMessageDialog(QStringLiteral("a"), MessageKind::Error, bits({MB::Retry}), QStringLiteral("deutsch"));
    EXPECT_EQ(buttonWidthCache().entry(MB::Retry), retryEnglish);
    buttonWidthCache().clear();
}

// --- The built window ------------------------------------------------------------

TEST(MessageDialog, ChildrenSitWhereTheLayoutPutsThem)
{
    buttonWidthCache().clear();
    const QString text = QStringLiteral("Du hast noch keinen Wert eingegeben !");
    auto form = BuildMessageDialog(text, MessageKind::Information, bits({MB::Yes, MB::No, MB::Help}),
                                   QStringLiteral("deutsch"));
    const QFontMetrics metrics(form->font());
    const QSize avg = AverageCharSize(metrics);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize textSize = MeasureMessage(metrics, text, screen.width() / 2);

    MessageLayoutInput in;
    in.charWidth = avg.width();
    in.charHeight = avg.height();
    in.textWidth = textSize.width();
    in.textHeight = textSize.height();
    in.hasIcon = true;
    in.buttons = bits({MB::Yes, MB::No, MB::Help});
    in.buttonWidth = std::max({startButtonWidth(avg.width()), buttonWidthCache().entry(MB::Yes),
                               buttonWidthCache().entry(MB::No), buttonWidthCache().entry(MB::Help)});
    in.screenWidth = screen.width();
    in.screenHeight = screen.height();
    const MessageLayout l = messageLayout(in);

    EXPECT_EQ(form->size(), QSize(l.clientWidth, l.clientHeight));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()); // fixed size
    EXPECT_EQ(form->pos(), screen.topLeft() + QPoint(l.windowLeft, l.windowTop));
    auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), text);
    EXPECT_TRUE(message->wordWrap());
    EXPECT_EQ(message->geometry(), QRect(l.message.left, l.message.top, l.message.width, l.message.height));
    ASSERT_EQ(l.buttons.size(), 3u);
    for (const PlacedButton& b : l.buttons) {
        QPushButton* pb = button(*form, messageButtonName(b.kind).data());
        ASSERT_NE(pb, nullptr);
        EXPECT_EQ(pb->geometry(), QRect(b.rect.left, b.rect.top, b.rect.width, b.rect.height));
    }
    // Centred row: equal space left of the first and right of the last button.
    EXPECT_LE(std::abs(l.buttons.front().rect.left
                       - (l.clientWidth - l.buttons.back().rect.left - l.buttons.back().rect.width)),
              1);
    EXPECT_EQ(form->findChildren<QPushButton*>().size(), 3);
}

TEST(MessageDialog, CarriageReturnsBecomeLineBreaks)
{
    const QString text = QStringLiteral("Das von Ihnen eingegebene\rErgebnis ist leider falsch !\r");
    auto form = BuildMessageDialog(text, MessageKind::Information, OkButton, QStringLiteral("deutsch"));
    auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
    ASSERT_NE(message, nullptr);
    EXPECT_FALSE(message->text().contains(QLatin1Char('\r')));
    EXPECT_EQ(message->text().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Das von Ihnen eingegebene"));
    EXPECT_EQ(message->text().section(QLatin1Char('\n'), 1, 1), QStringLiteral("Ergebnis ist leider falsch !"));

    // Two lines: the break at the end adds no empty third line.
    const QFontMetrics metrics(form->font());
    EXPECT_EQ(message->text().count(QLatin1Char('\n')), 1);
    EXPECT_EQ(message->height(),
              MeasureMessage(metrics, QStringLiteral("Das von Ihnen eingegebene\nErgebnis ist leider falsch !"),
                             1 << 20).height());
    EXPECT_LT(message->height(), 3 * metrics.height());
    EXPECT_GE(message->height(), 2 * metrics.height());
    // The width is that of the longer line, not of the whole text on one line.
    const int longer = std::max(metrics.horizontalAdvance(QStringLiteral("Das von Ihnen eingegebene")),
                                metrics.horizontalAdvance(QStringLiteral("Ergebnis ist leider falsch !")));
    EXPECT_LE(message->width(), longer + 2);
    EXPECT_GE(message->width(), longer);

    EXPECT_EQ(messageLines(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(messageLines(QStringLiteral("a\r")), QStringLiteral("a"));
    EXPECT_EQ(messageLines(QStringLiteral("a\r\r")), QStringLiteral("a\n")); // one empty line stays
    EXPECT_EQ(messageLines(QStringLiteral("a\r\n")), QStringLiteral("a"));
    EXPECT_EQ(messageLines(QString()), QString());
}

TEST(MessageDialog, LongTextWrapsAtHalfTheScreenWidth)
{
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("Bruchteil ");
    auto form = BuildMessageDialog(text, MessageKind::Information, OkButton, QStringLiteral("deutsch"));
    const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
    auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
    EXPECT_LE(message->width(), half);
    EXPECT_GT(message->width(), half - QFontMetrics(form->font()).horizontalAdvance(QStringLiteral("Bruchteil ")));
    EXPECT_GT(message->height(), 2 * QFontMetrics(form->font()).height());
}

TEST(MessageDialog, ShortTextMakesTheWindowAsWideAsTheButtonRow)
{
    buttonWidthCache().clear();
    auto form = BuildMessageDialog(QStringLiteral("Ja"), MessageKind::Custom, OkButton, QStringLiteral("deutsch"));
    const MessageLayout& l = form->layoutNumbers();
    EXPECT_EQ(l.buttonWidth, startButtonWidth(AverageCharSize(form->font()).width()));
    EXPECT_EQ(form->width(), l.buttonWidth + 2 * l.horizontalMargin);
}

TEST(MessageDialog, DefaultAndCancelButtonsAsBuilt)
{
    struct Case { MessageButtons set; const char* enter; const char* escape; };
    const Case cases[] = {
        {OkButton, "OK", "OK"},
        {bits({MB::Yes, MB::No}), "Yes", "No"},
        {bits({MB::Abort, MB::Ignore}), nullptr, nullptr},
        {bits({MB::Abort, MB::Retry, MB::Cancel}), "Retry", "Cancel"},
    };
    for (const Case& c : cases) {
        auto form = BuildMessageDialog(QStringLiteral("?"), MessageKind::Confirmation, c.set,
                                       QStringLiteral("deutsch"));
        for (QPushButton* pb : form->findChildren<QPushButton*>())
            EXPECT_EQ(pb->isDefault(), c.enter && pb->objectName() == QLatin1String(c.enter))
                << pb->objectName().toStdString();
        if (c.escape)
            EXPECT_EQ(form->cancelButton(), button(*form, c.escape));
        else
            EXPECT_EQ(form->cancelButton(), nullptr);
    }
}

// --- Running modally ------------------------------------------------------------------

TEST(MessageDialogRun, EachButtonReturnsItsModalResult)
{
    for (int b = 0; b < 10; ++b) { // Help does not close; it has a test of its own
        const char* name = messageButtonName(MB(b)).data();
        ObserverScope scope(whileShown([name](TMessageForm& form) {
            QTest::mouseClick(button(form, name), Qt::LeftButton);
        }));
        EXPECT_EQ(ShowMessageDialog(QStringLiteral("Alle Knöpfe"), MessageKind::Confirmation, kAllButtons),
                  messageButtonResult(MB(b)))
            << name;
    }
}

TEST(MessageDialogRun, HelpAsksForHelpAndLeavesTheWindowOpen)
{
    std::vector<std::pair<int, QString>> asked;
    const MessageHelpHandler previous = setMessageHelpHandler(
        [&](int context, const QString& file) { asked.emplace_back(context, file); });
    bool openAfterHelp = false;
    ObserverScope scope(whileShown([&](TMessageForm& form) {
        QTest::mouseClick(button(form, "Help"), Qt::LeftButton);
        openAfterHelp = form.isVisible();
        QTest::mouseClick(button(form, "OK"), Qt::LeftButton);
    }));
    EXPECT_EQ(ShowMessageDialogAt(QStringLiteral("Hilfe?"), MessageKind::Information,
                                  bits({MB::OK, MB::Help}), 42, QStringLiteral("deutsch"), -1, -1,
                                  QStringLiteral("Quorvel.chm")),
              1);
    EXPECT_TRUE(openAfterHelp);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].first, 42);
    EXPECT_EQ(asked[0].second, QStringLiteral("Quorvel.chm"));
    setMessageHelpHandler(previous);
}

TEST(MessageDialogRun, EnterAndEscape)
{
    struct Case { const char* what; MessageButtons set; Qt::Key key; int expected; };
    const Case cases[] = {
        {"OK: Enter", OkButton, Qt::Key_Return, 1},
        {"OK: keypad Enter", OkButton, Qt::Key_Enter, 1},
        {"OK: Escape", OkButton, Qt::Key_Escape, 1},
        {"Yes/No: Enter", bits({MB::Yes, MB::No}), Qt::Key_Return, 6},
        {"Yes/No: Escape", bits({MB::Yes, MB::No}), Qt::Key_Escape, 7},
        {"Yes/No/Cancel: Escape", bits({MB::Yes, MB::No, MB::Cancel}), Qt::Key_Escape, 2},
        {"Abort/Ignore: Escape does nothing", bits({MB::Abort, MB::Ignore}), Qt::Key_Escape, kStillOpen},
        {"Abort/Ignore: Enter presses the focused first button", bits({MB::Abort, MB::Ignore}),
         Qt::Key_Return, 3},
    };
    for (const Case& c : cases) {
        ObserverScope scope(whileShown([&c](TMessageForm& form) { pressKey(form, c.key); }));
        EXPECT_EQ(ShowMessageDialog(QStringLiteral("Taste"), MessageKind::Confirmation, c.set), c.expected)
            << c.what;
    }
}

TEST(MessageDialogRun, ClosingTheWindowCountsAsEscapeOrCancel)
{
    struct Case { MessageButtons set; int expected; };
    for (const Case& c : {Case{OkButton, 1}, Case{bits({MB::Yes, MB::No}), 7},
                          Case{bits({MB::Abort, MB::Ignore}), 2}, Case{0, 2}}) {
        ObserverScope scope(whileShown([](TMessageForm& form) { form.close(); }));
        EXPECT_EQ(ShowMessageDialog(QStringLiteral("Zu"), MessageKind::Warning, c.set), c.expected)
            << c.set;
    }
}

TEST(MessageDialogRun, PositionFromTheCallerOrCentred)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    struct Case { int x, y; };
    for (const Case& c : {Case{10, 20}, Case{10, -1}, Case{-1, 30}, Case{-1, -1}, Case{0, 0}}) {
        QPoint seen;
        MessageLayout layout;
        ObserverScope scope(whileShown([&](TMessageForm& form) {
            seen = form.pos();
            layout = form.layoutNumbers();
            form.done(1);
        }));
        ShowMessageDialogAt(QStringLiteral("Wo?"), MessageKind::Information, OkButton, 0,
                            QStringLiteral("deutsch"), c.x, c.y, QString());
        const int left = screen.x() + screen.width() / 2 - layout.clientWidth / 2;
        const int top = screen.y() + screen.height() / 2 - layout.clientHeight / 2;
        EXPECT_EQ(seen, QPoint(c.x >= 0 ? c.x : left, c.y >= 0 ? c.y : top)) << c.x << "," << c.y;
    }
}

TEST(MessageDialogRun, SinkShowsTheMessageAndReturnsTheResult)
{
    DialogMessageSink dialogs;
    MessageSink& sink = dialogs; // the callers' view, with its default arguments
    QString title, text;
    bool hasIcon = false;
    ObserverScope scope(whileShown([&](TMessageForm& form) {
        title = form.windowTitle();
        text = form.findChild<QLabel*>(QStringLiteral("Message"))->text();
        hasIcon = form.findChild<QLabel*>(QStringLiteral("Image")) != nullptr;
        pressKey(form, Qt::Key_Return);
    }));
    EXPECT_EQ(sink.showMessage(QStringLiteral("Zu wenige Werte !")), 1);
    EXPECT_EQ(title, QStringLiteral("Information"));
    EXPECT_EQ(text, QStringLiteral("Zu wenige Werte !"));
    EXPECT_TRUE(hasIcon);

    sink.showMessage(QStringLiteral("Achtung"), MessageKind::Warning);
    EXPECT_EQ(title, QStringLiteral("Warnung"));
}

TEST(MessageDialogRun, SinkKeepsTheWindowAboveItsParent)
{
    QWidget mainWindow;
    DialogMessageSink sink(&mainWindow);
    QWidget* parent = nullptr;
    bool modal = false;
    ObserverScope scope(whileShown([&](TMessageForm& form) {
        parent = form.parentWidget();
        modal = form.isModal();
        form.done(1);
    }));
    sink.showError(QStringLiteral("x"));
    EXPECT_EQ(parent, &mainWindow);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(mainWindow.findChildren<TMessageForm*>().isEmpty()); // destroyed after the call
}

TEST(MessageDialogRun, ErrorBoxHasStopIconApplicationTitleAndOneOkButton)
{
    const QString savedName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    DialogMessageSink sink;
    QString title, text;
    QStringList buttons;
    QImage icon, expectedIcon;
    ObserverScope scope(whileShown([&](TMessageForm& form) {
        title = form.windowTitle();
        text = form.findChild<QLabel*>(QStringLiteral("Message"))->text();
        for (QPushButton* pb : form.findChildren<QPushButton*>())
            buttons << pb->objectName() + "=" + pb->text();
        if (auto* image = form.findChild<QLabel*>(QStringLiteral("Image")))
            icon = image->pixmap().toImage();
        expectedIcon = form.style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32).toImage();
        QTest::mouseClick(button(form, "OK"), Qt::LeftButton);
    }));
    sink.showError(QString::fromUtf8("'12a' ist kein gültiger Integerwert."));
    EXPECT_EQ(title, QStringLiteral("Quorvel"));
    EXPECT_EQ(text, QString::fromUtf8("'12a' ist kein gültiger Integerwert."));
    EXPECT_EQ(buttons, QStringList({"OK=OK"}));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon, expectedIcon);
    QCoreApplication::setApplicationName(savedName);
}

// --- Gradient ----------------------------------------------------------------------

namespace {
QColor at(const QImage& img, int x, int y) { return img.pixelColor(x, y); }
const QColor kWhite(255, 255, 255), kSilver(192, 192, 192), kBlack(0, 0, 0);
} // namespace

TEST(PaintGradient, WhiteToSilverColumnByColumn)
{
    for (int w : {2, 3, 64, 100, 301}) {
        QImage img(w, 12, QImage::Format_RGB32);
        img.fill(kBlack);
        QPainter p(&img);
        PaintGradient(p, QRect(0, 0, w, 12), true, {kWhite, kSilver});
        p.end();
        EXPECT_EQ(at(img, 0, 0), kWhite) << w;
        EXPECT_EQ(at(img, w - 1, 11), kSilver) << w;
        for (int x = 0; x < w; ++x) {
            // trunc(255 - 63 x / (w - 1)), i.e. 255 minus the ceiling of 63 x / (w - 1)
            const int c = 255 - (63 * x + (w - 2)) / (w - 1);
            for (int y : {0, 5, 11})
                ASSERT_EQ(at(img, x, y), QColor(c, c, c)) << "w " << w << " x " << x << " y " << y;
        }
    }
}

TEST(PaintGradient, StaysInsideItsRectangleAndRestoresThePen)
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(kBlack);
    QPainter p(&img);
    const QPen pen(QColor(1, 2, 3), 5, Qt::DashLine);
    p.setPen(pen);
    PaintGradient(p, QRect(10, 5, 20, 10), false, {QColor(255, 0, 0), QColor(0, 0, 255)});
    EXPECT_EQ(p.pen(), pen);
    p.end();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 5 && y < 15;
            if (!inside) {
                ASSERT_EQ(at(img, x, y), kBlack) << x << "," << y;
            }
        }
    // Vertical: rows run from red at the top to blue at the bottom.
    EXPECT_EQ(at(img, 10, 5), QColor(255, 0, 0));
    EXPECT_EQ(at(img, 29, 5), QColor(255, 0, 0));
    EXPECT_EQ(at(img, 10, 14), QColor(0, 0, 255));
    EXPECT_EQ(at(img, 20, 9), QColor(255 - (255 * 4 + 8) / 9, 0, 255 * 4 / 9)); // row 4 of 0..9
}

TEST(PaintGradient, BandsMeetAtTheRoundedStep)
{
    struct Case { int size; int colours; int step; };
    // step = size / (colours - 1), halves to even
    const Case cases[] = {{101, 3, 50}, {103, 3, 52}, {10, 4, 3}, {5, 3, 2}, {7, 3, 4}, {9, 3, 4}, {11, 3, 6}};
    const QColor palette[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 0)};
    for (const Case& c : cases) {
        QList<QColor> colours(palette, palette + c.colours);
        QImage img(c.size, 3, QImage::Format_RGB32);
        img.fill(kBlack);
        QPainter p(&img);
        PaintGradient(p, img.rect(), true, colours);
        p.end();
        SCOPED_TRACE(testing::Message() << "size " << c.size << " colours " << c.colours);
        EXPECT_EQ(at(img, 0, 1), colours.front());
        EXPECT_EQ(at(img, c.size - 1, 1), colours.back());
        for (int i = 1; i < c.colours - 1; ++i)
            EXPECT_EQ(at(img, i * c.step, 1), colours[i]) << "band " << i;
        // Every column is painted.
        for (int x = 0; x < c.size; ++x)
            ASSERT_NE(at(img, x, 1), kBlack) << x;
    }
}

TEST(PaintGradient, FewerThanTwoColoursRaiseAndDrawNothing)
{
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(kBlack);
    QPainter p(&img);
    for (const QList<QColor>& colours : {QList<QColor>{}, QList<QColor>{kWhite}}) {
        try {
            PaintGradient(p, img.rect(), true, colours);
            ADD_FAILURE() << "no error for " << colours.size() << " colours";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()),
                      QString::fromUtf8("Es müssen mindestens zwei Farben angegeben werden."));
        }
    }
    p.end();
    EXPECT_EQ(at(img, 5, 5), kBlack);
}

TEST(PaintGradient, EmptyAndOnePixelAreas)
{
    EXPECT_TRUE(gradientLines(0, {{0, 0, 0}, {255, 255, 255}}).empty());
    EXPECT_TRUE(gradientLines(-3, {{0, 0, 0}, {255, 255, 255}}).empty());
    // One pixel: the last segment has length 0 and paints its first colour.
    const auto one = gradientLines(1, {{10, 20, 30}, {255, 255, 255}});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].position, 0);
    EXPECT_EQ(one[0].colour, (GradientRgb{10, 20, 30}));
}

TEST(MessageDialog, PaintsTheWhiteToSilverBackground)
{
    auto form = BuildMessageDialog(QStringLiteral("Hintergrund"), MessageKind::Custom, 0,
                                   QStringLiteral("deutsch"));
    const QImage img = form->grab().toImage();
    const int w = img.width();
    ASSERT_EQ(w, form->width());
    EXPECT_EQ(at(img, 0, 1), kWhite);
    EXPECT_EQ(at(img, w - 1, 1), kSilver);
    const int mid = w / 2;
    const int c = 255 - (63 * mid + (w - 2)) / (w - 1);
    EXPECT_EQ(at(img, mid, img.height() - 1), QColor(c, c, c));
}

TEST(AverageCharSize, IsTheAlphabetWidthDividedBy52)
{
    const QFont font = messageFont();
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QSize size = AverageCharSize(font);
    EXPECT_EQ(size.width(), metrics.horizontalAdvance(letters) / 52);
    EXPECT_EQ(size.height(), metrics.height());
    EXPECT_GT(size.width(), 0);
}
