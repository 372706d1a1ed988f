#pragma once
// The prime list of a range as lines, without ever holding all primes or all lines.
//
// A counting pass sieves the range segment by segment on worker threads and records
// how many primes each segment holds, and where the primes change their number of
// digits. Since every entry of a line is a prime followed by two blanks, these counts
// fix the whole line layout: lines of primes with d digits hold 95 / (d + 2) entries,
// except where the digit count changes. The text of any line is then made on demand
// by sieving just the segment (or two) that holds its primes.

#include "wheelsieve.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorvel::primes {

// Where a line's entries sit in the range's sequence of primes.
struct LineSpan {
    std::uint64_t firstPrime = 0;
    std::uint32_t count = 0;
};

// The line layout of a prime sequence whose members are known by digit count.
class PrimeLineLayout {
public:
    // primesByDigits[d] = how many primes with d digits (d = 1 .. 10) the known part of
    // the sequence holds; `complete` says the sequence is known to its end.
    void build(const std::uint64_t (&primesByDigits)[11], bool complete);

    // Lines known for good: all of them when complete (at least one, an empty line for
    // no primes), else those that no later prime can change.
    std::uint64_t lineCount() const { return m_lines; }
    LineSpan line(std::uint64_t index) const;
    std::uint64_t primeCount() const { return m_primes; }

private:
    struct Block {
        std::uint64_t firstLine;
        std::uint64_t firstPrime;
        std::uint32_t perLine;
        std::uint64_t lines;
    };
    std::vector<Block> m_blocks;
    std::uint64_t m_lines = 0;
    std::uint64_t m_primes = 0;
};

// The counting pass over [lo, hi] on worker threads. The segments are handed out in
// runs of kChunk; a worker sieves its run as one stream. Segments counted out of order
// become visible once all before them are counted. The accessors belong to the thread
// that started the pass and may be called while it runs.
class PrimeRangeCount {
public:
    static constexpr std::uint32_t kChunk = 8;

    PrimeRangeCount() = default;
    ~PrimeRangeCount();
    PrimeRangeCount(const PrimeRangeCount&) = delete;
    PrimeRangeCount& operator=(const PrimeRangeCount&) = delete;

    // Starts counting [lo, hi] (lo <= hi) on `workers` threads (0: one per processor,
    // at most four). `notify` is called on a worker thread after the first segment, then
    // at most every `notifyMs` milliseconds, and at the end.
    void start(std::uint32_t lo, std::uint32_t hi, std::function<void()> notify = {},
               int notifyMs = 20, unsigned workers = 0);
    // Stops the pass (if running) and waits for the workers; counts done so far stay.
    void cancel();
    // Runs the whole pass on the calling thread.
    void runHere(std::uint32_t lo, std::uint32_t hi);

    std::uint32_t lo() const { return m_lo; }
    std::uint32_t hi() const { return m_hi; }
    std::uint32_t segmentTotal() const { return m_total; }
    unsigned workers() const { return unsigned(m_workers.size()); }
    // Segments counted so far without a gap from the first on; all of them means finished.
    std::uint32_t segmentsDone() const;
    bool finished() const { return segmentsDone() == segmentTotal(); }
    // The number counted up to (hi when finished).
    std::uint32_t reached() const;

    // Count of segment i (i < segmentsDone()).
    std::uint32_t segmentCount(std::uint32_t i) const
    {
        return m_counts[i].load(std::memory_order_relaxed);
    }
    // Primes by digit count among the first `done` segments (done <= segmentsDone()).
    void primesByDigits(std::uint32_t done, std::uint64_t (&out)[11]) const;

private:
    void prepare(std::uint32_t lo, std::uint32_t hi);
    void work(const std::function<void()>& notify, int notifyMs);

    static constexpr std::uint32_t kNotCounted = 0xFFFFFFFFu;
    std::uint32_t m_lo = 0, m_hi = 0, m_total = 0;
    std::unique_ptr<std::atomic<std::uint32_t>[]> m_counts;
    // For 10^j (j = 1 .. 9) inside the range: its segment, and the primes of that
    // segment below it (written before the segment's count).
    std::uint32_t m_powerSegment[10] = {};
    std::uint64_t m_belowPowerInSegment[10] = {};
    mutable std::uint32_t m_prefix = 0; // segments known to be counted without a gap
    std::atomic<std::uint32_t> m_nextChunk{0};
    std::atomic<std::int64_t> m_lastNotify{0};
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_workers;
};

// Texts of lines on demand, from a count (finished or not) and a layout.
class PrimeLineSource {
public:
    PrimeLineSource();
    // Forgets cached segments; call when a new count begins.
    void reset(const PrimeRangeCount* count);
    // Learns the counts of segments finished since the last call.
    void update(std::uint32_t segmentsDone);

    std::string lineText(const LineSpan& span);
    // The primes with indices [first, first + n) of the range, ascending.
    void primesAt(std::uint64_t first, std::uint32_t n, std::vector<std::uint32_t>& out);

private:
    struct Cached {
        std::uint32_t index;
        std::vector<std::uint32_t> small; // 2, 3 and 5 where the range holds them
        std::vector<std::uint8_t> bits;   // the other primes, one bit each
    };
    const Cached& segmentBits(std::uint32_t segmentIndex);

    const PrimeRangeCount* m_count = nullptr;
    std::vector<std::uint64_t> m_before; // primes in the segments before segment i
    WheelSieve m_sieve;
    std::list<Cached> m_cache; // most recently used first
};

// A whole list in one go, for tests and small ranges: the lines of [lo, hi] (swapped
// when lo > hi).
std::vector<std::string> primeLines(std::uint32_t lo, std::uint32_t hi);

} // namespace quorvel::primes
