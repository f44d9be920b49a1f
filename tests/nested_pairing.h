// The definition of the pairing, written as plainly as possible: every
// lambda file, in list order, scans the whole gamma list for the first
// unpaired file with its key. Tests and fuzzers compare the tool's pairing
// with it.
#pragma once

#include <string_view>
#include <vector>

#include "pairing.h"

inline smallworld::PairingResult nestedPairing(const smallworld::NameList& lambdaList,
                                               const smallworld::NameList& gammaList) {
    using smallworld::Pair;
    smallworld::PairingResult result;
    std::vector<bool> used(gammaList.size(), false);
    std::vector<std::string_view> gammaKeys;
    for (const auto& name : gammaList) {
        gammaKeys.push_back(smallworld::gammaPairingKey(name));
    }
    for (std::size_t i = 0; i < lambdaList.size(); ++i) {
        const std::string_view key = smallworld::lambdaPairingKey(lambdaList[i]);
        bool matched = false;
        for (std::size_t j = 0; j < gammaList.size() && !matched; ++j) {
            if (!used[j] && key == gammaKeys[j]) {
                used[j] = true;
                matched = true;
                result.pairList.push_back(Pair{static_cast<std::int32_t>(i), static_cast<std::int32_t>(j)});
            }
        }
        if (!matched) {
            result.unmatchedLambda.push_back(static_cast<std::int32_t>(i));
        }
    }
    for (std::size_t j = 0; j < gammaList.size(); ++j) {
        if (!used[j]) {
            result.unmatchedGamma.push_back(static_cast<std::int32_t>(j));
        }
    }
    return result;
}

// The pairs as (lambda index, gamma index), easy to compare and print.
inline std::vector<std::pair<int, int>> pairsOf(const smallworld::PairingResult& result) {
    std::vector<std::pair<int, int>> pairs;
    for (const smallworld::Pair& pair : result.pairList) {
        pairs.emplace_back(pair.lambdaIndex, pair.gammaIndex);
    }
    return pairs;
}
