// Benchmark of the class overview: makes a data directory of PUPILS pupils (five files
// each, ten days of counts, and a Fehlerkartei of up to 60 cards), then times opening the window "Klassenübersicht" (reading
// every file, filling the model, sorting, showing the table) and exporting it as CSV, and
// the memory the open window takes. Prints one "key value" line per figure; the times
// are medians of RUNS runs, the first (coldest) run is printed on its own too.
#include "klassenuebersicht.h"
#include "reviewfile.h"
#include "statisticsstore.h"
#include "systemservices.h"
#include "services.h"
#include "statsfile.h"
#include "statsmodel.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace quorvel;

namespace {

struct PrintMessages : MessageSink {
    int showMessage(const QString& text, MessageKind, MessageButtons, int, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return 1;
    }
    void showError(const QString& text) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
};

double rssMb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void makeClass(const QString& dir, int pupils)
{
    QRandomGenerator rng(20261207);
    const QDate today(2026, 12, 7);
    for (int p = 0; p < pupils; ++p) {
        const QString name = QStringLiteral("Schüler %1 Müller-Özdemir").arg(p + 1, 3, 10, QLatin1Char('0'));
        for (int topic = 1; topic <= stats::kTopicCount; ++topic) {
            const int types = stats::typeCount(topic);
            stats::StatHistory h = stats::emptyHistory(types);
            const int days = 1 + int(rng.bounded(10));
            for (int d = 0; d < days; ++d) {
                stats::StatRecord& r = h[std::size_t(d)];
                r.date = stats::dateText(today.addDays(d - days + 1));
                for (stats::StatCounts& c : r.counts) {
                    c.given = quint16(rng.bounded(40));
                    c.correct = quint16(rng.bounded(c.given + 1));
                }
            }
            QFile f(QDir(dir).filePath(name + stats::fileExtension(topic)));
            if (!f.open(QIODevice::WriteOnly) || f.write(stats::formatStatsFile(h, types)) < 0)
                qFatal("cannot write %s", qPrintable(f.fileName()));
        }
        review::ReviewBox box;
        const int cards = int(rng.bounded(61));
        for (int c = 0; c < cards; ++c)
            box.recordMiss(TopicBasic, 1 + int(rng.bounded(4)),
                           QStringLiteral("%1 %2").arg(rng.bounded(1000)).arg(rng.bounded(1000)),
                           today.addDays(-int(rng.bounded(30))));
        QFile f(QDir(dir).filePath(name + QString::fromLatin1(review::kFileExtension)));
        if (!f.open(QIODevice::WriteOnly) || f.write(review::formatReviewFile(box)) < 0)
            qFatal("cannot write %s", qPrintable(f.fileName()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int pupils = qEnvironmentVariableIntValue("PUPILS") > 0 ? qEnvironmentVariableIntValue("PUPILS") : 1000;
    const int runs = qEnvironmentVariableIntValue("RUNS") > 0 ? qEnvironmentVariableIntValue("RUNS") : 7;
    QTemporaryDir data;
    QTemporaryDir out;
    makeClass(data.path(), pupils);
    std::printf("pupils %d\nfiles %lld\n", pupils,
                qlonglong(QDir(data.path()).entryList(QDir::Files).size()));
    PrintMessages messages;
    const double rssBefore = rssMb();
    double rssOpen = 0;
    std::vector<double> openMs, readMs, exportMs;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        auto* w = new TFormKlassenuebersicht(
            [&data] { return data.path(); }, messages, nullptr,
            [](const QByteArray& bytes) { return review::countReviewFile(bytes, QDate(2026, 12, 7)); });
        w->show();
        app.processEvents(); // laid out and painted
        openMs.push_back(t.nsecsElapsed() / 1e6);
        if (run == 0) {
            rssOpen = rssMb();
            std::printf("rows %d\nopen_first_ms %.1f\n", w->model()->rowCount(), openMs.back());
        }
        t.restart();
        w->btnKlassenAktualisierenClick();
        readMs.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        QString reason;
        if (!w->writeCsv(QDir(out.path()).filePath(QStringLiteral("klasse.csv")), &reason))
            qFatal("export failed: %s", qPrintable(reason));
        exportMs.push_back(t.nsecsElapsed() / 1e6);
        delete w;
        app.processEvents();
    }
    std::printf("open_ms %.1f\n", median(openMs));
    std::printf("refresh_ms %.1f\n", median(readMs));
    std::printf("export_ms %.1f\n", median(exportMs));
    std::printf("csv_bytes %lld\n", qlonglong(QFileInfo(QDir(out.path()).filePath(QStringLiteral("klasse.csv"))).size()));
    std::printf("rss_window_mb %.1f\n", rssOpen - rssBefore);

    // Choosing one pupil in that folder: its five files read and written, no other.
    SystemClock clock;
    StatisticsStore store(clock, messages);
    store.setDataDirectory(data.path());
    std::vector<double> chooseMs;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        store.chooseUser(QStringLiteral("Schüler %1 Müller-Özdemir").arg(run + 1, 3, 10, QLatin1Char('0')));
        chooseMs.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("choose_pupil_ms %.1f\n", median(chooseMs));
    return 0;
}
