// The built-in handbook: every page's links and pictures resolve inside the program, every
// page is reachable from the start page, and F1 or "Datei > Hilfe" opens the start page
// (a Quorvel.chm beside the program goes to the desktop's viewer instead).
#include "fakes.h"
#include "handbookwindow.h"
#include "mainwindow.h"
#include "statisticsstore.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

QString readResource(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(f.readAll());
}

QStringList pages() { return QDir(QStringLiteral(":/handbook")).entryList({"*.html"}); }

} // namespace

TEST(Handbook, EveryLinkAndPictureResolvesAndEveryPageIsReachable)
{
    ASSERT_GE(pages().size(), 8);
    static const QRegularExpression ref(QStringLiteral(R"re((href|src)="([^"#]+)")re"));
    QSet<QString> linkedFromStart;
    for (const QString& page : pages()) {
        SCOPED_TRACE(page.toStdString());
        const QString html = readResource(QStringLiteral(":/handbook/") + page);
        EXPECT_TRUE(html.contains(QRegularExpression(QStringLiteral("<title>[^<]+</title>"))));
        for (auto m = ref.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(2);
            if (target.startsWith(QLatin1String("http")))
                continue;
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/handbook/") + target))
                << target.toStdString();
            if (page == QLatin1String("index.html"))
                linkedFromStart << target;
        }
    }
    for (const QString& page : pages()) {
        if (page != QLatin1String("index.html")) {
            EXPECT_TRUE(linkedFromStart.contains(page)) << page.toStdString();
        }
    }
}

TEST(Handbook, LinksBackForwardAndSearchInThePage)
{
    THandbuch h;
    QTextBrowser* b = h.browser();
    EXPECT_EQ(b->source(), THandbuch::startPage());
    EXPECT_EQ(b->documentTitle(), QStringLiteral("Startseite"));
    auto* back = h.findChild<QWidget*>(QStringLiteral("btnHandbuchZurueck"));
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->isEnabled());

    b->setSource(QUrl(QStringLiteral("qrc:/handbook/tastatur.html")));
    EXPECT_TRUE(h.windowTitle().endsWith(QStringLiteral("Mit der Tastatur und dem Bildschirmleser")));
    EXPECT_TRUE(back->isEnabled());
    EXPECT_TRUE(h.findNext(QStringLiteral("Eingabetaste")));
    EXPECT_EQ(b->textCursor().selectedText(), QStringLiteral("Eingabetaste"));
    EXPECT_FALSE(h.findNext(QStringLiteral("Zebrastreifen")));
    auto* state = h.findChild<QLabel*>(QStringLiteral("lblHandbuchSuche"));
    EXPECT_EQ(state->text(), QStringLiteral("„Zebrastreifen“ steht nicht auf dieser Seite."));
    EXPECT_FALSE(h.findNext(QStringLiteral("  ")));
    EXPECT_EQ(state->text(), QStringLiteral("Bitte ein Suchwort eingeben."));

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(b->source(), THandbuch::startPage());
    EXPECT_TRUE(state->text().isEmpty());
}

struct HandbookFromMainWindow : ::testing::Test {
    TestServices ts;
    StatisticsStore store{ts.clock, ts.messages};
    QTemporaryDir dataDir;
    std::unique_ptr<TFormHaupt> win;
    QList<QUrl> opened;

    void SetUp() override
    {
        store.setDataDirectory(dataDir.path());
        win = std::make_unique<TFormHaupt>(ts.services, store,
                                           [](QWidget*, const QString&, QString*) { return false; });
        win->setDocumentOpener([this](const QUrl& u) { opened << u; });
    }
};

TEST_F(HandbookFromMainWindow, MenuAndF1OpenTheStartPageWithoutAnyNotice)
{
    auto* hilfe = win->findChild<QAction*>(QStringLiteral("HMenuDateiHilfe"));
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->shortcut(), QKeySequence(Qt::Key_F1));
    hilfe->trigger();
    ASSERT_NE(win->handbook(), nullptr);
    EXPECT_TRUE(win->handbook()->isVisible());
    EXPECT_EQ(win->handbook()->browser()->source(), THandbuch::startPage());
    win->handbook()->close();

    win->show();
    win->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(win.get()));
    win->handbook()->browser()->setSource(QUrl(QStringLiteral("qrc:/handbook/brueche.html")));
    QTest::keyClick(win.get(), Qt::Key_F1);
    EXPECT_TRUE(win->handbook()->isVisible());
    EXPECT_EQ(win->handbook()->browser()->source(), THandbuch::startPage());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(ts.messages.messages.empty());
}

TEST_F(HandbookFromMainWindow, AHelpFileBesideTheProgramGoesToTheDesktopViewer)
{
    const QString chm = QCoreApplication::applicationDirPath() + QStringLiteral("/Quorvel.chm");
    ASSERT_FALSE(QFile::exists(chm));
    QFile f(chm);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    win->HMenuDateiHilfeClick();
    QFile::remove(chm);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(chm));
    EXPECT_EQ(win->handbook(), nullptr);
}
