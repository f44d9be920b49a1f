#include "numformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

using smallworld::formatNumber;

TEST(NumberFormat, WritesSixSignificantDigitsWithAThreeDigitExponent) {
    const std::pair<double, const char*> cases[] = {
        {2.0, "2"},
        {0.5, "0.5"},
        {1.5, "1.5"},
        {1.23456789, "1.23457"},
        {0.0001, "0.0001"},
        {1.5e7, "1.5e+007"},
        {1.234e-5, "1.234e-005"},
        {-1.5e7, "-1.5e+007"},
        {-0.25, "-0.25"},
        {0.0, "0"},
        {-0.0, "-0"},
        {100000.0, "100000"},
        {999999.0, "999999"},
        {999999.5, "1e+006"},
        {0.000099999996, "0.0001"},
        {0.00001, "1e-005"},
        {123456789.0, "1.23457e+008"},
        {1e100, "1e+100"},
        {std::numeric_limits<double>::max(), "1.79769e+308"},
        {std::numeric_limits<double>::min(), "2.22507e-308"},
        {std::numeric_limits<double>::denorm_min(), "4.94066e-324"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {-std::numeric_limits<double>::quiet_NaN(), "-nan"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(formatNumber(value), text) << value;
    }
}

namespace {

// The C library's %.6g, with its exponent widened to three digits.
std::string referenceFormat(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    std::string text(buffer);
    const std::size_t e = text.find('e');
    if (e != std::string::npos && text.size() - e - 2 < 3) {
        text.insert(e + 2, 3 - (text.size() - e - 2), '0');
    }
    return text;
}

}  // namespace

TEST(NumberFormat, AgreesWithTheCLibraryOnRandomDoubles) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int k = 0; k < 1000000; ++k) {
        double value;
        if (k % 2 == 0) {
            // Any bit pattern: every exponent, subnormals included.
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value)) {
                continue;
            }
        } else {
            // Values near the fixed/exponent boundaries and round-ups.
            value = mantissa(random) * std::pow(10.0, exponent(random));
        }
        ASSERT_EQ(formatNumber(value), referenceFormat(value)) << k;
    }
}
