#include "training/Nombres.h"

#include <gtest/gtest.h>

#include <limits>

// Rounded first, then thousands grouped with blanks; a value that rounds to
// zero is a plain zero, whatever its sign.
TEST(FormaterNombre, RoundsThenGroupsThousandsWithBlanks) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{999.6, 0, "1 000"},
                 {123456789012.4, 0, "123 456 789 012"},
                 {1234567.891, 2, "1 234 567.89"},
                 {999.0, 0, "999"},
                 {12345.0, 0, "12 345"},
                 {-0.7071, 2, "-0.71"},
                 {0.05, 2, "0.05"},
                 {1.0, 2, "1.00"},
                 {-1234.5, 1, "-1 234.5"},
                 {0.004, 2, "0"},
                 {-0.004, 2, "0"},
                 {-0.0, 0, "0"},
                 {-0.5001, 0, "-1"},
                 {1e15, 0, "1 000 000 000 000 000"},
                 {std::numeric_limits<double>::infinity(), 2, "inf"},
                 {1.5, 99, "1.50000000000000000000"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormaterNombre(c.value, c.decimals), c.text) << c.value;
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
