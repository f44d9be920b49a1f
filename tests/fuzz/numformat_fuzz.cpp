// The number format on arbitrary doubles: read back, the text gives the
// double rounded to six significant digits, and it has the promised shape.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "numformat.h"

using smallworld::formatNumber;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) {
        return 0;
    }
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::string text = formatNumber(value);
    if (std::isnan(value)) {
        check(text == (std::signbit(value) ? "-nan" : "nan"));
        return 0;
    }
    if (std::isinf(value)) {
        check(text == (value < 0 ? "-inf" : "inf"));
        return 0;
    }
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.5e", value);
    check(std::strtod(text.c_str(), nullptr) == std::strtod(rounded, nullptr));
    check(std::signbit(std::strtod(text.c_str(), nullptr)) == std::signbit(value));

    const std::size_t e = text.find('e');
    const std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        check(mantissa.back() != '0' && mantissa.back() != '.');
    }
    if (e != std::string::npos) {
        check(text[e + 1] == '+' || text[e + 1] == '-');
        check(text.size() - e - 2 >= 3);
    }
    return 0;
}
