#include "core/numbers.h"

#include <gtest/gtest.h>

using namespace pelmora::num;

TEST(Numbers, RoundHalfEven)
{
    const struct {
        double in;
        double out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(Numbers, IntegerConversionsReportOverflow)
{
    EXPECT_EQ(toInt16(32767.4).value(), 32767);
    EXPECT_FALSE(toInt16(32767.5).has_value()); // rounds to 32768
    EXPECT_EQ(toInt16(-32768).value(), -32768);
    EXPECT_FALSE(toByte(-1).has_value());
    EXPECT_EQ(toByte(255.5).has_value(), false); // 256
    EXPECT_EQ(toByte(254.5).value(), 254);
    EXPECT_FALSE(toInt32(1e12).has_value());
}

TEST(Numbers, DivisionAndRemainderTruncateTowardZero)
{
    EXPECT_EQ(intDiv(7, 2).value(), 3);
    EXPECT_EQ(intDiv(-7, 2).value(), -3);
    EXPECT_EQ(intDiv(7.5, 2).value(), 4); // 7.5 rounds to 8
    EXPECT_EQ(mod(-7, 3).value(), -1);    // sign of the dividend
    EXPECT_EQ(mod(7, -3).value(), 1);
    EXPECT_EQ(mod(2.5, 2).value(), 0);        // 2.5 rounds to 2
    EXPECT_FALSE(intDiv(1, 0.4).has_value()); // divisor rounds to 0
    EXPECT_FALSE(mod(1, 0).has_value());
}

TEST(Numbers, LeadingNumber)
{
    const struct {
        const char *text;
        double value;
        // clang-format off
    } cases[] = {
        {"12abc", 12},   {"abc", 0},        {"", 0},         {"  -3.5", -3.5}, {"1 2 3", 123},
        {"300 ms", 300}, {"2.5", 2.5},      {"1.5.5", 1.5},  {"1E3", 1000},    {"2e-2x", 0.02},
        {"7E", 7},       {"+4", 4},         {"- 4", -4},     {".5", 0.5},      {"12\"", 12},
        {"1,5", 1},      {"1e999", 0},      {"--1", 0},      {"3D2", 300},
    };
    // clang-format on
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("1 2"), false), 1);
    EXPECT_DOUBLE_EQ(leadingNumberAnySeparator(QStringLiteral(" 1,5 ")), 1.5);
    EXPECT_DOUBLE_EQ(leadingNumberAnySeparator(QStringLiteral(" .5 ")), 0.5);
}

TEST(Numbers, ShortTextAndPrintForms)
{
    const struct {
        float v;
        const char *shortForm;
        const char *printForm;
    } cases[] = {
        {0.5f, "0.5", " .5 "},
        {-0.5f, "-0.5", "-.5 "},
        {5.0f, "5", " 5 "},
        {0.0f, "0", " 0 "},
        {123456789.0f, "1.234568E+08", " 1.234568E+08 "},
        {1234567.0f, "1234567", " 1234567 "},
        {12345678.0f, "1.234568E+07", " 1.234568E+07 "},
        {10000000.0f, "1E+07", " 1E+07 "},
        {0.1f, "0.1", " .1 "},
        {2.5f, "2.5", " 2.5 "},
        {-1.25f, "-1.25", "-1.25 "},
        {0.001f, "0.001", " .001 "},
        {1e-7f, "0.0000001", " .0000001 "},
        {1e-8f, "1E-08", " 1E-08 "},
        {0.01234567f, "1.234567E-02", " 1.234567E-02 "},
        {3.1415926f, "3.141593", " 3.141593 "},
        {100.0f, "100", " 100 "},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(shortText(c.v), QString::fromLatin1(c.shortForm)) << c.shortForm;
        EXPECT_EQ(printReal(c.v), QString::fromLatin1(c.printForm)) << c.printForm;
    }
    EXPECT_EQ(printInteger(5), QStringLiteral(" 5 "));
    EXPECT_EQ(printInteger(-1), QStringLiteral("-1 "));
    EXPECT_EQ(printInteger(0), QStringLiteral(" 0 "));
}

TEST(Numbers, PrintFormsReadBack)
{
    for (float v : {0.5f, -0.5f, 123456789.0f, 1e-8f, 2.5f, 3.1415926f, -1234.567f})
        EXPECT_FLOAT_EQ(static_cast<float>(leadingNumberAnySeparator(printReal(v))), v);
}
