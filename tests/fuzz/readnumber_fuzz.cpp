// Value extraction on arbitrary file contents: a read either fails or yields
// the number that the standard stream extraction of a double yields in the
// classic locale, and bytes fed in two pieces give what they give in one.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "readnumber.h"

using namespace smallworld;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = extractNumber(text);

    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    NumberParser split;
    if (!feedNumber(split, std::string_view(text).substr(0, cut))) {
        feedNumber(split, std::string_view(text).substr(cut));
    }
    const std::optional<double> splitValue = finishNumber(split);
    check(value.has_value() == splitValue.has_value());
    check(!value || sameDouble(*value, *splitValue));

    std::istringstream stream(text);
    double reference = 0;
    stream >> reference;
    const bool referenceRead = !stream.fail();
    if (value) {
        check(referenceRead);
        check(sameDouble(*value, reference));
        check(std::isfinite(*value));
    } else if (referenceRead) {
        // The stream takes a number too small for a double as zero; the tool
        // refuses it.
        check(reference == 0.0);
    }
    return 0;
}
