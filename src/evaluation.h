// Pair evaluation: reads the lambda value and the gamma value of every pair
// and computes sigma = gamma / lambda.
#pragma once

#include <ostream>
#include <string>

#include "rundata.h"

namespace smallworld {

// Evaluates the pairs in order, printing a heading and the sigma of each.
// Stops at the first file that cannot be opened or holds no number, after
// naming it; the result is then incomplete.
EvaluationResult evaluatePairs(const std::string& dataDir, const NameList& lambdaList,
                               const NameList& gammaList, const std::vector<Pair>& pairList,
                               std::ostream& out);

}  // namespace smallworld
