#include "wheelsieve.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace quorvel::primes {

namespace {

constexpr std::uint8_t kResidue[8] = {1, 7, 11, 13, 17, 19, 23, 29};

struct WheelTables {
    std::uint8_t carry[8][8]; // (r_c * r_w) / 30
    std::uint8_t keep[8][8];  // byte mask that clears the bit of (r_c * r_w) mod 30
};

constexpr WheelTables makeTables()
{
    WheelTables t{};
    for (int c = 0; c < 8; ++c)
        for (int w = 0; w < 8; ++w) {
            const int prod = kResidue[c] * kResidue[w];
            t.carry[c][w] = std::uint8_t(prod / 30);
            int bit = 0;
            while (kResidue[bit] != prod % 30)
                ++bit;
            t.keep[c][w] = std::uint8_t(~(1u << bit));
        }
    return t;
}

constexpr WheelTables kTables = makeTables();

// Index of a residue in the wheel, or -1 for numbers sharing a factor with 30.
constexpr int residueIndex(std::uint32_t r)
{
    for (int i = 0; i < 8; ++i)
        if (kResidue[i] == r)
            return i;
    return -1;
}

constexpr std::uint32_t kPeriodA = 7 * 11 * 13 * 17;
constexpr std::uint32_t kPeriodB = 19 * 23 * 29 * 31;

std::vector<std::uint8_t> makePattern(std::uint32_t period, std::initializer_list<std::uint32_t> ps)
{
    std::vector<std::uint8_t> pat(period + WheelSieve::kSegmentBytes, 0xFF);
    const std::uint64_t end = 30ull * pat.size();
    for (std::uint32_t p : ps)
        for (std::uint64_t n = p; n < end; n += 2 * p) {
            const int t = residueIndex(std::uint32_t(n % 30));
            if (t >= 0)
                pat[n / 30] &= std::uint8_t(~(1u << t));
        }
    return pat;
}

// Crosses off the multiples of one sieving prime in bytes [0, size) of the segment that
// starts at absolute byte `start`. One turn of the wheel covers p bytes and hits eight
// of them, always at the same offsets: that turn is unrolled.
template <int C>
inline void crossPrime(std::uint8_t* s, std::uint32_t start, std::int32_t size,
                       std::uint32_t& base, std::uint8_t& wheel, std::uint32_t k)
{
    const std::int32_t p = std::int32_t(30 * k + kResidue[C]);
    const std::int32_t off[8] = {
        std::int32_t(k * 1 + kTables.carry[C][0]),  std::int32_t(k * 7 + kTables.carry[C][1]),
        std::int32_t(k * 11 + kTables.carry[C][2]), std::int32_t(k * 13 + kTables.carry[C][3]),
        std::int32_t(k * 17 + kTables.carry[C][4]), std::int32_t(k * 19 + kTables.carry[C][5]),
        std::int32_t(k * 23 + kTables.carry[C][6]), std::int32_t(k * 29 + kTables.carry[C][7])};
    constexpr std::uint8_t m0 = kTables.keep[C][0], m1 = kTables.keep[C][1],
                           m2 = kTables.keep[C][2], m3 = kTables.keep[C][3],
                           m4 = kTables.keep[C][4], m5 = kTables.keep[C][5],
                           m6 = kTables.keep[C][6], m7 = kTables.keep[C][7];
    constexpr std::uint8_t mask[8] = {m0, m1, m2, m3, m4, m5, m6, m7};

    std::int32_t i = std::int32_t(std::int64_t(base) - std::int64_t(start));
    unsigned w = wheel;
    if (w != 0) {
        for (; w < 8; ++w) {
            const std::int32_t j = i + off[w];
            if (j >= size) {
                base = std::uint32_t(std::int64_t(start) + i);
                wheel = std::uint8_t(w);
                return;
            }
            s[j] &= mask[w];
        }
        i += p;
    }
    const std::int32_t o0 = off[0], o1 = off[1], o2 = off[2], o3 = off[3], o4 = off[4],
                       o5 = off[5], o6 = off[6], o7 = off[7];
    while (i + o7 < size) {
        std::uint8_t* q = s + i;
        q[o0] &= m0;
        q[o1] &= m1;
        q[o2] &= m2;
        q[o3] &= m3;
        q[o4] &= m4;
        q[o5] &= m5;
        q[o6] &= m6;
        q[o7] &= m7;
        i += p;
    }
    for (w = 0; w < 8; ++w) {
        const std::int32_t j = i + off[w];
        if (j >= size)
            break;
        s[j] &= mask[w];
    }
    base = std::uint32_t(std::int64_t(start) + i);
    wheel = std::uint8_t(w);
}

} // namespace

WheelSieve::WheelSieve(std::uint32_t limit) : m_limit(std::min(limit, kMaxValue))
{
    // The pre-sieve patterns are the same for every sieve: made once, then shared.
    static const std::vector<std::uint8_t> patternA = makePattern(kPeriodA, {7, 11, 13, 17});
    static const std::vector<std::uint8_t> patternB = makePattern(kPeriodB, {19, 23, 29, 31});
    m_patternA = patternA.data();
    m_patternB = patternB.data();
    m_bits.resize(kSegmentBytes + 8);

    // Sieving primes: those up to the square root of the limit, above the pre-sieved 31.
    const std::uint32_t root = std::uint32_t(std::sqrt(double(m_limit))) + 1;
    std::vector<bool> composite(root + 1, false);
    for (std::uint32_t i = 2; i <= root; ++i) {
        if (composite[i])
            continue;
        for (std::uint64_t j = std::uint64_t(i) * i; j <= root; j += i)
            composite[j] = true;
        if (i > 31 && std::uint64_t(i) * i <= m_limit)
            m_primes.push_back({i / 30, std::uint8_t(residueIndex(i % 30)), 0, 0});
    }
}

void WheelSieve::startPrimes(std::uint32_t s)
{
    const std::uint64_t startByte = std::uint64_t(s) * kSegmentBytes;
    for (Prime& pr : m_primes) {
        const std::uint64_t p = 30ull * pr.k + kResidue[pr.c];
        std::uint64_t q = std::max<std::uint64_t>(p, (30 * startByte + p - 1) / p);
        const std::uint64_t m = q / 30;
        const std::uint32_t r = std::uint32_t(q % 30);
        int w = 0;
        while (kResidue[w] < r)
            ++w;
        pr.w = std::uint8_t(w);
        pr.base = std::uint32_t(m * p);
    }
    m_active = 0;
}

void WheelSieve::fill(std::uint32_t s)
{
    const std::uint64_t start = std::uint64_t(s) * kSegmentBytes;
    const std::uint32_t lastByte = m_limit / 30;
    const std::uint32_t size =
        std::uint32_t(std::min<std::uint64_t>(kSegmentBytes, lastByte + 1 - start));
    std::memcpy(m_bits.data(), m_patternA + start % kPeriodA, size);
    const std::uint8_t* b = m_patternB + start % kPeriodB;
    std::uint8_t* d = m_bits.data();
    std::uint32_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, d + i, 8);
        std::memcpy(&y, b + i, 8);
        x &= y;
        std::memcpy(d + i, &x, 8);
    }
    for (; i < size; ++i)
        d[i] &= b[i];
    std::memset(d + size, 0, m_bits.size() - size);
    if (s == 0) {
        d[0] = 0xFE; // 1 is no prime; 7 to 29 are
        if (size > 1)
            d[1] |= 1; // 31
    }
    m_segment = s;
    cross(size);
}

void WheelSieve::cross(std::uint32_t size)
{
    const std::uint32_t start = m_segment * kSegmentBytes;
    const std::uint64_t end = 30ull * (std::uint64_t(start) + size);
    while (m_active < m_primes.size()) {
        const Prime& pr = m_primes[m_active];
        const std::uint64_t p = 30ull * pr.k + kResidue[pr.c];
        if (p * p >= end)
            break;
        ++m_active;
    }
    std::uint8_t* bits = m_bits.data();
    const std::int32_t sz = std::int32_t(size);
    for (std::uint32_t n = 0; n < m_active; ++n) {
        Prime& pr = m_primes[n];
        std::uint32_t base = pr.base;
        switch (pr.c) {
        case 0: crossPrime<0>(bits, start, sz, base, pr.w, pr.k); break;
        case 1: crossPrime<1>(bits, start, sz, base, pr.w, pr.k); break;
        case 2: crossPrime<2>(bits, start, sz, base, pr.w, pr.k); break;
        case 3: crossPrime<3>(bits, start, sz, base, pr.w, pr.k); break;
        case 4: crossPrime<4>(bits, start, sz, base, pr.w, pr.k); break;
        case 5: crossPrime<5>(bits, start, sz, base, pr.w, pr.k); break;
        case 6: crossPrime<6>(bits, start, sz, base, pr.w, pr.k); break;
        default: crossPrime<7>(bits, start, sz, base, pr.w, pr.k); break;
        }
        pr.base = base;
    }
}

void WheelSieve::begin(std::uint32_t first)
{
    startPrimes(first);
    m_next = first;
}

std::uint32_t WheelSieve::next()
{
    fill(m_next);
    ++m_next;
    return m_segment;
}

void WheelSieve::sieveAt(std::uint32_t s)
{
    startPrimes(s);
    fill(s);
    m_next = s + 1;
}

template <class F>
void WheelSieve::forBits(std::uint32_t lo, std::uint32_t hi, F&& f) const
{
    const std::uint64_t start = std::uint64_t(m_segment) * kSegmentBytes;
    const std::uint32_t lastByte = m_limit / 30;
    const std::uint64_t segLast = std::min<std::uint64_t>(start + kSegmentBytes, lastByte + 1ull) - 1;
    hi = std::min(hi, m_limit);
    if (lo > hi)
        return;
    const std::uint64_t b0 = std::max<std::uint64_t>(start, lo / 30);
    const std::uint64_t b1 = std::min<std::uint64_t>(segLast, hi / 30);
    if (b0 > b1)
        return;
    // Bits of the first and the last byte that lie in [lo, hi].
    auto within = [&](std::uint64_t b) {
        std::uint8_t m = 0;
        for (int t = 0; t < 8; ++t) {
            const std::uint64_t n = 30 * b + kResidue[t];
            if (n >= lo && n <= hi)
                m |= std::uint8_t(1u << t);
        }
        return m;
    };
    f(b0 - start, b1 - start, within(b0), within(b1));
}

std::uint32_t WheelSieve::count(std::uint32_t lo, std::uint32_t hi) const
{
    std::uint32_t n = 0;
    if (m_segment == 0)
        for (std::uint32_t small : {2u, 3u, 5u})
            if (small >= lo && small <= hi)
                ++n;
    forBits(lo, hi, [&](std::uint64_t i0, std::uint64_t i1, std::uint8_t first, std::uint8_t last) {
        const std::uint8_t* d = m_bits.data();
        if (i0 == i1) {
            n += std::popcount(std::uint8_t(d[i0] & first & last));
            return;
        }
        n += std::popcount(std::uint8_t(d[i0] & first));
        n += std::popcount(std::uint8_t(d[i1] & last));
        std::uint64_t i = i0 + 1;
        for (; i < i1 && (i & 7) != 0; ++i)
            n += std::popcount(d[i]);
        for (; i + 8 <= i1; i += 8) {
            std::uint64_t x;
            std::memcpy(&x, d + i, 8);
            n += std::popcount(x);
        }
        for (; i < i1; ++i)
            n += std::popcount(d[i]);
    });
    return n;
}

void WheelSieve::primes(std::uint32_t lo, std::uint32_t hi, std::vector<std::uint32_t>& out) const
{
    if (m_segment == 0)
        for (std::uint32_t small : {2u, 3u, 5u})
            if (small >= lo && small <= hi)
                out.push_back(small);
    const std::uint64_t start = std::uint64_t(m_segment) * kSegmentBytes;
    forBits(lo, hi, [&](std::uint64_t i0, std::uint64_t i1, std::uint8_t first, std::uint8_t last) {
        const std::uint8_t* d = m_bits.data();
        for (std::uint64_t i = i0; i <= i1; ++i) {
            unsigned byte = d[i];
            if (i == i0)
                byte &= first;
            if (i == i1)
                byte &= last;
            const std::uint32_t base = std::uint32_t(30 * (start + i));
            while (byte) {
                const int t = std::countr_zero(byte);
                out.push_back(base + kResidue[t]);
                byte &= byte - 1;
            }
        }
    });
}

void WheelSieve::rangeBits(std::uint32_t lo, std::uint32_t hi, std::vector<std::uint8_t>& out) const
{
    out.assign(kSegmentBytes, 0);
    forBits(lo, hi, [&](std::uint64_t i0, std::uint64_t i1, std::uint8_t first, std::uint8_t last) {
        std::memcpy(out.data() + i0, m_bits.data() + i0, i1 - i0 + 1);
        out[i0] &= first;
        out[i1] &= last;
    });
}

std::uint32_t WheelSieve::numberAt(std::uint32_t s, std::uint64_t bit)
{
    return std::uint32_t(30 * (std::uint64_t(s) * kSegmentBytes + bit / 8) + kResidue[bit % 8]);
}

} // namespace quorvel::primes
