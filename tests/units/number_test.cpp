// The number format of the unit tasks: written in general form with at most 15
// significant digits and the decimal comma, scientific below 0.0001 or beyond 15
// integer digits; read back in the same convention.
#include "unitnumber.h"
#include "conversionerror.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::units;

namespace {

struct WriteCase {
    long double value;
    const char* text;
};

const WriteCase kWrite[] = {
    {2500.0L, "2500"},
    {2.5L, "2,5"},
    {0.007L, "0,007"},
    {1e-18L, "1E-18"},
    {2.5e-7L, "2,5E-7"},
    {1e16L, "1E16"},
    {0.0L, "0"},
    {-0.0L, "0"},
    {1.0L, "1"},
    {12.34L, "12,34"},
    {0.18L, "0,18"},
    {0.1L, "0,1"},
    {0.0001L, "0,0001"},          // the smallest number in general form
    {0.00009L, "9E-5"},           // below 0.0001: scientific
    {0.000123L, "0,000123"},
    {999999999999999.0L, "999999999999999"}, // 15 integer digits
    {1e15L, "1E15"},              // 16 integer digits
    {1234567890123456.0L, "1,23456789012346E15"},
    {999999999999999.9L, "1E15"}, // rounding at the 15th digit carries into a 16th
    {1.23456789012345678L, "1,23456789012346"},
    {0.333333333333333333L, "0,333333333333333"},
    {2.0L / 3.0L, "0,666666666666667"},
    {123456.789L, "123456,789"},
    {-2.5L, "-2,5"},
    {-1e-18L, "-1E-18"},
    {1e-20L, "1E-20"},
    {4.99999e-10L, "4,99999E-10"},
    {3600000.0L, "3600000"},
    {100000000000000.0L, "100000000000000"},
    {10.8L, "10,8"},
    {3.0L * 3.6L, "10,8"},       // 3.6 is inexact in binary; 15 digits hide it
    {0.1L + 0.2L, "0,3"},
};

TEST(UnitNumberWrite, Table)
{
    for (const WriteCase& c : kWrite)
        EXPECT_EQ(formatNumber(c.value).toStdString(), c.text) << "value " << double(c.value);
}

struct ReadCase {
    const char* text;
    bool ok;
    long double value;
};

const ReadCase kRead[] = {
    {"2500", true, 2500.0L},
    {"2500,0", true, 2500.0L},
    {"2500,", true, 2500.0L},
    {",5", true, 0.5L},
    {"2,5", true, 2.5L},
    {"0,18", true, 0.18L},
    {"12,34", true, 12.34L},
    {"1E-18", true, 1e-18L},
    {"1e-18", true, 1e-18L},
    {"2,5E-7", true, 2.5e-7L},
    {"1E16", true, 1e16L},
    {"1E+16", true, 1e16L},
    {"-0,5", true, -0.5L},
    {"+7", true, 7.0L},
    {" 12 ", true, 12.0L},
    {"0", true, 0.0L},
    {"000,100", true, 0.1L},
    {"2.500", false, 0},
    {"2.5", false, 0},
    {"2,5,0", false, 0},
    {"", false, 0},
    {"   ", false, 0},
    {",", false, 0},
    {"-", false, 0},
    {"E5", false, 0},
    {"1E", false, 0},
    {"1E-", false, 0},
    {"12a", false, 0},
    {"1 000", false, 0},
    {"inf", false, 0},
    {"nan", false, 0},
    {"0x10", false, 0},
    {"1E999999", false, 0},
    {"--1", false, 0},
};

TEST(UnitNumberRead, Table)
{
    for (const ReadCase& c : kRead) {
        long double v = -12345;
        const bool ok = parseNumber(QString::fromUtf8(c.text), v);
        EXPECT_EQ(ok, c.ok) << "text '" << c.text << "'";
        if (c.ok && ok) {
            EXPECT_EQ(v, c.value) << "text '" << c.text << "'";
        }
        if (!c.ok) {
            EXPECT_EQ(v, -12345) << "a refused text leaves the value alone: '" << c.text << "'";
        }
    }
}

TEST(UnitNumberRead, WrittenFormsReadBackToTheRoundedValue)
{
    for (const WriteCase& c : kWrite) {
        long double back = 0;
        ASSERT_TRUE(parseNumber(formatNumber(c.value), back)) << c.text;
        EXPECT_EQ(formatNumber(back), formatNumber(c.value));
        EXPECT_EQ(roundToWritten(c.value), back);
    }
}

TEST(UnitNumberRead, ConversionErrorNamesTheTextAndEndsWithAFullStop)
{
    EXPECT_EQ(floatConversionError(QStringLiteral("2.500")),
              QStringLiteral("'2.500' ist kein gültiger Gleitkommawert."));
}

TEST(UnitNumberWrite, RoundTripOverManyQuantities)
{
    // Every quantity a task can show (0..499999 over 1, 10, 100 or 1000) is written
    // with at most three decimals and reads back to itself when written again.
    for (int q = 0; q < 500000; q += 7919) {
        for (long double div : {1.0L, 10.0L, 100.0L, 1000.0L}) {
            const long double v = q / div;
            const QString s = formatNumber(v);
            const int comma = s.indexOf(QLatin1Char(','));
            EXPECT_TRUE(comma < 0 || s.size() - comma - 1 <= 3) << s.toStdString();
            EXPECT_FALSE(s.contains(QLatin1Char('E'))) << s.toStdString();
            long double back = 0;
            ASSERT_TRUE(parseNumber(s, back));
            EXPECT_EQ(formatNumber(back), s);
        }
    }
}

} // namespace
