#include "numformat.h"

#include <charconv>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace smallworld {
namespace {

constexpr int kPrecision = 6;

void dropTrailingZeros(std::string& text) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        return;
    }
    std::size_t end = text.find_last_not_of('0');
    if (end == point) {
        --end;
    }
    text.erase(end + 1);
}

}  // namespace

std::string formatNumber(double value) {
    // The six significant digits, correctly rounded, and the decimal exponent
    // of the rounded value: "-d.ddddde+XX".
    char scientific[32];
    const auto converted = std::to_chars(scientific, scientific + sizeof scientific, value,
                                         std::chars_format::scientific, kPrecision - 1);
    const std::string_view text(scientific, static_cast<std::size_t>(converted.ptr - scientific));
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos) {
        return std::string(text);  // inf, -inf, nan, -nan
    }
    const bool negative = text[0] == '-';
    std::string digits;
    for (const char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

    std::string result = negative ? "-" : "";
    if (exponent < -4 || exponent >= kPrecision) {
        std::string mantissa = digits.substr(0, 1) + "." + digits.substr(1);
        dropTrailingZeros(mantissa);
        const std::string magnitude = std::to_string(std::abs(exponent));
        result += mantissa;
        result += exponent < 0 ? "e-" : "e+";
        result.append(magnitude.size() < 3 ? 3 - magnitude.size() : 0, '0');
        result += magnitude;
        return result;
    }
    std::string fixed;
    if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        fixed = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    dropTrailingZeros(fixed);
    return result + fixed;
}

}  // namespace smallworld
