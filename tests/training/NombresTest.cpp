#include "training/Nombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(FormaterNombre, RoundsThenGroupsThousandsWithBlanks) {
    EXPECT_EQ(FormaterNombre(999.6, 0), "1 000");
    EXPECT_EQ(FormaterNombre(1000000.0, 0), "1 000 000");
    EXPECT_EQ(FormaterNombre(123456789012.4, 0), "123 456 789 012");
    EXPECT_EQ(FormaterNombre(1234567.891, 2), "1 234 567.89");
    EXPECT_EQ(FormaterNombre(999.0, 0), "999");
    EXPECT_EQ(FormaterNombre(12345.0, 0), "12 345");
}

TEST(FormaterNombre, SignAndDecimals) {
    EXPECT_EQ(FormaterNombre(-0.7071, 2), "-0.71");
    EXPECT_EQ(FormaterNombre(0.05, 2), "0.05");
    EXPECT_EQ(FormaterNombre(1.0, 2), "1.00");
    EXPECT_EQ(FormaterNombre(-1234.5, 1), "-1 234.5");
    EXPECT_EQ(FormaterNombre(3.14159, 0), "3");
}

TEST(FormaterNombre, AValueThatRoundsToZeroIsAPlainZero) {
    EXPECT_EQ(FormaterNombre(0.004, 2), "0");
    EXPECT_EQ(FormaterNombre(-0.004, 2), "0");
    EXPECT_EQ(FormaterNombre(0.0, 2), "0");
    EXPECT_EQ(FormaterNombre(-0.0, 0), "0");
    EXPECT_EQ(FormaterNombre(0.4, 0), "0");
    EXPECT_EQ(FormaterNombre(-0.5001, 0), "-1");
}

TEST(FormaterNombre, HugeAndNonFiniteValuesStayReadable) {
    EXPECT_EQ(FormaterNombre(1e15, 0), "1 000 000 000 000 000");
    EXPECT_EQ(FormaterNombre(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_EQ(FormaterNombre(1.5, 99), "1.50000000000000000000");
}

TEST(FormatGeneral, FifteenSignificantDigitsAsPrintfWouldGiveThem) {
    EXPECT_EQ(formatGeneral(0.0), "0");
    EXPECT_EQ(formatGeneral(0.1), "0.1");
    EXPECT_EQ(formatGeneral(-2.5), "-2.5");
    EXPECT_EQ(formatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(formatGeneral(123456789012345678.0), "1.23456789012346e+17");
    EXPECT_EQ(formatGeneral(0.00001234), "1.234e-05");
    EXPECT_EQ(formatGeneral(100000.0), "100000");
}
