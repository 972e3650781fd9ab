#include "pageconventions.h"

#include <QDoubleValidator>

#include <gtest/gtest.h>

#include <limits>

TEST(Formatters, NumberFormatKeepsQtDigits)
{
    EXPECT_EQ(formatNumber(0.00002, 'f', 4), "0.0000");
    EXPECT_EQ(formatNumber(2000, 'g', 4), "2000");
    EXPECT_EQ(formatNumber(0.0002, 'g', 4), "0.0002");
}

TEST(Formatters, PrintfFormats)
{
    EXPECT_EQ(formatPrintf("%f", 0.059004), "0.059004");
    EXPECT_EQ(formatPrintf("%.2g", 1.03e7), "1e+07");
    EXPECT_EQ(formatPrintf("%.4f", 1.5), "1.5000");
}

TEST(Formatters, GeneralFormatSwitchesToExponentForm)
{
    // Four significant digits either way; trailing zeros dropped.
    EXPECT_EQ(formatNumber(1.23456e-7, 'g', 4), "1.235e-07");
    EXPECT_EQ(formatNumber(123456789.0, 'g', 4), "1.235e+08");
    EXPECT_EQ(formatNumber(0.5, 'g', 4), "0.5");
    EXPECT_EQ(formatNumber(57.295779513, 'g', 6), "57.2958");
}

TEST(Formatters, FixedFormatRoundsToItsDigits)
{
    EXPECT_EQ(formatNumber(0.81103662, 'f', 4), "0.8110");
    EXPECT_EQ(formatNumber(46.46904, 'f', 4), "46.4690");
    EXPECT_EQ(formatNumber(-0.00004, 'f', 4), "-0.0000");
}

TEST(Formatters, NonFiniteValuesAreShownAsText)
{
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), 'f', 4), "nan");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), 'g', 6), "inf");
    EXPECT_EQ(formatPrintf("%f", std::numeric_limits<double>::infinity()), "inf");
}

TEST(Formatters, PrintfDefaultFormatHasSixDecimals)
{
    EXPECT_EQ(formatPrintf("%f", 2.0), "2.000000");
    EXPECT_EQ(formatPrintf("%.2g", 0.000123), "0.00012");
    EXPECT_EQ(formatPrintf("%.2g", 2000.0), "2e+03");
}

TEST(Formatters, PrintfTextIsBoundedByItsBuffer)
{
    // "%f" of 1e300 needs over 300 characters; the text is cut at the
    // 256-byte buffer instead of overrunning it.
    const QString text = formatPrintf("%f", 1e300);
    EXPECT_EQ(text.size(), 255);
    EXPECT_TRUE(text.startsWith("1000000000"));
}

TEST(InputValidator, AcceptsPositiveNumbersWithFourDecimals)
{
    QObject owner;
    QDoubleValidator *validator = createInputValidator(&owner);
    EXPECT_EQ(validator->parent(), &owner);
    EXPECT_EQ(validator->bottom(), 0.0);
    EXPECT_EQ(validator->top(), 1e100);
    EXPECT_EQ(validator->decimals(), 4);

    const auto state = [validator](QString text) {
        int pos = text.size();
        return validator->validate(text, pos);
    };
    EXPECT_EQ(state("0.1234"), QValidator::Acceptable);
    EXPECT_EQ(state("1e-7"), QValidator::Acceptable);
    EXPECT_EQ(state("5e9"), QValidator::Acceptable);
    EXPECT_EQ(state("0.12345"), QValidator::Invalid);
    EXPECT_EQ(state("-1"), QValidator::Invalid);
    EXPECT_EQ(state("abc"), QValidator::Invalid);
    // Empty text is allowed while typing but is not a value.
    EXPECT_EQ(state(""), QValidator::Intermediate);
}

TEST(InputValidator, SixDecimalVariant)
{
    QObject owner;
    QDoubleValidator *validator = createInputValidator(&owner, 6);
    QString text = "0.123456";
    int pos = text.size();
    EXPECT_EQ(validator->validate(text, pos), QValidator::Acceptable);
    text = "0.1234567";
    pos = text.size();
    EXPECT_EQ(validator->validate(text, pos), QValidator::Invalid);
}
