// The four conversions and the "&Umrechnen" step without a window: Roman numerals with
// their digit tables and forbidden sequences, bases 2, 3, 8 and 16, and every notice.
#include "numsyscore.h"
#include "conversionerror.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <set>
#include <string>

using namespace quorvel;
using namespace quorvel::numsys;

namespace {

// An independent Roman writer: greedy over the value/symbol pairs.
std::string referenceRoman(int v)
{
    static const std::pair<int, const char*> pairs[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"},
        {50, "L"},   {40, "XL"},  {10, "X"},  {9, "IX"},  {5, "V"},   {4, "IV"}, {1, "I"}};
    std::string out;
    for (auto [value, symbol] : pairs) {
        while (v >= value) {
            out += symbol;
            v -= value;
        }
    }
    return out;
}

// An independent digit writer.
std::string referenceDigits(std::int64_t v, int base)
{
    char buf[80];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, base);
    std::string s(buf, end);
    for (char& c : s)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The forbidden sequences as a pupil's worksheet lists them.
const std::set<std::string> kForbidden = {
    "VV", "LL", "DD", "VX", "VL", "VC", "VD", "VM", "LC", "LD", "LM", "DM", "IL", "IC",
    "ID", "IM", "XXL", "XXC", "XXD", "XXM", "IIL", "IIC", "IID", "IIM", "IIII", "XXXX",
    "CCCC", "MMMM"};

bool containsForbidden(const std::string& s)
{
    for (std::size_t len = 2; len <= 4; ++len)
        for (std::size_t i = 0; i + len <= s.size(); ++i)
            if (kForbidden.count(s.substr(i, len)))
                return true;
    return false;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

// ---------------------------------------------------------------- decimal -> Roman

struct RomanCase {
    qint32 value;
    const char* numeral;
};

class ToRoman : public ::testing::TestWithParam<RomanCase> {};

TEST_P(ToRoman, WritesPlaceByPlace)
{
    const TextResult r = DezimalZuRoemisch(GetParam().value);
    EXPECT_EQ(r.error, ConvError::None);
    EXPECT_EQ(r.text, QString::fromLatin1(GetParam().numeral));
}

INSTANTIATE_TEST_SUITE_P(Examples, ToRoman,
                         ::testing::Values(RomanCase{0, ""}, RomanCase{1, "I"},
                                           RomanCase{4, "IV"}, RomanCase{9, "IX"},
                                           RomanCase{19, "XIX"}, RomanCase{40, "XL"},
                                           RomanCase{90, "XC"}, RomanCase{400, "CD"},
                                           RomanCase{900, "CM"}, RomanCase{1994, "MCMXCIV"},
                                           RomanCase{2008, "MMVIII"},
                                           RomanCase{3888, "MMMDCCCLXXXVIII"},
                                           RomanCase{3999, "MMMCMXCIX"}));

TEST(ToRomanAll, EveryValueMatchesTheGreedyWriterAndReadsBack)
{
    for (int v = 0; v <= 3999; ++v) {
        const TextResult r = DezimalZuRoemisch(v);
        ASSERT_EQ(r.error, ConvError::None) << v;
        ASSERT_EQ(r.text, q(referenceRoman(v))) << v;
        const ValueResult back = RoemischZuDezimal(r.text);
        ASSERT_EQ(back.error, ConvError::None) << v;
        ASSERT_EQ(back.value, v);
    }
}

TEST(ToRomanLimits, AboveThreeThousandNineHundredNinetyNineIsTooLarge)
{
    for (qint32 v : {4000, 4001, 10000, 2147483647})
        EXPECT_EQ(DezimalZuRoemisch(v).error, ConvError::TooLarge) << v;
    for (qint32 v : {-1, -3999, -2147483647 - 1})
        EXPECT_EQ(DezimalZuRoemisch(v).error, ConvError::NotAnInteger) << v;
}

TEST(RomanTables, AreTheFourPlaceTables)
{
    for (int place = 0; place < 4; ++place) {
        const int unit = place == 0 ? 1 : place == 1 ? 10 : place == 2 ? 100 : 1000;
        for (int d = 1; d <= 9; ++d) {
            const char* entry = kRomanDigits[std::size_t(place)][std::size_t(d - 1)];
            if (place == 3 && d > 3) {
                EXPECT_EQ(entry, nullptr);
                continue;
            }
            EXPECT_EQ(std::string(entry), referenceRoman(d * unit));
        }
    }
}

// ---------------------------------------------------------------- Roman -> decimal

struct ReadCase {
    const char* input;
    const char* shown; // upper-cased
    qint32 value;
};

class FromRoman : public ::testing::TestWithParam<ReadCase> {};

TEST_P(FromRoman, ValuesLeftToRight)
{
    const ValueResult r = RoemischZuDezimal(QString::fromLatin1(GetParam().input));
    EXPECT_EQ(r.error, ConvError::None);
    EXPECT_EQ(r.text, QString::fromLatin1(GetParam().shown));
    EXPECT_EQ(r.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FromRoman,
    ::testing::Values(ReadCase{"IX", "IX", 9}, ReadCase{"XIX", "XIX", 19},
                      ReadCase{"MCMXCIV", "MCMXCIV", 1994}, ReadCase{"mcmxciv", "MCMXCIV", 1994},
                      ReadCase{"McmXciV", "MCMXCIV", 1994}, ReadCase{"MMMCMXCIX", "MMMCMXCIX", 3999},
                      ReadCase{"", "", 0}, ReadCase{"iii", "III", 3}));

// Sequences missing from the forbidden list pass and get the left-to-right value.
INSTANTIATE_TEST_SUITE_P(
    Unusual, FromRoman,
    ::testing::Values(ReadCase{"IIX", "IIX", 10},     // 1 - 1 + 10
                      ReadCase{"IIV", "IIV", 5},      // 1 - 1 + 5
                      ReadCase{"XD", "XD", 510},      // X subtracts only before C or L
                      ReadCase{"XM", "XM", 1010},
                      ReadCase{"CCD", "CCD", 500},    // 100 - 100 + 500
                      ReadCase{"CCM", "CCM", 1000},
                      ReadCase{"IXC", "IXC", 89},     // -1 - 10 + 100
                      ReadCase{"IXX", "IXX", 19},
                      ReadCase{"LXL", "LXL", 90},
                      ReadCase{"DCD", "DCD", 900},
                      ReadCase{"MCMC", "MCMC", 2000},
                      ReadCase{"IIIV", "IIIV", 6},    // 1 + 1 - 1 + 5
                      ReadCase{"MMMCMMM", "MMMCMMM", 5900})); // above 3999, still valid

class ForbiddenRoman : public ::testing::TestWithParam<std::string> {};

TEST_P(ForbiddenRoman, RefusedAloneAndInsideLongerNumerals)
{
    const std::string seq = GetParam();
    // Valid surroundings, so the sequence alone is the reason for the refusal.
    const std::pair<std::string, std::string> around[] = {
        {"", ""}, {"M", ""}, {"", "I"}, {"MM", "I"}, {"X", ""}, {"CX", "I"}};
    for (const auto& [pre, post] : around) {
        ASSERT_FALSE(romanFormatBad(q(pre))) << pre;
        ASSERT_FALSE(romanFormatBad(q(post))) << post;
        const std::string numeral = pre + seq + post;
        const ValueResult r = RoemischZuDezimal(q(numeral));
        EXPECT_EQ(r.error, ConvError::BadFormat) << numeral;
        EXPECT_EQ(r.text, q(numeral));
        // Lower case is upper-cased before the check, so it is refused alike.
        std::string lower = numeral;
        for (char& c : lower)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        const ValueResult rl = RoemischZuDezimal(q(lower));
        EXPECT_EQ(rl.error, ConvError::BadFormat) << lower;
        EXPECT_EQ(rl.text, q(numeral));
    }
}

INSTANTIATE_TEST_SUITE_P(All, ForbiddenRoman, ::testing::ValuesIn(kForbidden.begin(), kForbidden.end()));

TEST(ForbiddenRomanList, IsExactlyTheWorksheetList)
{
    std::set<std::string> listed;
    for (const QStringList& group : kForbiddenRoman)
        for (const QString& s : group)
            listed.insert(s.toStdString());
    EXPECT_EQ(listed, kForbidden);
    // Every numeral of up to five letters is refused exactly when it holds a listed sequence.
    const std::string letters = "IVXLCDM";
    std::vector<std::string> level = {""};
    for (int len = 1; len <= 5; ++len) {
        std::vector<std::string> next;
        for (const std::string& s : level)
            for (char c : letters)
                next.push_back(s + c);
        for (const std::string& s : next)
            ASSERT_EQ(RoemischZuDezimal(q(s)).error == ConvError::BadFormat, containsForbidden(s))
                << s;
        level = std::move(next);
    }
}

TEST(FromRomanBad, ForeignCharactersAreBadFormat)
{
    for (const char* s : {"MCMXCIVA", " XII", "XII ", "12", "X-I", "x i", "IO", "XIIii0"})
        EXPECT_EQ(RoemischZuDezimal(QString::fromLatin1(s)).error, ConvError::BadFormat) << s;
    // Only a to z are upper-cased: umlauts and other letters stay as typed and are foreign.
    const ValueResult r = RoemischZuDezimal(QStringLiteral("xiä"));
    EXPECT_EQ(r.error, ConvError::BadFormat);
    EXPECT_EQ(r.text, QStringLiteral("XIä"));
    EXPECT_EQ(RoemischZuDezimal(QStringLiteral("ⅻ")).error, ConvError::BadFormat);
}

TEST(FromRomanLimits, NumeralWhoseSumPassesThe32BitRangeIsNotAnInteger)
{
    // "MMMC" keeps clear of every forbidden sequence and adds 2900 each time.
    QString numeral;
    const int reps = 2147483647 / 2900;
    for (int i = 0; i < reps; ++i)
        numeral += QStringLiteral("MMMC");
    numeral += QStringLiteral("M");
    const ValueResult fits = RoemischZuDezimal(numeral);
    ASSERT_EQ(fits.error, ConvError::None);
    EXPECT_EQ(fits.value, qint64(reps) * 2900 + 1000);
    const ValueResult over = RoemischZuDezimal(numeral + QStringLiteral("CM"));
    EXPECT_EQ(over.error, ConvError::NotAnInteger);
}

// ---------------------------------------------------------------- bases

struct BaseCase {
    qint32 value;
    int base;
    const char* digits;
};

class ToBase : public ::testing::TestWithParam<BaseCase> {};

TEST_P(ToBase, WritesUpperCaseDigitsAndReadsBack)
{
    const BaseCase c = GetParam();
    const TextResult r = DezimalZuSystem(c.value, c.base);
    EXPECT_EQ(r.error, ConvError::None);
    EXPECT_EQ(r.text, QString::fromLatin1(c.digits));
    EXPECT_EQ(r.text, q(referenceDigits(c.value, c.base)));
    const ValueResult back = SystemZuDezimal(r.text, c.base);
    EXPECT_EQ(back.error, ConvError::None);
    EXPECT_EQ(back.value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ToBase,
    ::testing::Values(BaseCase{255, 16, "FF"}, BaseCase{255, 8, "377"}, BaseCase{255, 3, "100110"},
                      BaseCase{255, 2, "11111111"}, BaseCase{0, 2, "0"}, BaseCase{0, 3, "0"},
                      BaseCase{0, 8, "0"}, BaseCase{0, 16, "0"}, BaseCase{26, 16, "1A"},
                      BaseCase{6561, 3, "100000000"}, BaseCase{2048, 2, "100000000000"},
                      BaseCase{2147483647, 2, "1111111111111111111111111111111"},
                      BaseCase{2147483647, 3, "12112122212110202101"},
                      BaseCase{2147483647, 8, "17777777777"},
                      BaseCase{2147483647, 16, "7FFFFFFF"}));

TEST(ToBaseAll, MatchesAnIndependentWriterOnRandomValues)
{
    std::mt19937 gen(7);
    std::uniform_int_distribution<qint32> dist(0, 2147483647);
    for (int base : {2, 3, 8, 16}) {
        for (int i = 0; i < 5000; ++i) {
            const qint32 v = i < 300 ? i : dist(gen);
            const TextResult r = DezimalZuSystem(v, base);
            ASSERT_EQ(r.text, q(referenceDigits(v, base))) << v << " base " << base;
            ASSERT_EQ(SystemZuDezimal(r.text, base).value, v);
        }
    }
}

TEST(ToBaseLimits, NegativeValuesAndOtherBasesAreRefused)
{
    for (int base : {2, 3, 8, 16})
        EXPECT_EQ(DezimalZuSystem(-1, base).error, ConvError::NotAnInteger);
    for (int base : {0, 1, 4, 10, 17})
        EXPECT_NE(DezimalZuSystem(5, base).error, ConvError::None) << base;
}

struct ReadBaseCase {
    const char* input;
    int base;
    const char* shown;
    qint32 value;
};

class FromBase : public ::testing::TestWithParam<ReadBaseCase> {};

TEST_P(FromBase, ReadsPositionalValue)
{
    const ReadBaseCase c = GetParam();
    const ValueResult r = SystemZuDezimal(QString::fromLatin1(c.input), c.base);
    EXPECT_EQ(r.error, ConvError::None);
    EXPECT_EQ(r.text, QString::fromLatin1(c.shown));
    EXPECT_EQ(r.value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FromBase,
    ::testing::Values(ReadBaseCase{"ff", 16, "FF", 255}, ReadBaseCase{"Ff", 16, "FF", 255},
                      ReadBaseCase{"0011", 2, "0011", 3}, ReadBaseCase{"000", 8, "000", 0},
                      ReadBaseCase{"0", 3, "0", 0}, ReadBaseCase{"00000000000000000000000000000000001", 2,
                                                                 "00000000000000000000000000000000001", 1},
                      ReadBaseCase{"0000007fffffff", 16, "0000007FFFFFFF", 2147483647},
                      ReadBaseCase{"1111111111111111111111111111111", 2,
                                   "1111111111111111111111111111111", 2147483647},
                      ReadBaseCase{"12112122212110202101", 3, "12112122212110202101", 2147483647},
                      ReadBaseCase{"17777777777", 8, "17777777777", 2147483647},
                      ReadBaseCase{"abcdef", 16, "ABCDEF", 11259375},
                      ReadBaseCase{"377", 8, "377", 255}, ReadBaseCase{"100110", 3, "100110", 255}));

struct BadBaseCase {
    const char* input;
    int base;
    const char* shown;
    ConvError error;
};

class FromBaseBad : public ::testing::TestWithParam<BadBaseCase> {};

TEST_P(FromBaseBad, IsRefused)
{
    const BadBaseCase c = GetParam();
    const ValueResult r = SystemZuDezimal(QString::fromLatin1(c.input), c.base);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.text, QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FromBaseBad,
    ::testing::Values(BadBaseCase{"12", 2, "12", ConvError::BadFormat},
                      BadBaseCase{"3", 3, "3", ConvError::BadFormat},
                      BadBaseCase{"8", 8, "8", ConvError::BadFormat},
                      BadBaseCase{"g", 16, "G", ConvError::BadFormat},
                      BadBaseCase{"1 0", 2, "1 0", ConvError::BadFormat},
                      BadBaseCase{" 10", 2, " 10", ConvError::BadFormat},
                      BadBaseCase{"-1", 2, "-1", ConvError::BadFormat},
                      BadBaseCase{"+1", 8, "+1", ConvError::BadFormat},
                      BadBaseCase{"0x1f", 16, "0X1F", ConvError::BadFormat},
                      BadBaseCase{"1.5", 8, "1.5", ConvError::BadFormat},
                      BadBaseCase{"", 2, "", ConvError::BadFormat},
                      // 2^31 and more: refused, never wrapped into a negative number
                      BadBaseCase{"10000000000000000000000000000000", 2,
                                  "10000000000000000000000000000000", ConvError::NotAnInteger},
                      BadBaseCase{"80000000", 16, "80000000", ConvError::NotAnInteger},
                      BadBaseCase{"ffffffff", 16, "FFFFFFFF", ConvError::NotAnInteger},
                      BadBaseCase{"20000000000", 8, "20000000000", ConvError::NotAnInteger},
                      BadBaseCase{"12112122212110202102", 3, "12112122212110202102",
                                  ConvError::NotAnInteger},
                      BadBaseCase{"1000000000000000000000000000000000000000000000000", 16,
                                  "1000000000000000000000000000000000000000000000000",
                                  ConvError::NotAnInteger}));

TEST(FromBaseBad, ForeignUnicodeLettersAreNotUpperCasedIntoDigits)
{
    const ValueResult r = SystemZuDezimal(QStringLiteral("fä"), 16);
    EXPECT_EQ(r.error, ConvError::BadFormat);
    EXPECT_EQ(r.text, QStringLiteral("Fä"));
    // Full-width and Arabic-Indic digits are not digits of these systems.
    EXPECT_EQ(SystemZuDezimal(QStringLiteral("１"), 2).error, ConvError::BadFormat);
    EXPECT_EQ(SystemZuDezimal(QStringLiteral("٣"), 8).error, ConvError::BadFormat);
}

// ---------------------------------------------------------------- the decimal field

struct IntCase {
    const char* text;
    bool valid;
    qint32 value;
};

class ReadInteger : public ::testing::TestWithParam<IntCase> {};

TEST_P(ReadInteger, StandardSyntax)
{
    const std::optional<qint32> v = readInteger(QString::fromLatin1(GetParam().text));
    ASSERT_EQ(v.has_value(), GetParam().valid) << GetParam().text;
    if (v) {
        EXPECT_EQ(*v, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ReadInteger,
    ::testing::Values(IntCase{"0", true, 0}, IntCase{"255", true, 255}, IntCase{"  42", true, 42},
                      IntCase{"+7", true, 7}, IntCase{" -7", true, -7}, IntCase{"007", true, 7},
                      IntCase{"2147483647", true, 2147483647},
                      IntCase{"-2147483648", true, -2147483647 - 1},
                      IntCase{"2147483648", false, 0}, IntCase{"-2147483649", false, 0},
                      IntCase{"99999999999999999999", false, 0}, IntCase{"", false, 0},
                      IntCase{" ", false, 0}, IntCase{"-", false, 0}, IntCase{"12a", false, 0},
                      IntCase{"12 ", false, 0}, IntCase{"1 2", false, 0}, IntCase{"1,5", false, 0},
                      IntCase{"--1", false, 0}, IntCase{"0x10", false, 0}, IntCase{"ff", false, 0}));

TEST(IntegerError, NamesTheTextWithAFullStop)
{
    EXPECT_EQ(integerConversionError(QStringLiteral("12a")), QStringLiteral("'12a' ist kein gültiger Integerwert."));
    EXPECT_EQ(integerConversionError(QStringLiteral("%1")), QStringLiteral("'%1' ist kein gültiger Integerwert."));
}

// ---------------------------------------------------------------- "&Umrechnen"

struct CalcCase {
    NumeralSystem system;
    const char* decimalIn;
    const char* systemIn;
    const char* decimalOut;
    const char* systemOut;
    const char* notice; // "" none
    const char* error;  // "" none
    bool focusDecimal;
};

class Umrechnen : public ::testing::TestWithParam<CalcCase> {};

TEST_P(Umrechnen, FieldsAndNotices)
{
    const CalcCase c = GetParam();
    const CalcOutcome o = convertFields(c.system, QString::fromUtf8(c.decimalIn),
                                        QString::fromUtf8(c.systemIn));
    EXPECT_EQ(o.decimalText, QString::fromUtf8(c.decimalOut));
    EXPECT_EQ(o.systemText, QString::fromUtf8(c.systemOut));
    EXPECT_EQ(o.notice, QString::fromUtf8(c.notice));
    EXPECT_EQ(o.error, QString::fromUtf8(c.error));
    EXPECT_EQ(o.focusDecimal, c.focusDecimal);
}

constexpr auto R = NumeralSystem::Roman;
constexpr auto B2 = NumeralSystem::Base2;
constexpr auto B3 = NumeralSystem::Base3;
constexpr auto B8 = NumeralSystem::Base8;
constexpr auto B16 = NumeralSystem::Base16;

INSTANTIATE_TEST_SUITE_P(
    Conversions, Umrechnen,
    ::testing::Values(
        CalcCase{R, "3999", "", "3999", "MMMCMXCIX", "", "", false},
        CalcCase{R, "1994", "", "1994", "MCMXCIV", "", "", false},
        CalcCase{R, "", "MCMXCIV", "1994", "MCMXCIV", "", "", false},
        CalcCase{R, "", "mcmxciv", "1994", "MCMXCIV", "", "", false},
        CalcCase{R, "0", "", "0", "", "", "", false},
        CalcCase{R, "  +12", "", "  +12", "XII", "", "", false},
        CalcCase{R, "", "IIX", "10", "IIX", "", "", false},
        CalcCase{B2, "0", "", "0", "0", "", "", false},
        CalcCase{B2, "2147483647", "", "2147483647", "1111111111111111111111111111111", "", "", false},
        CalcCase{B16, "255", "", "255", "FF", "", "", false},
        CalcCase{B8, "255", "", "255", "377", "", "", false},
        CalcCase{B3, "255", "", "255", "100110", "", "", false},
        CalcCase{B2, "255", "", "255", "11111111", "", "", false},
        CalcCase{B16, "", "ff", "255", "FF", "", "", false},
        CalcCase{B2, "", "0011", "3", "0011", "", "", false},
        CalcCase{B16, "", "7fffffff", "2147483647", "7FFFFFFF", "", "", false}));

INSTANTIATE_TEST_SUITE_P(
    Failures, Umrechnen,
    ::testing::Values(
        CalcCase{R, "", "", "", "", "Es wurde noch kein Wert eingegeben !", "", true},
        CalcCase{B16, "", "", "", "", "Es wurde noch kein Wert eingegeben !", "", true},
        CalcCase{R, "12", "XII", "", "", "Zu viele Eingaben !", "", true},
        CalcCase{B2, "5", "101", "", "", "Zu viele Eingaben !", "", true},
        CalcCase{B8, " ", "x", "", "", "Zu viele Eingaben !", "", true},
        CalcCase{R, "4000", "", "", "", "Zahl darf nicht größer sein als 3999", "", false},
        CalcCase{R, "2147483647", "", "", "", "Zahl darf nicht größer sein als 3999", "", false},
        CalcCase{R, "", "IIII", "", "IIII", "Fehlerhaftes Format", "", false},
        CalcCase{R, "", "vx", "", "VX", "Fehlerhaftes Format", "", false},
        CalcCase{R, "", "IL", "", "IL", "Fehlerhaftes Format", "", false},
        CalcCase{R, "", "xxc", "", "XXC", "Fehlerhaftes Format", "", false},
        CalcCase{R, "", "MMMM", "", "MMMM", "Fehlerhaftes Format", "", false},
        CalcCase{R, "", "MCMXCIVa", "", "MCMXCIVA", "Fehlerhaftes Format", "", false},
        CalcCase{B2, "", "12", "", "", "Fehlerhaftes Fomat !", "", false},
        CalcCase{B3, "", "3", "", "", "Fehlerhaftes Fomat !", "", false},
        CalcCase{B8, "", "8", "", "", "Fehlerhaftes Fomat !", "", false},
        CalcCase{B16, "", "G", "", "", "Fehlerhaftes Fomat !", "", false},
        CalcCase{B16, "", "g", "", "", "Fehlerhaftes Fomat !", "", false},
        CalcCase{B2, "2147483648", "", "2147483648", "", "",
                 "'2147483648' ist kein gültiger Integerwert.", false},
        CalcCase{R, "2147483648", "", "2147483648", "", "",
                 "'2147483648' ist kein gültiger Integerwert.", false},
        CalcCase{B16, "12a", "", "12a", "", "", "'12a' ist kein gültiger Integerwert.", false},
        CalcCase{B2, " ", "", " ", "", "", "' ' ist kein gültiger Integerwert.", false},
        // Negative numbers and numerals above 32 bits are told why, the fields stay.
        CalcCase{B2, "-5", "", "-5", "", "Negative Zahlen können nicht umgerechnet werden !", "", false},
        CalcCase{R, "-1", "", "-1", "", "Negative Zahlen können nicht umgerechnet werden !", "", false},
        CalcCase{B16, " -2147483648", "", " -2147483648", "",
                 "Negative Zahlen können nicht umgerechnet werden !", "", false},
        CalcCase{B16, "", "80000000", "", "80000000",
                 "Die Zahl ist zu groß (höchstens 2147483647) !", "", false},
        CalcCase{B2, "", "10000000000000000000000000000000", "",
                 "10000000000000000000000000000000",
                 "Die Zahl ist zu groß (höchstens 2147483647) !", "", false},
        CalcCase{B16, "", "ffffffff", "", "FFFFFFFF",
                 "Die Zahl ist zu groß (höchstens 2147483647) !", "", false},
        CalcCase{B8, "", "20000000000", "", "20000000000",
                 "Die Zahl ist zu groß (höchstens 2147483647) !", "", false}));

TEST(UmrechnenLongInput, APastedPageIsQuotedByItsFirst30Characters)
{
    const QString pasted = QStringLiteral("12345abcde").repeated(1000);
    const CalcOutcome o = convertFields(B2, pasted, QString());
    EXPECT_EQ(o.error, QStringLiteral("'12345abcde12345abcde12345abcde…' ist kein gültiger Integerwert."));
    EXPECT_EQ(o.decimalText, pasted); // nothing is lost from the field
}

TEST(UmrechnenNoticeTexts, FieldsBehindTheNotice)
{
    // Both filled: the inputs are still visible while the notice is up.
    CalcOutcome o = convertFields(B2, QStringLiteral("5"), QStringLiteral("101"));
    EXPECT_EQ(o.noticeDecimalText, QStringLiteral("5"));
    EXPECT_EQ(o.noticeSystemText, QStringLiteral("101"));
    // A wrong digit: shown upper-cased, emptied after the notice.
    o = convertFields(B16, QString(), QStringLiteral("fg"));
    EXPECT_EQ(o.noticeSystemText, QStringLiteral("FG"));
    EXPECT_EQ(o.systemText, QString());
    // Too large for Roman numerals: emptied before the notice.
    o = convertFields(R, QStringLiteral("4000"), QString());
    EXPECT_EQ(o.noticeDecimalText, QString());
    EXPECT_EQ(o.noticeSystemText, QString());
    // A bad Roman numeral: upper-cased before the notice and kept.
    o = convertFields(R, QString(), QStringLiteral("iiii"));
    EXPECT_EQ(o.noticeSystemText, QStringLiteral("IIII"));
    EXPECT_EQ(o.systemText, QStringLiteral("IIII"));
}

TEST(Systems, CaptionTableInButtonOrder)
{
    const char* const expected[kSystemCount][5] = {
        {"BitBtnZSys01", "Römische Zahlen", "Arabische Zahl", "Römische Zahl", "0"},
        {"BitBtnZSys02", "Dualsystem", "Dezimalzahl", "Dualzahl", "2"},
        {"BitBtnZSys03", "Dreiersystem", "Dezimalzahl", "Dreierzahl", "3"},
        {"BitBtnZSys04", "Oktalsystem", "Dezimalzahl", "Oktalzahl", "8"},
        {"BitBtnZSys05", "Hexadezimalsystem", "Dezimalzahl", "Hexadezimalzahl", "16"}};
    for (int i = 0; i < kSystemCount; ++i) {
        const SystemInfo& s = kSystems[std::size_t(i)];
        EXPECT_EQ(int(s.system), i);
        EXPECT_STREQ(s.buttonName, expected[i][0]);
        EXPECT_STREQ(s.caption, expected[i][1]);
        EXPECT_STREQ(s.decimalLabel, expected[i][2]);
        EXPECT_STREQ(s.systemLabel, expected[i][3]);
        EXPECT_EQ(s.base, std::stoi(expected[i][4]));
    }
    EXPECT_EQ(baseAlphabet(3), QStringLiteral("012"));
    EXPECT_EQ(baseAlphabet(16), QStringLiteral("0123456789ABCDEF"));
}
