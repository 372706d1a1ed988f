#include "primelines.h"
#include "primecore.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstring>

namespace quorvel::primes {

namespace {
constexpr std::uint32_t kOutside = 0xFFFFFFFFu;
constexpr std::uint32_t kPowers[10] = {1,      10,      100,      1000,      10000,
                                       100000, 1000000, 10000000, 100000000, 1000000000};
constexpr std::size_t kCachedSegments = 4;
} // namespace

// ---------------------------------------------------------------------------------------
// Layout

void PrimeLineLayout::build(const std::uint64_t (&byDigits)[11], bool complete)
{
    m_blocks.clear();
    m_lines = 0;
    std::uint64_t index = 0;     // primes placed so far
    std::uint64_t lineStart = 0; // first prime of the open line
    std::size_t length = 0;      // characters of the open line
    for (int d = 1; d <= 10; ++d) {
        std::uint64_t n = byDigits[d];
        if (n == 0)
            continue;
        const std::size_t w = entryWidth(d);
        if (length > 0) {
            const std::uint64_t take = std::min<std::uint64_t>(n, (kLineWidth - length) / w);
            length += take * w;
            index += take;
            n -= take;
            if (n == 0)
                continue;
            m_blocks.push_back({m_lines, lineStart, std::uint32_t(index - lineStart), 1});
            ++m_lines;
            lineStart = index;
            length = 0;
        }
        const std::uint64_t cap = entriesPerLine(d);
        const std::uint64_t full = n / cap, rest = n % cap;
        if (full > 0) {
            m_blocks.push_back({m_lines, lineStart, std::uint32_t(cap), full});
            m_lines += full;
            index += full * cap;
            lineStart = index;
        }
        if (rest > 0) {
            length = rest * w;
            index += rest;
        }
    }
    m_primes = index;
    if (complete) {
        if (length > 0 || index == 0) {
            m_blocks.push_back({m_lines, lineStart, std::uint32_t(index - lineStart), 1});
            ++m_lines;
        }
    }
}

LineSpan PrimeLineLayout::line(std::uint64_t i) const
{
    if (i >= m_lines || m_blocks.empty())
        return {};
    auto it = std::upper_bound(m_blocks.begin(), m_blocks.end(), i,
                               [](std::uint64_t v, const Block& b) { return v < b.firstLine; });
    const Block& b = *(it - 1);
    return {b.firstPrime + (i - b.firstLine) * b.perLine, b.perLine};
}

// ---------------------------------------------------------------------------------------
// Counting pass

PrimeRangeCount::~PrimeRangeCount() { cancel(); }

void PrimeRangeCount::prepare(std::uint32_t lo, std::uint32_t hi)
{
    hi = std::min(hi, WheelSieve::kMaxValue);
    lo = std::min(lo, hi);
    m_lo = lo;
    m_hi = hi;
    const std::uint32_t s0 = WheelSieve::segmentOf(lo), s1 = WheelSieve::segmentOf(hi);
    m_total = s1 - s0 + 1;
    m_counts.reset(new std::atomic<std::uint32_t>[m_total]);
    for (std::uint32_t i = 0; i < m_total; ++i)
        m_counts[i].store(kNotCounted, std::memory_order_relaxed);
    for (int j = 1; j <= 9; ++j) {
        m_belowPowerInSegment[j] = 0;
        m_powerSegment[j] = (kPowers[j] > lo && kPowers[j] <= hi)
                                ? WheelSieve::segmentOf(kPowers[j]) - s0
                                : kOutside;
    }
    m_prefix = 0;
    m_nextChunk.store(0);
    m_lastNotify.store(0);
    m_stop.store(false);
}

void PrimeRangeCount::work(const std::function<void()>& notify, int notifyMs)
{
    using Clock = std::chrono::steady_clock;
    const auto now = [] {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
            .count();
    };
    const std::int64_t gap = std::int64_t(notifyMs) * 1000000;
    WheelSieve sieve(m_hi);
    const std::uint32_t s0 = WheelSieve::segmentOf(m_lo);
    for (;;) {
        const std::uint32_t first = m_nextChunk.fetch_add(1) * kChunk;
        if (first >= m_total)
            break;
        const std::uint32_t last = std::min(first + kChunk, m_total);
        sieve.begin(s0 + first);
        for (std::uint32_t i = first; i < last; ++i) {
            if (m_stop.load(std::memory_order_relaxed))
                return;
            sieve.next();
            for (int j = 1; j <= 9; ++j)
                if (m_powerSegment[j] == i)
                    m_belowPowerInSegment[j] = sieve.count(m_lo, kPowers[j] - 1);
            m_counts[i].store(sieve.count(m_lo, m_hi), std::memory_order_release);
            if (notify) {
                const std::int64_t t = now();
                std::int64_t before = m_lastNotify.load();
                if ((i == 0 || i + 1 == m_total || t - before >= gap)
                    && m_lastNotify.compare_exchange_strong(before, t))
                    notify();
            }
        }
    }
    if (notify)
        notify(); // this worker's last segment may have closed the gap
}

void PrimeRangeCount::start(std::uint32_t lo, std::uint32_t hi, std::function<void()> notify,
                            int notifyMs, unsigned workers)
{
    cancel();
    prepare(lo, hi);
    if (workers == 0)
        workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    workers = std::min<unsigned>(workers, (m_total + kChunk - 1) / kChunk);
    for (unsigned w = 0; w < workers; ++w)
        m_workers.emplace_back([this, notify, notifyMs] { work(notify, notifyMs); });
}

void PrimeRangeCount::runHere(std::uint32_t lo, std::uint32_t hi)
{
    cancel();
    prepare(lo, hi);
    work({}, 0);
}

void PrimeRangeCount::cancel()
{
    m_stop.store(true);
    for (std::thread& t : m_workers)
        t.join();
    m_workers.clear();
}

std::uint32_t PrimeRangeCount::segmentsDone() const
{
    while (m_prefix < m_total
           && m_counts[m_prefix].load(std::memory_order_acquire) != kNotCounted)
        ++m_prefix;
    return m_prefix;
}

std::uint32_t PrimeRangeCount::reached() const
{
    const std::uint32_t done = segmentsDone();
    if (done == segmentTotal())
        return m_hi;
    if (done == 0)
        return m_lo;
    const std::uint64_t end =
        std::uint64_t(WheelSieve::segmentOf(m_lo) + done) * WheelSieve::kSegmentSpan - 1;
    return std::uint32_t(std::min<std::uint64_t>(end, m_hi));
}

void PrimeRangeCount::primesByDigits(std::uint32_t done, std::uint64_t (&out)[11]) const
{
    std::uint64_t total = 0;
    std::uint64_t before[10] = {}; // primes in the segments before each power's segment
    for (std::uint32_t i = 0; i < done; ++i) {
        for (int j = 1; j <= 9; ++j)
            if (m_powerSegment[j] == i)
                before[j] = total;
        total += segmentCount(i);
    }
    std::uint64_t below[11];
    below[0] = 0;
    below[10] = total;
    for (int j = 1; j <= 9; ++j) {
        if (kPowers[j] <= m_lo)
            below[j] = 0;
        else if (kPowers[j] > m_hi)
            below[j] = total;
        else
            below[j] = m_powerSegment[j] < done ? before[j] + m_belowPowerInSegment[j] : total;
    }
    out[0] = 0;
    for (int d = 1; d <= 10; ++d)
        out[d] = below[d] - below[d - 1];
}

// ---------------------------------------------------------------------------------------
// Line texts

PrimeLineSource::PrimeLineSource() : m_sieve(WheelSieve::kMaxValue) {}

void PrimeLineSource::reset(const PrimeRangeCount* count)
{
    m_count = count;
    m_before.assign(1, 0);
    m_cache.clear();
}

void PrimeLineSource::update(std::uint32_t done)
{
    if (!m_count)
        return;
    while (m_before.size() <= done) {
        const std::size_t i = m_before.size() - 1;
        m_before.push_back(m_before.back() + m_count->segmentCount(std::uint32_t(i)));
    }
}

const PrimeLineSource::Cached& PrimeLineSource::segmentBits(std::uint32_t i)
{
    for (auto it = m_cache.begin(); it != m_cache.end(); ++it)
        if (it->index == i) {
            m_cache.splice(m_cache.begin(), m_cache, it);
            return m_cache.front();
        }
    if (m_cache.size() >= kCachedSegments)
        m_cache.pop_back();
    m_cache.push_front({i, {}, {}});
    Cached& c = m_cache.front();
    const std::uint32_t s = WheelSieve::segmentOf(m_count->lo()) + i;
    m_sieve.sieveAt(s);
    m_sieve.rangeBits(m_count->lo(), m_count->hi(), c.bits);
    if (s == 0)
        for (std::uint32_t p : {2u, 3u, 5u})
            if (p >= m_count->lo() && p <= m_count->hi())
                c.small.push_back(p);
    return c;
}

void PrimeLineSource::primesAt(std::uint64_t first, std::uint32_t n,
                               std::vector<std::uint32_t>& out)
{
    out.clear();
    if (!m_count || n == 0 || m_before.size() < 2)
        return;
    auto it = std::upper_bound(m_before.begin(), m_before.end(), first);
    if (it == m_before.end())
        return; // not counted yet
    std::uint32_t seg = std::uint32_t(it - m_before.begin() - 1);
    std::uint64_t skip = first - m_before[seg]; // primes of the segment to pass over
    for (; out.size() < n && seg + 1 < m_before.size(); ++seg, skip = 0) {
        if (m_before[seg + 1] == m_before[seg])
            continue; // no primes here
        const Cached& c = segmentBits(seg);
        if (skip < c.small.size()) {
            for (; skip < c.small.size() && out.size() < n; ++skip)
                out.push_back(c.small[skip]);
            skip = 0;
        } else {
            skip -= c.small.size();
        }
        const std::uint32_t s = WheelSieve::segmentOf(m_count->lo()) + seg;
        const std::size_t words = c.bits.size() / 8;
        for (std::size_t w = 0; w < words && out.size() < n; ++w) {
            std::uint64_t x;
            std::memcpy(&x, c.bits.data() + 8 * w, 8);
            const int ones = std::popcount(x);
            if (skip >= std::uint64_t(ones)) {
                skip -= std::uint64_t(ones);
                continue;
            }
            for (; skip > 0; --skip)
                x &= x - 1;
            while (x && out.size() < n) {
                out.push_back(WheelSieve::numberAt(s, 64 * w + std::countr_zero(x)));
                x &= x - 1;
            }
        }
    }
}

std::string PrimeLineSource::lineText(const LineSpan& span)
{
    std::vector<std::uint32_t> ps;
    primesAt(span.firstPrime, span.count, ps);
    std::string text;
    text.reserve(kLineWidth);
    for (std::uint32_t p : ps) {
        text += std::to_string(p);
        text += "  ";
    }
    return text;
}

std::vector<std::string> primeLines(std::uint32_t lo, std::uint32_t hi)
{
    if (lo > hi)
        std::swap(lo, hi);
    PrimeRangeCount count;
    count.runHere(lo, hi);
    std::uint64_t byDigits[11];
    count.primesByDigits(count.segmentsDone(), byDigits);
    PrimeLineLayout layout;
    layout.build(byDigits, true);
    PrimeLineSource source;
    source.reset(&count);
    source.update(count.segmentsDone());
    std::vector<std::string> lines;
    for (std::uint64_t i = 0; i < layout.lineCount(); ++i)
        lines.push_back(source.lineText(layout.line(i)));
    return lines;
}

} // namespace quorvel::primes
