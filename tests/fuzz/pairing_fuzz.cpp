// Pairing on arbitrary lists, against the plain nested first-match scan.
// Each input line is a name: "L..." a lambda file, anything else a gamma file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "nested_pairing.h"

using namespace smallworld;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    NameList lambdas;
    NameList gammas;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t to = text.find('\n', from);
        if (to == std::string_view::npos) {
            to = text.size();
        }
        const std::string_view line = text.substr(from, to - from);
        if (!line.empty() && line[0] == 'L') {
            lambdas.emplace_back(line.substr(1));
        } else {
            gammas.emplace_back(line.empty() ? line : line.substr(1));
        }
        from = to + 1;
    }
    const PairingResult expected = nestedPairing(lambdas, gammas);
    const PairingResult actual = pairFiles(lambdas, gammas);
    if (pairsOf(actual) != pairsOf(expected) || actual.unmatchedLambda != expected.unmatchedLambda ||
        actual.unmatchedGamma != expected.unmatchedGamma) {
        std::abort();
    }
    return 0;
}
