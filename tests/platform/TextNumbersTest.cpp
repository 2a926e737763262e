#include "GrocelleTest.h"

#include "platform/TextNumbers.h"

#include <cmath>
#include <cstdio>
#include <limits>

class TextNumbersTest : public GrocelleTest
{
};

TEST_F(TextNumbersTest, IntegersAreTheLeadingDigits)
{
    EXPECT_EQ(TextNumbers::toInt(QString()), 0);
    EXPECT_EQ(TextNumbers::toInt(QStringLiteral("abc")), 0);
    EXPECT_EQ(TextNumbers::toInt(QStringLiteral("  -12abc")), -12);
    EXPECT_EQ(TextNumbers::toInt(QStringLiteral("+7")), 7);
    EXPECT_EQ(TextNumbers::toInt(QStringLiteral("3.9")), 3);
    EXPECT_EQ(TextNumbers::toInt(QStringLiteral("99999999999")), 2147483647);
    EXPECT_EQ(TextNumbers::toInt(QStringLiteral("-99999999999")), -2147483647 - 1);
}

TEST_F(TextNumbersTest, PricesAreTheLongestNumericPrefix)
{
    EXPECT_DOUBLE_EQ(TextNumbers::toDouble(QStringLiteral("      2.50")), 2.5);
    EXPECT_DOUBLE_EQ(TextNumbers::toDouble(QStringLiteral("1.25abc")), 1.25);
    EXPECT_DOUBLE_EQ(TextNumbers::toDouble(QStringLiteral("-.5")), -0.5);
    EXPECT_DOUBLE_EQ(TextNumbers::toDouble(QStringLiteral("3.")), 3.0);
    EXPECT_DOUBLE_EQ(TextNumbers::toDouble(QStringLiteral("1e2x")), 100.0);
    EXPECT_DOUBLE_EQ(TextNumbers::toDouble(QStringLiteral("1e")), 1.0);
    EXPECT_DOUBLE_EQ(TextNumbers::toDouble(QStringLiteral("$4")), 0.0);
    EXPECT_DOUBLE_EQ(TextNumbers::toDouble(QString()), 0.0);
    EXPECT_EQ(TextNumbers::money(1234.5), QStringLiteral("1234.50"));
    // The same rounding as C's "%.2f" on awkward binary values and ties.
    for (const double value : {0.005, 0.015, 2.675, 1.005, -3.125, 1e9 + 0.125, 12345678.995}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.2f", value);
        EXPECT_EQ(TextNumbers::money(value), QString::fromLatin1(expected)) << value;
    }
    // Amounts no editor could make: short, never hundreds of digits.
    EXPECT_EQ(TextNumbers::money(999999999999.99), QStringLiteral("999999999999.99"));
    EXPECT_EQ(TextNumbers::money(1e12), QStringLiteral("1e+12"));
    EXPECT_EQ(TextNumbers::money(1e300), QStringLiteral("1e+300"));
    EXPECT_EQ(TextNumbers::money(-1.5e300), QStringLiteral("-1.5e+300"));
    EXPECT_EQ(TextNumbers::money(std::numeric_limits<double>::infinity()), QStringLiteral("inf"));
    EXPECT_EQ(TextNumbers::money(std::nan("")), QStringLiteral("nan"));
}
