// Name tests, pairing keys and result stems on arbitrary byte strings.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "pairing.h"
#include "scan.h"
#include "summary.h"

using namespace smallworld;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool endsWith(std::string_view name, std::string_view suffix) {
    return name.size() >= suffix.size() &&
           std::memcmp(name.data() + name.size() - suffix.size(), suffix.data(), suffix.size()) == 0;
}

std::size_t firstOccurrence(std::string_view name, std::string_view marker) {
    for (std::size_t k = 0; k + marker.size() <= name.size(); ++k) {
        if (std::memcmp(name.data() + k, marker.data(), marker.size()) == 0) {
            return k;
        }
    }
    return name.size();
}

// The key is the name up to the first marker, or the whole name.
void checkKey(std::string_view name, std::string_view key, std::string_view marker) {
    check(key.data() == name.data());
    check(key.size() == firstOccurrence(name, marker));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const bool lambda = isLambdaFile(name);
    const bool gamma = isGammaFile(name);
    check(!(lambda && gamma));
    check(lambda == (name.size() > 11 && endsWith(name, "_lambda.txt")));
    check(gamma == (name.size() > 10 && endsWith(name, "_gamma.txt")));
    checkKey(name, lambdaPairingKey(name), "_lambda");
    checkKey(name, gammaPairingKey(name), "_gamma");

    const std::string_view stem = resultStem(name);
    check(name.substr(0, stem.size()) == stem);
    if (stem.size() < name.size()) {
        check(name[stem.size()] == '_');
        check(name.find('_', stem.size() + 1) == std::string_view::npos);
    } else {
        check(name.find('_') == std::string_view::npos);
    }
    if (lambda) {
        check(stem.size() + 11 == name.size());  // the stem ends before "_lambda.txt"
    }
    return 0;
}
