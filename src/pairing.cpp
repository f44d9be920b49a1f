#include "pairing.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace smallworld {
namespace {

std::string_view keyBefore(std::string_view name, std::string_view marker) {
    return name.substr(0, name.find(marker));
}

// The gamma files of one pairing key not yet paired, in increasing index:
// indices[next] is the one the next lambda file of that key takes.
struct GammaQueue {
    std::vector<std::int32_t> indices;
    std::size_t next = 0;
};

// A count line, a heading and one numbered line per file; nothing at all
// when no file is left over.
void writeUnmatchedReport(std::ostream& out, const std::vector<std::int32_t>& unmatched,
                          const NameList& names, const char* message, const char* nameLabel) {
    if (unmatched.empty()) {
        return;
    }
    out << unmatched.size() << message << std::endl;
    out << " These files are as follows:" << std::endl;
    std::size_t number = 1;
    for (const std::int32_t index : unmatched) {
        out << "No." << number++ << nameLabel << names[static_cast<std::size_t>(index)] << "  "
            << std::endl;
    }
}

}  // namespace

std::string_view lambdaPairingKey(std::string_view lambdaName) {
    return keyBefore(lambdaName, "_lambda");
}

std::string_view gammaPairingKey(std::string_view gammaName) {
    return keyBefore(gammaName, "_gamma");
}

PairingResult pairFiles(const NameList& lambdaList, const NameList& gammaList) {
    // Taking gamma files of a key from the front of its queue yields exactly
    // the first unpaired match that a scan of the whole gamma list would find.
    std::unordered_map<std::string_view, GammaQueue> gammaByKey;
    gammaByKey.reserve(gammaList.size());
    for (std::size_t j = 0; j < gammaList.size(); ++j) {
        gammaByKey[gammaPairingKey(gammaList[j])].indices.push_back(static_cast<std::int32_t>(j));
    }
    std::vector<bool> gammaUsed(gammaList.size(), false);

    PairingResult result;
    result.pairList.reserve(std::min(lambdaList.size(), gammaList.size()));
    for (std::size_t i = 0; i < lambdaList.size(); ++i) {
        const auto lambdaIndex = static_cast<std::int32_t>(i);
        const auto found = gammaByKey.find(lambdaPairingKey(lambdaList[i]));
        if (found == gammaByKey.end() || found->second.next == found->second.indices.size()) {
            result.unmatchedLambda.push_back(lambdaIndex);
            continue;
        }
        const std::int32_t gammaIndex = found->second.indices[found->second.next++];
        gammaUsed[static_cast<std::size_t>(gammaIndex)] = true;
        result.pairList.push_back(Pair{lambdaIndex, gammaIndex});
    }
    for (std::size_t j = 0; j < gammaList.size(); ++j) {
        if (!gammaUsed[j]) {
            result.unmatchedGamma.push_back(static_cast<std::int32_t>(j));
        }
    }
    return result;
}

void reportUnmatched(const PairingResult& pairing, const NameList& lambdaList,
                     const NameList& gammaList, std::ostream& out) {
    writeUnmatchedReport(out, pairing.unmatchedLambda, lambdaList,
                         " files within lambda value can't be used to calculate the small world "
                         "property because of default corresponding clustering coefficient "
                         "ratio(gamma value) files",
                         "  name: ");
    writeUnmatchedReport(out, pairing.unmatchedGamma, gammaList,
                         " files within gamma value can't be used to calculate the small world "
                         "property because of default corresponding  characteristic length "
                         "path(lambda value) files",
                         "  name:  ");
}

}  // namespace smallworld
