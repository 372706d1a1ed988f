#include "decimaltext.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quorvel {

namespace {
constexpr int kSignificant = 15;
} // namespace

QString formatNumber(long double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    // Round to 15 significant digits first; the exponent after rounding decides the
    // form, so 999999999999999.9 becomes "1E15".
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                   kSignificant - 1);
    const std::string s(buf, res.ptr);
    const std::size_t ePos = s.find('e');
    std::string mantissa = s.substr(0, ePos);
    const int exponent = std::stoi(s.substr(ePos + 1));

    bool negative = false;
    if (!mantissa.empty() && mantissa[0] == '-') {
        negative = true;
        mantissa.erase(0, 1);
    }
    std::string digits;
    for (char c : mantissa)
        if (c >= '0' && c <= '9')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent < -4 || exponent >= kSignificant) {
        out = digits.substr(0, 1);
        if (digits.size() > 1)
            out += ',' + digits.substr(1);
        out += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        out = "0," + std::string(std::size_t(-exponent - 1), '0') + digits;
    } else {
        const std::size_t intDigits = std::size_t(exponent) + 1;
        if (digits.size() <= intDigits) {
            out = digits + std::string(intDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, intDigits) + ',' + digits.substr(intDigits);
        }
    }
    if (negative)
        out.insert(out.begin(), '-');
    return QString::fromLatin1(out.c_str());
}

bool parseNumber(const QString& text, long double& value)
{
    const QString t = text.trimmed();
    // sign, digits, an optional comma with digits, an optional exponent; at least one
    // digit in the mantissa.
    std::string plain;
    int i = 0;
    const int n = int(t.size());
    auto isDigit = [&](int k) { return k < n && t[k] >= QLatin1Char('0') && t[k] <= QLatin1Char('9'); };
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        plain += char(t[i++].unicode());
    int mantissaDigits = 0;
    while (isDigit(i)) {
        plain += char(t[i++].unicode());
        ++mantissaDigits;
    }
    if (i < n && t[i] == QLatin1Char(',')) {
        plain += '.';
        ++i;
        while (isDigit(i)) {
            plain += char(t[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        plain += 'e';
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            plain += char(t[i++].unicode());
        int expDigits = 0;
        while (isDigit(i)) {
            plain += char(t[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;

    // from_chars takes no leading '+'.
    const char* first = plain.data();
    if (*first == '+')
        ++first;
    long double v = 0;
    const auto res = std::from_chars(first, plain.data() + plain.size(), v);
    if (res.ec != std::errc() || res.ptr != plain.data() + plain.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

long double roundToWritten(long double value)
{
    long double back = 0;
    parseNumber(formatNumber(value), back);
    return back;
}

} // namespace quorvel
