#include "numsyscore.h"

#include "conversionerror.h"
#include "decimalint.h"

#include <bitset>
#include <limits>

namespace quorvel::numsys {

namespace {
constexpr qint64 kMaxInt = std::numeric_limits<qint32>::max();
} // namespace

const std::array<std::array<const char*, 9>, 4> kRomanDigits = {{
    {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"},
    {"X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"},
    {"C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"},
    {"M", "MM", "MMM", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
}};

const std::array<QStringList, 3> kForbiddenRoman = {{
    {"VV", "LL", "DD", "VX", "VL", "VC", "VD", "VM", "LC", "LD", "LM", "DM", "IL", "IC", "ID",
     "IM"},
    {"XXL", "XXC", "XXD", "XXM", "IIL", "IIC", "IID", "IIM"},
    {"IIII", "XXXX", "CCCC", "MMMM"},
}};

const std::array<SystemInfo, kSystemCount> kSystems = {{
    {NumeralSystem::Roman, 0, "BitBtnZSys01", "Römische Zahlen", "Arabische Zahl", "Römische Zahl"},
    {NumeralSystem::Base2, 2, "BitBtnZSys02", "Dualsystem", "Dezimalzahl", "Dualzahl"},
    {NumeralSystem::Base3, 3, "BitBtnZSys03", "Dreiersystem", "Dezimalzahl", "Dreierzahl"},
    {NumeralSystem::Base8, 8, "BitBtnZSys04", "Oktalsystem", "Dezimalzahl", "Oktalzahl"},
    {NumeralSystem::Base16, 16, "BitBtnZSys05", "Hexadezimalsystem", "Dezimalzahl",
     "Hexadezimalzahl"},
}};

const SystemInfo& systemInfo(NumeralSystem s) { return kSystems[std::size_t(s)]; }

QString upperAscii(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return out;
}

TextResult DezimalZuRoemisch(qint32 value)
{
    if (value < 0)
        return {{}, ConvError::NotAnInteger};
    if (value > 3999)
        return {{}, ConvError::TooLarge};
    // Walk the places from the thousands down; a 0 digit writes nothing.
    QString out;
    int divisor = 1000;
    for (int place = 3; place >= 0; --place, divisor /= 10) {
        const int digit = (value / divisor) % 10;
        if (digit > 0)
            out += QLatin1String(kRomanDigits[std::size_t(place)][std::size_t(digit - 1)]);
    }
    return {out, ConvError::None};
}

namespace {

// Letters as 1..7 (3 bits each), so a window of up to four letters is a 12-bit code.
int romanLetterCode(QChar c)
{
    const qsizetype i = kRomanLetters.indexOf(c);
    return i < 0 ? 0 : int(i) + 1;
}

// The forbidden list as lookup tables, one per window length, built from the list above.
const std::array<std::bitset<4096>, 3>& forbiddenCodes()
{
    static const std::array<std::bitset<4096>, 3> table = [] {
        std::array<std::bitset<4096>, 3> t;
        for (std::size_t i = 0; i < kForbiddenRoman.size(); ++i) {
            for (const QString& seq : kForbiddenRoman[i]) {
                int code = 0;
                for (QChar c : seq)
                    code = (code << 3) | romanLetterCode(c);
                t[i].set(std::size_t(code));
            }
        }
        return t;
    }();
    return table;
}

} // namespace

bool romanFormatBad(const QString& upper)
{
    const auto& forbidden = forbiddenCodes();
    // `recent` holds the last four letters; each window length is checked once it fits.
    int recent = 0;
    for (qsizetype pos = 0; pos < upper.size(); ++pos) {
        const int letter = romanLetterCode(upper[pos]);
        if (letter == 0)
            return true;
        recent = ((recent << 3) | letter) & 0xFFF;
        for (std::size_t k = 0; k < forbidden.size(); ++k) {
            const qsizetype len = qsizetype(k) + 2;
            if (pos + 1 >= len && forbidden[k].test(std::size_t(recent & ((1 << (3 * len)) - 1))))
                return true;
        }
    }
    return false;
}

ValueResult RoemischZuDezimal(const QString& text)
{
    ValueResult r;
    r.text = upperAscii(text);
    if (romanFormatBad(r.text)) {
        r.error = ConvError::BadFormat;
        return r;
    }
    // Left to right; a letter looks only at the one that follows it.
    qint64 sum = 0;
    const qsizetype n = r.text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = r.text[i].toLatin1();
        const char next = i + 1 < n ? r.text[i + 1].toLatin1() : '\0';
        switch (c) {
        case 'M': sum += 1000; break;
        case 'D': sum += 500; break;
        case 'L': sum += 50; break;
        case 'V': sum += 5; break;
        case 'C': sum += (next == 'M' || next == 'D') ? -100 : 100; break;
        case 'X': sum += (next == 'C' || next == 'L') ? -10 : 10; break;
        case 'I': sum += (next == 'X' || next == 'V') ? -1 : 1; break;
        default: break;
        }
        // The sum never falls below zero (a subtracted letter is always followed by a
        // larger one), but a numeral of millions of letters can pass the 32-bit range.
        if (sum > kMaxInt + 1000) {
            r.error = ConvError::NotAnInteger;
            return r;
        }
    }
    if (sum > kMaxInt) {
        r.error = ConvError::NotAnInteger;
        return r;
    }
    r.value = qint32(sum);
    return r;
}

bool supportedBase(int base) { return base == 2 || base == 3 || base == 8 || base == 16; }

QString baseAlphabet(int base)
{
    static const QString digits = QStringLiteral("0123456789ABCDEF");
    return supportedBase(base) ? digits.left(base) : QString();
}

TextResult DezimalZuSystem(qint32 value, int base)
{
    if (!supportedBase(base))
        return {{}, ConvError::BadFormat};
    if (value < 0)
        return {{}, ConvError::NotAnInteger};
    const QString alphabet = baseAlphabet(base);
    QString out;
    do { // at least once, so 0 gives "0"
        out.prepend(alphabet[value % base]);
        value /= base;
    } while (value != 0);
    return {out, ConvError::None};
}

ValueResult SystemZuDezimal(const QString& text, int base)
{
    ValueResult r;
    r.text = upperAscii(text);
    const QString alphabet = baseAlphabet(base);
    if (alphabet.isEmpty() || r.text.isEmpty()) {
        r.error = ConvError::BadFormat;
        return r;
    }
    for (QChar c : r.text) {
        if (!alphabet.contains(c)) {
            r.error = ConvError::BadFormat;
            return r;
        }
    }
    qint64 sum = 0;
    for (QChar c : r.text) {
        sum = sum * base + alphabet.indexOf(c);
        if (sum > kMaxInt) { // leading zeros keep the sum at 0, so they never count here
            r.error = ConvError::NotAnInteger;
            return r;
        }
    }
    r.value = qint32(sum);
    return r;
}

std::optional<qint32> readInteger(const QString& text)
{
    qsizetype i = 0; // leading blanks are allowed, trailing ones are not
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    return parseDecimalInt32(text.mid(i).toStdString());
}

namespace {

// The step itself; noticeDecimalText / noticeSystemText are set only where they differ
// from the fields' final texts (`ownNoticeTexts`).
CalcOutcome decide(NumeralSystem system, const QString& decimalText, const QString& systemText,
                   bool& ownNoticeTexts)
{
    CalcOutcome o;
    o.decimalText = decimalText;
    o.systemText = systemText;
    if (decimalText.isEmpty() && systemText.isEmpty()) {
        o.notice = kNoValue;
        o.focusDecimal = true;
        return o;
    }
    if (!decimalText.isEmpty() && !systemText.isEmpty()) {
        // The pupil still sees both inputs behind the notice; they go when it is closed.
        o.notice = kTooManyInputs;
        o.decimalText.clear();
        o.systemText.clear();
        o.focusDecimal = true;
        o.noticeDecimalText = decimalText;
        o.noticeSystemText = systemText;
        ownNoticeTexts = true;
        return o;
    }

    const SystemInfo& info = systemInfo(system);
    if (!decimalText.isEmpty()) {
        const std::optional<qint32> value = readInteger(decimalText);
        if (!value) {
            o.error = integerConversionError(decimalText);
            return o;
        }
        // Negative values have no numeral here; the pupil is told why, the fields stay.
        if (*value < 0) {
            o.notice = kNegativeNumber;
            return o;
        }
        if (system == NumeralSystem::Roman) {
            const TextResult r = DezimalZuRoemisch(*value);
            if (r.error == ConvError::TooLarge) {
                o.notice = kRomanTooLarge;
                o.decimalText.clear();
                o.systemText.clear();
                return o;
            }
            o.systemText = r.text;
        } else {
            o.systemText = DezimalZuSystem(*value, info.base).text;
        }
        return o;
    }

    // Only the system field is filled: it is shown upper-cased whatever follows.
    const ValueResult r = system == NumeralSystem::Roman ? RoemischZuDezimal(systemText)
                                                         : SystemZuDezimal(systemText, info.base);
    o.systemText = r.text;
    switch (r.error) {
    case ConvError::None:
        o.decimalText = QString::number(r.value);
        break;
    case ConvError::BadFormat:
        if (system == NumeralSystem::Roman) {
            o.notice = kRomanBadFormat;
        } else {
            o.notice = kBaseBadFormat;
            // The wrong digits stay visible, upper-cased, behind the notice.
            o.noticeDecimalText = o.decimalText;
            o.noticeSystemText = r.text;
            o.systemText.clear();
            ownNoticeTexts = true;
            return o;
        }
        break;
    case ConvError::NotAnInteger:
    case ConvError::TooLarge:
        // A valid numeral whose value passes 2147483647; the fields stay as they are.
        o.notice = kValueTooLarge;
        break;
    }
    return o;
}

} // namespace

CalcOutcome convertFields(NumeralSystem system, const QString& decimalText,
                          const QString& systemText)
{
    bool ownNoticeTexts = false;
    CalcOutcome o = decide(system, decimalText, systemText, ownNoticeTexts);
    if (!ownNoticeTexts) {
        o.noticeDecimalText = o.decimalText;
        o.noticeSystemText = o.systemText;
    }
    return o;
}

} // namespace quorvel::numsys
