// Drawing time of the seven statistics charts: for every chart and each of the eight
// selections, the chart is computed from a full ten-day history and painted onto a
// 570 x 485 picture, as a repaint of the drawing area does. Prints the median time per
// chart over all selections and rounds, the slowest selection's median and the fastest
// single drawing (which shows what the machine can do when other processes share it).
// Usage: bench_charts [rounds]   (run offscreen: QT_QPA_PLATFORM=offscreen)
#include "chartgeometry.h"
#include "chartpainter.h"
#include "designfonts.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

using namespace quorvel::stats;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

TopicStats fullHistory(int topic, std::mt19937& rng)
{
    TopicStats t(topic);
    std::uniform_int_distribution<int> count(0, 999);
    for (int r = 0; r < kHistoryLength; ++r) {
        StatRecord& rec = t.history[r];
        for (StatCounts& c : rec.counts) {
            c.given = quint16(count(rng));
            c.correct = quint16(std::uniform_int_distribution<int>(0, c.given)(rng));
        }
        rec.date = dateText(QDate(2026, 11, 28).addDays(r));
    }
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    quorvel::installDesignedFonts();
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    std::mt19937 rng(42);
    QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
    const QString today = dateText(QDate(2026, 12, 7));

    std::printf("Statistics charts, %d rounds per chart and selection (compute + paint 570 x 485)\n",
                rounds);
    for (int chart = 1; chart <= kChartCount; ++chart) {
        std::vector<double> all;
        double slowest = 0, fastest = 1e9;
        for (const SelectionLayout& s : allSelections()) {
            const TopicStats topic = fullHistory(s.topic, rng);
            std::vector<double> times;
            for (int i = 0; i < rounds + 5; ++i) {
                const auto t0 = std::chrono::steady_clock::now();
                const ChartData d = chartData(topic, s, today);
                const std::vector<ChartOp> ops = buildChart(chart, s, d);
                QPainter p(&image);
                paintChart(p, ops);
                p.end();
                const auto t1 = std::chrono::steady_clock::now();
                if (i >= 5) // the first rounds warm the font caches
                    times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
            }
            slowest = std::max(slowest, median(times));
            fastest = std::min(fastest, *std::min_element(times.begin(), times.end()));
            all.insert(all.end(), times.begin(), times.end());
        }
        std::printf("  chart %d %-34s median %6.3f ms  slowest selection's median %6.3f ms"
                    "  fastest %6.3f ms\n",
                    chart, qPrintable(chartName(chart)), median(all), slowest, fastest);
    }
    return 0;
}
