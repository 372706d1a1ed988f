#include "mainwindow.h"

#include "aboutwindow.h"
#include "accessibility.h"
#include "basicpages.h"
#include "fractionspages.h"
#include "gradientfill.h"
#include "handbookwindow.h"
#include "keyboard.h"
#include "klassenuebersicht.h"
#include "worksheetwindow.h"
#include "numberpad.h"
#include "numbersystemspages.h"
#include "pagekit.h"
#include "primespages.h"
#include "reviewfile.h"
#include "reviewrecorder.h"
#include "reviewseries.h"
#include "scratchpad.h"
#include "statisticspage.h"
#include "statisticsstore.h"
#include "unitspages.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QStatusTipEvent>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvel {

namespace {

struct TopicButton {
    const char* name;
    const char* caption;
    int y;
    int page;
};
// Top to bottom, which is also the tab order.
constexpr TopicButton kTopicButtons[] = {
    {"BitBtnBruchrechnung", "Bruchrechnung", 96, PageBruchrechnung},
    {"BitBtnEinheiten", "Einheiten", 128, PageEinheiten},
    {"BitBtnGrundrechnen", "Grundrechnen", 160, PageGrundrechenarten},
    {"BitBtnPrimfaktoren", "Primfaktoren", 192, PagePrimfaktoren},
    {"BitBtnZahlensysteme", "Zahlensysteme", 224, PageZahlensysteme},
};

struct StatsButton {
    const char* name;
    const char* caption;
    int x, y;
    std::uint8_t topic, part; // StatsSelection
};
constexpr StatsButton kStatsButtons[] = {
    {"BitBtnStatistik01", "Brüche Teil 1", 282, 96, 1, 1},
    {"BitBtnStatistik02", "Brüche Teil 2", 426, 96, 1, 2},
    {"BitBtnStatistik03", "Einheiten", 282, 128, 2, 0},
    {"BitBtnStatistik04", "Aufgaben", 282, 160, 3, 1},
    {"BitBtnStatistik05", "Lückenaufgaben", 426, 160, 3, 2},
    {"BitBtnStatistik06", "Gleichungen", 570, 160, 3, 3},
    {"BitBtnStatistik07", "Primfaktoren", 282, 192, 4, 0},
    {"BitBtnStatistik08", "Zahlensysteme", 282, 224, 5, 0},
};

} // namespace

bool askNameWithDialog(QWidget* parent, const QString& current, QString* name)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, QStringLiteral("Benutzernamen eingeben"),
                                               QStringLiteral("Bitte geben Sie Ihren Namen ein !"),
                                               QLineEdit::Normal, current, &ok);
    if (ok)
        *name = text;
    return ok;
}

TFormHaupt::TFormHaupt(Services services, StatisticsStore& store, NameAsker askName,
                       QWidget* parent)
    : QMainWindow(parent), m_services(services), m_store(store), m_askName(std::move(askName))
{
    setObjectName(QStringLiteral("FormHaupt"));
    setWindowTitle(QStringLiteral("Quorvel"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(800, 590);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    m_programDirectory = QCoreApplication::applicationDirPath() + QLatin1Char('/');

    // Before any window exists: an interface is made (and kept) the first time a window
    // is looked at, which may happen while it is being built.
    installWindowAccessibility();
    buildMenu();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildTopBar(central);
    column->addSpacing(30);
    m_notebook01 = new QStackedWidget(central);
    m_notebook01->setObjectName(QStringLiteral("NotebookHaupt01"));
    column->addWidget(m_notebook01, 1);
    auto* line = new QFrame(central);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(2);
    column->addWidget(line);
    setCentralWidget(central);

    const char* mainCaptions[] = {"Auswahl", "Aufgaben", "Statistik", "Versteckt"};
    for (const char* caption : mainCaptions) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(caption));
        m_notebook01->addWidget(page);
    }

    m_panel0 = new QLabel(this);
    m_panel0->setObjectName(QStringLiteral("StatusPanel0"));
    m_panel0->setFixedWidth(220);
    m_panel1 = new QLabel(this);
    m_panel1->setObjectName(QStringLiteral("StatusPanel1"));
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBarHaupt"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(19);
    bar->addWidget(m_panel0);
    bar->addWidget(m_panel1, 1);
    setStatusBar(bar);

    m_ctx.reset(new TopicContext{m_services, nullptr, nullptr, this, {}, {}, {}});
    m_ctx->setStatusText = [this](const QString& t) { m_panel0->setText(t); };
    m_ctx->backToSelection = [this] { backToSelection(); };
    // Without sound a right answer would leave no sign: "Richtig!" stands in the status bar
    // for two seconds (a screen reader hears the label's text change).
    m_ctx->announceRight = [this] {
        static const QString right = QStringLiteral("Richtig!");
        m_panel1->setText(right);
        QTimer::singleShot(2000, m_panel1, [label = m_panel1] {
            if (label->text() == right)
                label->clear();
        });
    };

    // Every task not solved at the first try goes into the pupil's Fehlerkartei.
    m_recorder = std::make_unique<review::ReviewRecorder>(m_services.clock, m_services.messages);
    m_ctx->taskResults = m_recorder.get();

    buildSelectionPage(m_notebook01->widget(PageAuswahl));
    buildExerciseArea(m_notebook01->widget(PageAufgaben));
    buildStatisticsPage(m_notebook01->widget(PageStatistik));
    auto* dummy = new QLineEdit(m_notebook01->widget(PageVersteckt));
    dummy->setObjectName(QStringLiteral("edDummy"));
    dummy->setAccessibleName(QStringLiteral("Hilfsfeld"));

    installBasicPages(*m_ctx);
    installUnitsPages(*m_ctx);
    installNumberSystemsPages(*m_ctx);
    installPrimesPages(*m_ctx);
    installFractionsPages(*m_ctx);
    m_review = std::make_unique<review::ReviewSeries>(*m_ctx, *m_recorder);
    // Back on the selection page (after a series, the statistics, a review) the count of
    // due cards is read again: a series may have added cards, a review answered them.
    connect(m_notebook01, &QStackedWidget::currentChanged, this, [this](int page) {
        if (page == PageAuswahl)
            showDueCards();
    });
    showDueCards();

    m_notebook01->setCurrentIndex(PageAuswahl);
    m_notebook01a->setCurrentIndex(PageGrundrechenarten);
    installEnterPressesButtons(this);
    // The first thing to do is to give one's name; Space or Enter right after the start
    // must never end the program.
    if (auto* name = findChild<QWidget*>(QStringLiteral("BitBtnBenutzername")))
        name->setFocus();
    setWindowTitle(QStringLiteral("Quorvel V1.51 (Stand: 05.02.2005)"));
}

TFormHaupt::~TFormHaupt()
{
    saveOnExit();
    // The review series borrows the topics' pages; it goes before they do.
    m_review.reset();
}

void TFormHaupt::buildMenu()
{
    QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
    datei->setObjectName(QStringLiteral("MenuDatei"));
    QAction* hilfe = datei->addAction(QStringLiteral("Hilfe"));
    hilfe->setObjectName(QStringLiteral("HMenuDateiHilfe"));
    hilfe->setShortcut(QKeySequence(Qt::Key_F1));
    hilfe->setShortcutContext(Qt::ApplicationShortcut);
    connect(hilfe, &QAction::triggered, this, &TFormHaupt::HMenuDateiHilfeClick);
    QAction* info = datei->addAction(QStringLiteral("Information"));
    info->setObjectName(QStringLiteral("HMenuDateiInfo"));
    auto* about = new TFormInfo(this); // made once, hidden until asked for
    connect(info, &QAction::triggered, about, &QDialog::exec);
    // The teacher's table of every pupil's results; also without a pupil chosen. One
    // window, read again each time it is asked for.
    QAction* klassen = datei->addAction(QStringLiteral("Klassenübersicht …"));
    klassen->setObjectName(QStringLiteral("HMenuDateiKlassen"));
    connect(klassen, &QAction::triggered, this, [this] {
        auto* w = findChild<TFormKlassenuebersicht*>(QString(), Qt::FindDirectChildrenOnly);
        if (w)
            w->btnKlassenAktualisierenClick();
        else
            w = new TFormKlassenuebersicht(
                [this] { return m_store.dataDirectory(); }, m_services.messages, this,
                [this](const QByteArray& data) {
                    return review::countReviewFile(data, m_services.clock.today());
                });
        w->show();
        w->raise();
        w->activateWindow();
    });
    // Worksheets for the classroom; also without a pupil chosen. One window, kept.
    QAction* blatt = datei->addAction(QStringLiteral("Arbeitsblatt …"));
    blatt->setObjectName(QStringLiteral("HMenuDateiArbeitsblatt"));
    connect(blatt, &QAction::triggered, this, [this] {
        using worksheet::TFormArbeitsblatt;
        auto* w = findChild<TFormArbeitsblatt*>(QString(), Qt::FindDirectChildrenOnly);
        if (!w)
            w = new TFormArbeitsblatt([this](const QString& text) { m_services.messages.showMessage(text); }, this);
        w->show();
        w->raise();
        w->activateWindow();
    });
    datei->addSeparator();
    QAction* ende = datei->addAction(QStringLiteral("Programm beenden"));
    ende->setObjectName(QStringLiteral("HMenuDateiProgEnde"));
    connect(ende, &QAction::triggered, this, &QWidget::close);
}

void openWithDesktop(const QUrl& url) { QDesktopServices::openUrl(url); }

void TFormHaupt::HMenuDateiHilfeClick()
{
    // A help file beside the program (as on Windows machines) goes to the desktop's viewer;
    // otherwise the handbook built into the program opens, which needs no viewer at all.
    const QString chm = m_programDirectory + QStringLiteral("Quorvel.chm");
    if (QFileInfo::exists(chm)) {
        m_openDocument(QUrl::fromLocalFile(chm));
        return;
    }
    if (!m_handbook)
        m_handbook = new THandbuch(this);
    m_handbook->showPage();
}

void TFormHaupt::buildTopBar(QWidget* central)
{
    auto* top = new QWidget(central);
    top->setObjectName(QStringLiteral("PanelTopBar"));
    top->setGeometry(0, 0, 800, 30);
    auto* quit = new QPushButton(QStringLiteral("&Programm beenden"), top);
    quit->setObjectName(QStringLiteral("ActionProgrammBeenden"));
    quit->setAccessibleName(QStringLiteral("Programm beenden"));
    quit->setFlat(true);
    quit->setGeometry(4, 3, 130, 24);
    setHint(quit, QStringLiteral("Beenden|Programm beenden"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    m_sound = new QCheckBox(QStringLiteral("Sound"), top);
    m_sound->setObjectName(QStringLiteral("CheckBoxSound"));
    m_sound->setAccessibleName(QStringLiteral("Sound"));
    m_sound->setChecked(true);
    m_sound->setGeometry(680, 6, 100, 18);
    setHint(m_sound, QStringLiteral("Sound an/aus"));
    connect(m_sound, &QCheckBox::toggled, this,
            [this](bool on) { m_services.sound.setSoundOn(on); });
}

void TFormHaupt::buildSelectionPage(QWidget* page)
{
    page->setAutoFillBackground(true);
    addPageBackground(page)
        ->setObjectName(QStringLiteral("GradientFillHaupt01"));
    makeHeading(page, QStringLiteral("LabelAufgaben"), QStringLiteral("Aufgaben"), 72, 222);
    makeHeading(page, QStringLiteral("LabelStatistik"), QStringLiteral("Statistik"), 282, 710);
    auto* sep = new QFrame(page);
    sep->setFrameShape(QFrame::VLine);
    sep->setFrameShadow(QFrame::Sunken);
    sep->setGeometry(251, 8, 2, 470);

    QWidget* previous = nullptr;
    for (const TopicButton& t : kTopicButtons) {
        QPushButton* b = makeButton(page, QString::fromLatin1(t.name), QString::fromUtf8(t.caption),
                                    72, t.y, 150, 30);
        connect(b, &QPushButton::clicked, this, [this, p = t.page] { openTopic(p); });
        if (previous)
            setTabOrder(previous, b);
        previous = b;
    }
    QPushButton* name = makeButton(page, QStringLiteral("BitBtnBenutzername"),
                                   QStringLiteral("Benutzername"), 72, 408, 150, 40);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    connect(name, &QPushButton::clicked, this, &TFormHaupt::BitBtnBenutzernameClick);
    // Whose results are counted, for a child on a shared computer.
    m_userLabel = new QLabel(page);
    m_userLabel->setObjectName(QStringLiteral("LabelAngemeldet"));
    m_userLabel->setGeometry(40, 452, 212, 20);
    m_userLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_userLabel->setTextFormat(Qt::PlainText);
    showUserName();
    // Which folder the results go to, when it is not the pupil's own.
    m_folderLabel = new QLabel(page);
    m_folderLabel->setObjectName(QStringLiteral("LabelKlassenordner"));
    m_folderLabel->setGeometry(282, 408, 428, 40);
    m_folderLabel->setTextFormat(Qt::PlainText);
    m_folderLabel->setWordWrap(true);
    m_folderLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_folderLabel->hide();

    // Below the topics, apart from them: the tasks missed on earlier days.
    m_reviewButton = makeButton(page, QStringLiteral("BitBtnFehlerUeben"), QStringLiteral("Fehler üben"),
                                72, 272, 150, 30);
    connect(m_reviewButton, &QPushButton::clicked, this, &TFormHaupt::BitBtnFehlerUebenClick);
    setTabOrder(previous, m_reviewButton);
    m_reviewHint = new QLabel(page);
    m_reviewHint->setObjectName(QStringLiteral("LabelFehlerUeben"));
    m_reviewHint->setGeometry(47, 306, 200, 34);
    m_reviewHint->setTextFormat(Qt::PlainText);
    m_reviewHint->setWordWrap(true);
    m_reviewHint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_reviewHint->hide();

    for (int i = 0; i < int(std::size(kStatsButtons)); ++i) {
        const StatsButton& s = kStatsButtons[i];
        QPushButton* b = makeButton(page, QString::fromLatin1(s.name), QString::fromUtf8(s.caption),
                                    s.x, s.y, 140, 30);
        connect(b, &QPushButton::clicked, this, [this, i] { openStatistics(i); });
    }
}

void TFormHaupt::buildExerciseArea(QWidget* page)
{
    // Topic pages on the left (539 wide), the scratch pad over the number pad on the right
    // (250 wide); both take the page's full height.
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 5, 0);
    row->setSpacing(6);
    m_notebook01a = new QStackedWidget(page);
    m_notebook01a->setObjectName(QStringLiteral("NotebookHaupt01a"));
    m_notebook01a->setFixedWidth(539);
    for (const char* caption : kExercisePageNames) {
        auto* p = new QWidget;
        p->setObjectName(QString::fromLatin1(caption));
        m_notebook01a->addWidget(p);
    }
    m_ctx->exercisePages = m_notebook01a;
    row->addWidget(m_notebook01a);

    auto* right = new QStackedWidget(page);
    right->setObjectName(QStringLiteral("NotebookHaupt01b"));
    right->setFixedWidth(250);
    row->addWidget(right);
    auto* zubehoer = new QWidget;
    zubehoer->setObjectName(QStringLiteral("Zubehoer"));
    right->addWidget(zubehoer);
    auto* column = new QVBoxLayout(zubehoer);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(createScratchPad(zubehoer), 1);
    auto* line = new QFrame(zubehoer);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(3);
    column->addWidget(line);
    m_pad = new NumberPad([this] { return m_notebook01a->currentWidget(); }, zubehoer);
    column->addWidget(m_pad);
    m_ctx->numberPad = m_pad;
}

void TFormHaupt::buildStatisticsPage(QWidget* page)
{
    auto* fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    m_statsPage = new StatisticsPage(m_store, m_services.messages, page);
    fill->addWidget(m_statsPage);
    // "Zurück" has set CurrentChart to 0.
    m_statsPage->onBack = [this] { m_notebook01->setCurrentIndex(PageAuswahl); };
}

QString TFormHaupt::statusPanel(int index) const
{
    return index == 0 ? m_panel0->text() : m_panel1->text();
}

bool TFormHaupt::RequireUserName()
{
    if (!m_store.userName().isEmpty())
        return true;
    m_services.messages.showMessage(
        QStringLiteral("Es wurde noch kein Benutzername eingegeben!"));
    return false;
}

void TFormHaupt::BitBtnBenutzernameClick()
{
    const QString current = m_store.userName();
    // A failed save is reported once; the name can still be changed. Keeping the same
    // name keeps the unsaved counts for the next save.
    const bool saved = current.isEmpty() || m_store.saveAllStatistics();
    QString name = current;
    if (!m_askName(this, current, &name))
        name = current; // cancelled: the same pupil is read again
    // The same pupil after a failed save: the counts stay pending for the next save, and
    // reading the files again would only repeat the error just shown.
    if (!saved && StatisticsStore::normalizedUserName(name) == current)
        return;
    // A name that cannot be a file name is refused with a notice; the previous pupil stays.
    // Blanks around the name are dropped, so a name of blanks only means no pupil.
    if (!m_store.chooseUser(name))
        return;
    showUserName();
    m_recorder->setFilePath(reviewFilePath());
    showDueCards();
}

QString TFormHaupt::reviewFilePath() const
{
    const QString name = m_store.userName();
    if (name.isEmpty() || m_store.dataDirectory().isEmpty())
        return {};
    return m_store.dataDirectory() + name + QString::fromLatin1(review::kFileExtension);
}

void TFormHaupt::showDueCards()
{
    static const QString caption = QStringLiteral("Fehler üben");
    static const QString nothingDue = QStringLiteral("Heute ist keine Aufgabe zum Wiederholen fällig.");
    const QString path = reviewFilePath();
    int due = -1; // no pupil: the button asks for one, like every topic button
    if (!path.isEmpty()) {
        review::ReviewBox box;
        review::ReviewFile(m_services.messages, path).read(&box);
        due = box.dueCount(m_services.clock.today());
    }
    m_reviewButton->setText(due > 0 ? QStringLiteral("%1 (%2)").arg(caption).arg(due) : caption);
    m_reviewButton->setEnabled(due != 0);
    m_reviewButton->setAccessibleDescription(due == 0 ? nothingDue : QString());
    m_reviewButton->setToolTip(due == 0 ? nothingDue : QString());
    m_reviewHint->setText(due == 0 ? nothingDue : QString());
    m_reviewHint->setVisible(due == 0);
}

void TFormHaupt::BitBtnFehlerUebenClick()
{
    if (!RequireUserName())
        return;
    // Without a data folder there is no Kartei: nothing is due.
    const QString path = reviewFilePath();
    review::ReviewBox box;
    if (!path.isEmpty() && !review::ReviewFile(m_services.messages, path).read(&box))
        return;
    m_notebook01->setCurrentIndex(PageAufgaben);
    // Nothing due: the notice says so and the selection page stays.
    if (!m_review->begin(box.due(m_services.clock.today())))
        m_notebook01->setCurrentIndex(PageAuswahl);
}

void TFormHaupt::showUserName()
{
    const QString name = m_store.userName();
    m_userLabel->setText(name.isEmpty() ? QStringLiteral("Noch kein Benutzer angemeldet")
                                        : QStringLiteral("Angemeldet: ") + name);
}

void TFormHaupt::showDataFolder(const QString& line)
{
    m_folderLabel->setText(line);
    m_folderLabel->setVisible(!line.isEmpty());
}

void TFormHaupt::openTopic(int exercisePage)
{
    if (!RequireUserName())
        return;
    m_notebook01->setCurrentIndex(PageAufgaben);
    m_notebook01a->setCurrentIndex(exercisePage);
}

void TFormHaupt::openStatistics(int button)
{
    if (!RequireUserName())
        return;
    m_store.saveAllStatistics();
    m_statsPage->setSelection(kStatsButtons[button].topic, kStatsButtons[button].part);
    m_statsPage->refresh(); // the merged counts and the new selection
    m_notebook01->setCurrentIndex(PageStatistik);
}

void TFormHaupt::backToSelection()
{
    m_notebook01->setCurrentIndex(PageAuswahl);
    m_notebook01a->setCurrentIndex(PageGrundrechenarten);
}

bool TFormHaupt::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip) {
        m_panel1->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void TFormHaupt::closeEvent(QCloseEvent* e)
{
    saveOnExit();
    QMainWindow::closeEvent(e);
}

void TFormHaupt::saveOnExit()
{
    if (m_saved)
        return;
    m_saved = true;
    if (!m_store.userName().isEmpty())
        m_store.saveAllStatistics();
}

} // namespace quorvel
