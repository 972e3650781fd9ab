#include "pageconventions.h"

#include <gtest/gtest.h>

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
