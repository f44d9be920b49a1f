// Summary table and result files: lists every pair's sigma under its result
// stem, then writes one <result stem>_smallWorld.txt per pair.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "rundata.h"

namespace smallworld {

// The lambda file's name up to its last underscore: a_lambda_b_lambda.txt
// gives a_lambda_b.
std::string_view resultStem(std::string_view lambdaName);

// Prints the table and its closing line, and returns the result stems.
StemList printSummary(const NameList& lambdaList, const std::vector<Pair>& pairList,
                      const std::vector<double>& sigmaList, std::ostream& out);

// Writes each pair's result file whole, or leaves the old one untouched and
// names it on err. Returns true when every file was written.
bool writeResultFiles(const std::string& dataDir, const StemList& resultStems,
                      const std::vector<double>& sigmaList, std::ostream& err);

}  // namespace smallworld
