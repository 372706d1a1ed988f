// Page "Statistik" with the real store: the chart buttons, repainting, saving the chart as
// a PNG, printing, "Zurück".
#include "chartgeometry.h"
#include "chartpainter.h"
#include "fakes.h"
#include "statisticspage.h"
#include "statisticsstore.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct PageFixture : ::testing::Test {
    QTemporaryDir dir;
    EventLog log;
    RecordingMessages messages{log};
    FixedClock clock{QDate(2026, 12, 7)};
    StatisticsStore store{clock, messages};
    std::unique_ptr<StatisticsPage> page;
    int backs = 0;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        store.setDataDirectory(dir.path());
        ASSERT_TRUE(store.chooseUser(QStringLiteral("Anna")));
        page = std::make_unique<StatisticsPage>(store, messages);
        page->onBack = [this] { ++backs; };
        page->resize(800, 515);
    }

    // A finished series of fraction additions, merged as opening the page does.
    void fractionSeries(int given, int correct)
    {
        store.markStatsChanged(1);
        for (int i = 0; i < given; ++i)
            store.countTaskGiven(1, 1);
        for (int i = 0; i < correct; ++i)
            store.countTaskCorrect(1, 1);
        ASSERT_TRUE(store.saveAllStatistics());
    }

    void open(int topic, int part)
    {
        page->setSelection(std::uint8_t(topic), std::uint8_t(part));
        page->refresh();
    }

    QPushButton* button(const char* name)
    {
        auto* b = page->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }

    QImage area() { return page->chartArea()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

quint32 at(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

} // namespace

TEST_F(PageFixture, TheWordStatistikShowsUntilAChartIsChosen)
{
    fractionSeries(3, 2);
    open(1, 1);
    EXPECT_TRUE(page->currentOps().empty());
    EXPECT_FALSE(button("BitBtnStatBild")->isEnabled());
    EXPECT_FALSE(button("BitBtnStatDrucken")->isEnabled());
    EXPECT_EQ(page->chartArea()->accessibleName(), "Diagrammfläche");
    // The lime word shows through the empty drawing area on the black panel.
    const QImage shot = page->grab().toImage();
    int lime = 0;
    for (int y = 188; y < 300; ++y)
        for (int x = 115; x < 450; ++x)
            lime += (shot.pixel(x, y) & 0xFFFFFF) == 0x00FF00;
    EXPECT_GT(lime, 2000);
    EXPECT_EQ(shot.pixel(10, 10) & 0xFFFFFF, 0u);
}

TEST_F(PageFixture, EachButtonDrawsItsChartAndNamesIt)
{
    fractionSeries(3, 2);
    open(1, 1);
    const struct {
        const char* button;
        int chart;
        const char* name;
        const char* figures;
    } cases[] = {
        {"BitBtnStat02", 1, "Diagramm Gesamtüberblick", "Addition 3 gerechnet, 2 richtig"},
        {"BitBtnStat03", 2, "Diagramm Aufgaben (Tagesdaten)", "Addition 3 gerechnet, 2 richtig"},
        {"BitBtnStat04", 3, "Diagramm Aufgabenverteilung (Tagesdaten)", "Addition 100 %"},
        {"BitBtnStat05", 4, "Diagramm Fehlerverteilung (Tagesdaten)", "Addition 33,33%"},
        {"BitBtnStat06", 5, "Diagramm Aufgaben (Gesamtdaten)", "Addition: 3, 0, 0"},
        {"BitBtnStat07", 6, "Diagramm Aufgabenverteilung (Gesamtdaten)", "Addition 100 %"},
        {"BitBtnStat08", 7, "Diagramm Fehlerverteilung (Gesamtdaten)", "Addition: 33,33%, 0%"},
    };
    for (const auto& c : cases) {
        QTest::mouseClick(button(c.button), Qt::LeftButton);
        EXPECT_EQ(page->currentChart(), c.chart);
        EXPECT_EQ(page->chartArea()->accessibleName(), QString::fromUtf8(c.name));
        EXPECT_TRUE(page->chartArea()->accessibleDescription().contains(QString::fromUtf8(c.figures)))
            << page->chartArea()->accessibleDescription().toStdString();
        EXPECT_TRUE(button("BitBtnStatBild")->isEnabled());
        // The area shows exactly the chart's picture, and a repaint the same again.
        const QImage first = area();
        EXPECT_EQ(first, page->currentImage()) << c.chart;
        page->chartArea()->repaint();
        EXPECT_EQ(area(), first) << c.chart;
    }
    // Bars 3 and 2 of the day chart, drawn from the merged record.
    QTest::mouseClick(button("BitBtnStat03"), Qt::LeftButton);
    const QImage bars = area();
    EXPECT_EQ(at(bars, 60, 50), 0x00FF00u);
    EXPECT_EQ(at(bars, 100, 167), 0x00FF00u);
}

TEST_F(PageFixture, ZurueckForgetsTheChart)
{
    open(3, 1);
    QTest::mouseClick(button("BitBtnStat05"), Qt::LeftButton);
    EXPECT_EQ(page->currentChart(), 4);
    QTest::mouseClick(button("BitBtnStat01"), Qt::LeftButton);
    EXPECT_EQ(page->currentChart(), 0);
    EXPECT_EQ(backs, 1);
    EXPECT_TRUE(page->currentOps().empty());
    EXPECT_FALSE(button("BitBtnStatBild")->isEnabled());
}

TEST_F(PageFixture, SavesTheChartOnScreenAsPng)
{
    fractionSeries(3, 2);
    open(1, 1);
    QTest::mouseClick(button("BitBtnStat04"), Qt::LeftButton);
    QStringList suggested;
    QString answer = dir.filePath(QStringLiteral("kuchen"));
    page->setImageFileAsker([&](QWidget*, const QString& s) {
        suggested << s;
        return answer;
    });
    QTest::mouseClick(button("BitBtnStatBild"), Qt::LeftButton);
    ASSERT_EQ(suggested.size(), 1);
    EXPECT_TRUE(suggested[0].endsWith("Statistik Anna Aufgabenverteilung (Tagesdaten).png"));
    // ".png" is added; the file holds the 570 x 485 chart.
    QImage saved;
    ASSERT_TRUE(saved.load(answer + ".png", "PNG"));
    EXPECT_EQ(saved.size(), QSize(570, 485));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), page->currentImage());
    EXPECT_TRUE(messages.messages.empty());

    // Cancelling writes nothing; a folder that does not exist is reported.
    answer.clear();
    EXPECT_FALSE(page->saveImage());
    answer = dir.filePath(QStringLiteral("fehlt/bild.png"));
    EXPECT_FALSE(page->saveImage());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.startsWith("Das Bild konnte nicht gespeichert werden:"));
    EXPECT_TRUE(messages.messages[0].text.contains("bild.png"));
    EXPECT_FALSE(QFile::exists(answer));

    // Ctrl+S on the page does the same.
    answer = dir.filePath(QStringLiteral("taste.png"));
    page->show();
    QApplication::setActiveWindow(page.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    button("BitBtnStat02")->setFocus();
    QTest::keyClick(button("BitBtnStat02"), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(answer));
}

TEST_F(PageFixture, PrintsTheChartOrReportsWhyNot)
{
    fractionSeries(3, 2);
    open(1, 1);
    int printed = 0;
    QImage sent;
    PrintResult result = PrintResult::Printed;
    page->setImagePrinter([&](QWidget*, const QImage& img) {
        ++printed;
        sent = img;
        return result;
    });
    EXPECT_FALSE(page->printChart()); // no chart yet: nothing to print
    EXPECT_EQ(printed, 0);
    QTest::mouseClick(button("BitBtnStat03"), Qt::LeftButton);
    QTest::mouseClick(button("BitBtnStatDrucken"), Qt::LeftButton);
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(sent, page->currentImage());
    result = PrintResult::Cancelled;
    EXPECT_FALSE(page->printChart());
    EXPECT_TRUE(messages.messages.empty());
    result = PrintResult::Failed;
    EXPECT_FALSE(page->printChart());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Das Diagramm konnte nicht gedruckt werden.");

    // The printing itself, into a PDF file instead of a printer.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    printer.setOutputFileName(pdf);
    EXPECT_TRUE(printImage(printer, sent));
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
    EXPECT_GT(f.size(), 1000);
}

TEST_F(PageFixture, TheContextMenuOffersSavingAndPrinting)
{
    open(1, 1);
    const QList<QAction*> actions = page->chartArea()->contextActions;
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "Als Bild speichern …");
    EXPECT_EQ(actions[1]->text(), "Drucken …");
    EXPECT_FALSE(actions[0]->isEnabled());
    page->showChart(1);
    EXPECT_TRUE(actions[0]->isEnabled());
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(page->chartArea()->focusPolicy(), Qt::StrongFocus);
}
