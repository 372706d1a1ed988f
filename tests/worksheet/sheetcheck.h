#pragma once
// The test's own solver: reads a task as a sheet's text shows it and works out the answer
// from scratch, with none of the program's drawing or solving code.

#include "worksheet.h"

#include <QRegularExpression>
#include <QString>
#include <numeric>

namespace sheetcheck {

using quorvel::worksheet::SheetKind;

inline long long num(const QString& t)
{
    QString s = t;
    s.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    return s.toLongLong();
}

inline QString operand(long long v) { return v < 0 ? QStringLiteral("(%1)").arg(v) : QString::number(v); }

inline QString reduced(long long n, long long d)
{
    const long long g = std::gcd(n, d);
    return QStringLiteral("%1/%2").arg(n / g).arg(d / g);
}

inline QString roman(int v)
{
    static const std::pair<int, const char*> parts[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"},
        {100, "C"}, {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString out;
    for (const auto& [value, text] : parts)
        while (v >= value) {
            out += QLatin1String(text);
            v -= value;
        }
    return out;
}

inline int fromRoman(const QString& r)
{
    for (int v = 1; v < 4000; ++v)
        if (roman(v) == r)
            return v;
    return -1;
}

inline QString factorList(long long n)
{
    QStringList f;
    for (long long p = 2; p * p <= n; ++p)
        while (n % p == 0) {
            f << QString::number(p);
            n /= p;
        }
    if (n > 1)
        f << QString::number(n);
    return f.join(QStringLiteral(" · "));
}

inline QString decimalOf(long long n, long long d)
{
    QString out = QString::number(n / d);
    long long r = n % d;
    if (r)
        out += QLatin1Char(',');
    for (int i = 0; r && i < 12; ++i) {
        r *= 10;
        out += QString::number(r / d);
        r %= d;
    }
    return out;
}

struct Frac { long long n, d; };
inline Frac frac(const QString& t)
{
    const auto parts = t.split(QLatin1Char('/'));
    return {parts.value(0).toLongLong(), parts.value(1).toLongLong()};
}

// Unit sizes in the family's smallest unit, by family 1..6.
inline long double unitSize(const QString& unit)
{
    static const std::vector<std::pair<const char*, long double>> sizes = {
        {"mg", 1}, {"g", 1e3L}, {"kg", 1e6L}, {"t", 1e9L}, {"mm", 1}, {"cm", 10}, {"dm", 100}, {"m", 1e3L},
        {"km", 1e6L}, {"mm²", 1}, {"cm²", 1e2L}, {"dm²", 1e4L}, {"m²", 1e6L}, {"a", 1e8L}, {"ha", 1e10L},
        {"km²", 1e12L}, {"mm³", 1}, {"cm³", 1e3L}, {"dm³", 1e6L}, {"m³", 1e9L}, {"km³", 1e18L},
        {"msec", 1}, {"sec", 1000}, {"min", 60000}, {"h", 3600000}, {"d", 86400000}, {"ct", 1}, {"€", 100}};
    for (const auto& [name, size] : sizes)
        if (unit == QString::fromUtf8(name))
            return size;
    return -1;
}

inline QRegularExpressionMatch match(const QString& pattern, const QString& text)
{
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(text);
}

// The key's text for a task of `kind`; for units only the number is compared (see
// unitAnswerClose). Empty when the task text cannot be read.
inline QString keyFor(const SheetKind& kind, const QString& task, bool intoDecimal = false)
{
    using quorvel::worksheet::Topic;
    const QString w = kind.kindWord;
    const QString n = QStringLiteral("(\\(?-?\\d+\\)?)");
    if (kind.topic == Topic::Basic && !w.startsWith(QLatin1String("luecken"))) {
        const auto m = match(n + QStringLiteral(" ([-+x:]) ") + n + QStringLiteral(" ="), task);
        if (!m.hasMatch())
            return {};
        const long long a = num(m.captured(1)), b = num(m.captured(3));
        const QChar op = m.captured(2)[0];
        const long long r = op == '+' ? a + b : op == '-' ? a - b : op == 'x' ? a * b : (b ? a / b : 0);
        if (op == ':' && (b == 0 || a % b != 0))
            return QStringLiteral("(inexact)");
        return task + QLatin1Char(' ') + QString::number(r);
    }
    if (kind.topic == Topic::Basic) {
        const auto m = match(n + QStringLiteral(" ([-+x:]) = ") + n, task);
        if (!m.hasMatch())
            return {};
        const long long a = num(m.captured(1)), c = num(m.captured(3));
        const QChar op = m.captured(2)[0];
        const long long b = op == '+' ? c - a : op == '-' ? a - c : op == 'x' ? (a ? c / a : 0) : (c ? a / c : 0);
        return QStringLiteral("%1 %2 %3 = %4").arg(m.captured(1), QString(op), QString::number(b), m.captured(3));
    }
    if (kind.topic == Topic::Units) {
        const auto m = match(QStringLiteral("(\\S+) (\\S+) = (\\S+)"), task);
        if (!m.hasMatch())
            return {};
        return task; // the number itself is checked by unitAnswerClose
    }
    if (kind.topic == Topic::NumberSystems) {
        const auto m = match(QStringLiteral("(\\S+) ="), task);
        if (!m.hasMatch())
            return {};
        const int base = w == QLatin1String("dual") ? 2 : w == QLatin1String("dreier") ? 3
                       : w == QLatin1String("oktal") ? 8 : w == QLatin1String("hexadezimal") ? 16 : 0;
        const QString shown = m.captured(1);
        QString answer;
        if (intoDecimal)
            answer = base ? QString::number(shown.toLongLong(nullptr, base)) : QString::number(fromRoman(shown));
        else
            answer = base ? QString::number(shown.toInt(), base).toUpper() : roman(shown.toInt());
        return task + QLatin1Char(' ') + answer;
    }
    if (kind.topic == Topic::Primes) {
        if (w == QLatin1String("teilbarkeit")) {
            const auto m = match(QStringLiteral("Ist die Zahl (\\d+) durch (\\d+) teilbar\\?"), task);
            if (!m.hasMatch())
                return {};
            const bool yes = m.captured(1).toLongLong() % m.captured(2).toLongLong() == 0;
            return task + (yes ? QStringLiteral(" Ja") : QStringLiteral(" Nein"));
        }
        if (w == QLatin1String("primfaktorzerlegung")) {
            const auto m = match(QStringLiteral("(\\d+) ="), task);
            return m.hasMatch() ? task + QLatin1Char(' ') + factorList(m.captured(1).toLongLong()) : QString();
        }
        const auto m = match(QStringLiteral("(ggT|kgV)\\(([\\d ;]+)\\) ="), task);
        if (!m.hasMatch())
            return {};
        long long r = m.captured(1) == QLatin1String("ggT") ? 0 : 1;
        for (const QString& part : m.captured(2).split(QStringLiteral(" ; ")))
            r = m.captured(1) == QLatin1String("ggT") ? std::gcd(r, part.toLongLong()) : std::lcm(r, part.toLongLong());
        return task + QLatin1Char(' ') + QString::number(r);
    }
    // Fractions.
    const QString f = QStringLiteral("(\\d+/\\d+)");
    if (kind.item <= 4) {
        const auto m = match(f + QStringLiteral(" ([-+x:]) ") + f + QStringLiteral(" ="), task);
        if (!m.hasMatch())
            return {};
        const Frac a = frac(m.captured(1)), b = frac(m.captured(3));
        const QChar op = m.captured(2)[0];
        long long rn = 0, rd = 1;
        if (op == '+') { rn = a.n * b.d + b.n * a.d; rd = a.d * b.d; }
        if (op == '-') { rn = a.n * b.d - b.n * a.d; rd = a.d * b.d; }
        if (op == 'x') { rn = a.n * b.n; rd = a.d * b.d; }
        if (op == ':') { rn = a.n * b.d; rd = a.d * b.n; }
        return task + QLatin1Char(' ') + reduced(rn, rd);
    }
    if (kind.item == 10 || kind.item == 11) {
        const bool expand = kind.item == 10;
        if (auto m = match(f + QStringLiteral(" = \\(mit (\\d+)\\)"), task); m.hasMatch()) {
            const Frac a = frac(m.captured(1));
            const long long k = m.captured(2).toLongLong();
            const QString r = expand ? QStringLiteral("%1/%2").arg(a.n * k).arg(a.d * k)
                                     : QStringLiteral("%1/%2").arg(a.n / k).arg(a.d / k);
            return m.captured(1) + QStringLiteral(" = ") + r + QStringLiteral(" (mit %1)").arg(k);
        }
        if (auto m = match(f + QStringLiteral(" = ") + f + QStringLiteral(" mit"), task); m.hasMatch()) {
            const Frac a = frac(m.captured(1)), b = frac(m.captured(2));
            return task + QLatin1Char(' ') + QString::number(expand ? b.d / a.d : a.d / b.d);
        }
        if (auto m = match(f + QStringLiteral(" = /(\\d+)"), task); m.hasMatch()) {
            const Frac a = frac(m.captured(1));
            const long long d = m.captured(2).toLongLong();
            return m.captured(1) + QStringLiteral(" = %1/%2").arg(a.n * d / a.d).arg(d);
        }
        if (auto m = match(f + QStringLiteral(" = (\\d+)/"), task); m.hasMatch()) {
            const Frac a = frac(m.captured(1));
            const long long nn = m.captured(2).toLongLong();
            return m.captured(1) + QStringLiteral(" = %1/%2").arg(nn).arg(nn * a.d / a.n);
        }
        return {};
    }
    if (kind.item == 12) {
        const auto m = match(f + QStringLiteral(" ; ") + f + QStringLiteral(" ; ") + f + QStringLiteral(" Platz:"), task);
        if (!m.hasMatch())
            return {};
        QStringList places;
        for (int i = 1; i <= 3; ++i) {
            const Frac a = frac(m.captured(i));
            std::vector<std::pair<long long, long long>> smaller; // distinct values below
            for (int j = 1; j <= 3; ++j) {
                const Frac b = frac(m.captured(j));
                if (b.n * a.d < a.n * b.d) {
                    const long long g = std::gcd(b.n, b.d);
                    const std::pair<long long, long long> v{b.n / g, b.d / g};
                    if (std::find(smaller.begin(), smaller.end(), v) == smaller.end())
                        smaller.push_back(v);
                }
            }
            places << QString::number(smaller.size() + 1);
        }
        return task + QLatin1Char(' ') + places.join(QLatin1Char(' '));
    }
    if (kind.item == 13) {
        const auto m = match(f + QLatin1Char(' ') + f, task);
        if (!m.hasMatch())
            return {};
        const Frac a = frac(m.captured(1)), b = frac(m.captured(2));
        const long long l = a.n * b.d, r = b.n * a.d;
        return m.captured(1) + (l > r ? QStringLiteral(" > ") : l < r ? QStringLiteral(" < ") : QStringLiteral(" = "))
               + m.captured(2);
    }
    if (kind.item == 14) {
        const auto m = match(f + QStringLiteral(" von (\\d+) ="), task);
        if (!m.hasMatch())
            return {};
        const Frac a = frac(m.captured(1));
        return task + QLatin1Char(' ') + reduced(a.n * m.captured(2).toLongLong(), a.d);
    }
    if (kind.item == 15) {
        const auto m = match(QStringLiteral("(\\d+),(\\d+) ="), task);
        if (!m.hasMatch())
            return {};
        long long d = 1;
        for (int i = 0; i < m.captured(2).size(); ++i)
            d *= 10;
        return task + QLatin1Char(' ') + reduced((m.captured(1) + m.captured(2)).toLongLong(), d);
    }
    const auto m = match(f + QStringLiteral(" ="), task);
    if (!m.hasMatch())
        return {};
    const Frac a = frac(m.captured(1));
    return task + QLatin1Char(' ') + decimalOf(a.n, a.d);
}

// Units: "2,5 kg = g" against "2,5 kg = 2500 g", to 12 significant digits.
inline bool unitAnswerClose(const QString& task, const QString& key)
{
    const auto t = match(QStringLiteral("(\\S+) (\\S+) = (\\S+)"), task);
    const auto k = match(QStringLiteral("(\\S+) (\\S+) = (\\S+) (\\S+)"), key);
    if (!t.hasMatch() || !k.hasMatch() || k.captured(4) != t.captured(3) || k.captured(1) != t.captured(1))
        return false;
    auto value = [](QString s) { return s.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); };
    const long double expected = value(t.captured(1)) * unitSize(t.captured(2)) / unitSize(t.captured(3));
    const long double got = value(k.captured(3));
    const long double scale = std::max<long double>(1e-30L, expected < 0 ? -expected : expected);
    const long double diff = got - expected;
    return (diff < 0 ? -diff : diff) / scale < 1e-9L;
}

} // namespace sheetcheck
