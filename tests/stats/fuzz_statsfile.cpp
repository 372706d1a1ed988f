// libFuzzer target for the statistics file reader. The first byte picks the topic (and so
// the number of task types); the rest is the file. Besides not crashing, the reader must
// keep the history at ten records of the right width, and whatever it accepted must be
// written and read back to exactly the same records and the same bytes.
#include "statsfile.h"

#include <cstdint>
#include <cstdlib>

using namespace quorvel::stats;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    if (size == 0)
        return 0;
    const int topic = 1 + bytes[0] % kTopicCount;
    const int types = typeCount(topic);
    const QByteArray data(reinterpret_cast<const char*>(bytes + 1), qsizetype(size - 1));

    StatHistory history = emptyHistory(types);
    const ParseResult res = parseStatsFile(data, types, history);
    if (history.size() != std::size_t(kHistoryLength))
        std::abort();
    for (const StatRecord& r : history)
        if (int(r.counts.size()) != types || r.date.size() != 11)
            std::abort();
    if (res.recordsRead < 0 || res.recordsRead > kHistoryLength || (res.ok && res.recordsRead != kHistoryLength)
        || (!res.ok && res.problem.isEmpty()))
        std::abort();

    // What was read, written out, reads back the same and writes the same bytes again.
    const QByteArray written = formatStatsFile(history, types);
    StatHistory again = emptyHistory(types);
    if (!parseStatsFile(written, types, again).ok || again != history)
        std::abort();
    if (formatStatsFile(again, types) != written)
        std::abort();

    // The merge keeps the invariant of ten records whatever was read.
    TopicStats t(topic);
    t.history = history;
    t.pending[0] = {1, 1};
    mergePending(t, dateText(QDate(2026, 12, 7)));
    if (t.history.size() != std::size_t(kHistoryLength) || t.record(QStringLiteral(" 07.12.2026")) == nullptr)
        std::abort();
    return 0;
}
