// The working data of one run: each phase takes what it needs of it and
// returns what it makes; the run driver holds it all until the run ends.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace smallworld {

// Exit statuses of the tool.
enum ExitStatus : int {
    kExitComplete = 0,      // every pair evaluated and every result file written
    kExitNoDirectory = 1,   // the data directory cannot be opened
    kExitStopped = 2,       // a lambda or gamma file of a pair cannot be opened or read
    kExitNotWritten = 3,    // the run completed, but some output could not be written
};

// Names of lambda files and gamma files, without directory, in the order the
// directory listing delivered them; a name's position is its index.
using NameList = std::vector<std::string>;

// Result stems of the pairs, in pair order: views into the lambda list, which
// outlives them.
using StemList = std::vector<std::string_view>;

struct ScanResult {
    NameList lambdaList;
    NameList gammaList;
};

// One lambda file paired with the gamma file of the same network.
struct Pair {
    std::int32_t lambdaIndex;
    std::int32_t gammaIndex;
};

// Pairs in increasing lambda index, and the files left without a partner,
// each in increasing index.
struct PairingResult {
    std::vector<Pair> pairList;
    std::vector<std::int32_t> unmatchedLambda;
    std::vector<std::int32_t> unmatchedGamma;
};

// sigma = gamma / lambda of every pair, in pair order; complete is false when
// the evaluation stopped early at a file it could not open or read.
struct EvaluationResult {
    std::vector<double> sigmaList;
    bool complete;
};

}  // namespace smallworld
