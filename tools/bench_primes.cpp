// Benchmark of the prime list for the whole range 0 .. 2147400000, driven through the
// real calculator page: time from "&Berechnen" to the first lines painted, time until
// the last line can be shown (and is painted), the longest stretch the event loop was
// blocked (a 1 ms timer measures the gaps; meanwhile the list is scrolled about as a
// pupil would), and the peak resident memory. Prints one "key value" line per figure.
#include "exercisepages.h"
#include "linelistview.h"
#include "primelines.h"
#include "primelistmodel.h"
#include "primespages.h"
#include "topiccontext.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <string>

using namespace quorvel;

namespace {

struct NoStats : StatsSink {
    void markStatsChanged(int) override {}
    void countTaskGiven(int, int) override {}
    void countTaskCorrect(int, int) override {}
};
struct NoSound : SoundSink {
protected:
    void playNamed(const char*, std::uint8_t) override {}
    void playWrong(std::uint8_t) override {}
    void playRight(std::uint8_t) override {}
};
struct PrintMessages : MessageSink {
    int showMessage(const QString& t, MessageKind, MessageButtons, int, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(t));
        return 1;
    }
    void showError(const QString& t) override { std::fprintf(stderr, "error: %s\n", qPrintable(t)); }
};
struct NoRandom : RandomSource {
    void randomize() override {}
    int random(int) override { return 0; }
};
struct Today : Clock {
    QDate today() const override { return QDate::currentDate(); }
};

long peakRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Records when the list's viewport was last painted.
class PaintClock : public QObject {
public:
    PaintClock(QElapsedTimer& t) : m_t(t) {}
    qint64 lastPaint = -1;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            m_paintPending = true;
        return false;
    }

public:
    bool m_paintPending = false;
    QElapsedTimer& m_t;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::uint32_t top = argc > 1 ? std::uint32_t(std::stoul(argv[1])) : 2147400000u;

    NoStats stats;
    NoSound sound;
    PrintMessages messages;
    NoRandom random;
    Today clock;
    Services services{stats, sound, messages, random, clock};

    QStackedWidget stack;
    for (const char* name : kExercisePageNames) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        stack.addWidget(page);
    }
    stack.resize(539, 500);
    TopicContext ctx{services, &stack, nullptr, nullptr, {}, {}, {}, nullptr, {}};
    installPrimesPages(ctx);
    stack.setCurrentIndex(PagePrimfaktorenBerechnung);
    stack.show();
    QApplication::processEvents();

    auto* list = stack.findChild<LineListView*>(QStringLiteral("ListBoxPrimCalc"));
    auto* model = static_cast<PrimeListModel*>(list->model());
    auto* calc = stack.findChild<QPushButton*>(QStringLiteral("BitBtnPrimCalc"));
    auto* toEnd = stack.findChild<QPushButton*>(QStringLiteral("BitBtnPrimCalcEnde"));
    stack.findChild<QLineEdit*>(QStringLiteral("edPrimCalc01"))->setText(QStringLiteral("0"));
    stack.findChild<QLineEdit*>(QStringLiteral("edPrimCalc02"))->setText(QString::number(top));

    QElapsedTimer clockT;
    // The event loop's heartbeat: the longest gap between two 1 ms ticks.
    qint64 lastTick = -1, longestBlock = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(1);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clockT.nsecsElapsed();
        if (lastTick >= 0)
            longestBlock = std::max(longestBlock, now - lastTick);
        lastTick = now;
    });

    // While counting, jump about in the list every 30 ms, as a pupil dragging the bar.
    QTimer scroller;
    scroller.setInterval(30);
    QObject::connect(&scroller, &QTimer::timeout, [&] {
        QScrollBar* bar = list->verticalScrollBar();
        if (bar->maximum() > 0)
            bar->setValue(int(QRandomGenerator::global()->bounded(bar->maximum() + 1)));
    });

    qint64 firstLines = -1, lastLine = -1;
    clockT.start();
    heartbeat.start();
    calc->click();
    while (firstLines < 0) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
        if (model->rowCount() > 0) {
            list->viewport()->repaint(); // the first lines on screen
            firstLines = clockT.nsecsElapsed();
        }
        if (clockT.elapsed() > 10000)
            break;
    }
    if (!qEnvironmentVariableIsSet("BENCH_NO_SCROLL"))
        scroller.start();
    while (model->counting() && clockT.elapsed() < 120000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    scroller.stop();
    toEnd->click();
    list->viewport()->repaint();
    lastLine = clockT.nsecsElapsed();
    // A little more life in the loop after the end, then stop the heartbeat.
    QElapsedTimer tail;
    tail.start();
    while (tail.elapsed() < 100)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    heartbeat.stop();

    const QString last = model->index(model->rowCount() - 1).data().toString();
    std::printf("range 0 .. %u\n", top);
    std::printf("primes %llu\n", (unsigned long long)model->primesCounted());
    std::printf("lines %d\n", model->rowCount());
    std::printf("last_line %s\n", qPrintable(last));
    std::printf("first_lines_ms %.1f\n", firstLines / 1e6);
    std::printf("last_line_ms %.1f\n", lastLine / 1e6);
    std::printf("longest_block_ms %.1f\n", longestBlock / 1e6);
    std::printf("peak_rss_mb %.1f\n", peakRssKb() / 1024.0);
    // The counting pass alone, on this thread, for comparison with other sieves.
    {
        QElapsedTimer t;
        t.start();
        primes::PrimeRangeCount count;
        count.runHere(0, top);
        std::printf("count_pass_ms %.1f\n", t.nsecsElapsed() / 1e6);
        t.restart();
        count.start(0, top);
        while (!count.finished())
            QThread::msleep(1);
        std::printf("count_pass_workers_ms %.1f\n", t.nsecsElapsed() / 1e6);
        std::printf("workers %u\n", count.workers());
    }
    return model->finished() ? 0 : 1;
}
