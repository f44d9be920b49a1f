// Input-file scan: finds the lambda files and gamma files of the data
// directory by name, in two passes over its listing.
#pragma once

#include <ostream>
#include <string_view>

#include "dirreader/dirreader.h"
#include "rundata.h"

namespace smallworld {

// "<net>_lambda.txt" with at least one byte of <net>; byte-exact, case-sensitive.
bool isLambdaFile(std::string_view name);
// "<net>_gamma.txt" with at least one byte of <net>; byte-exact, case-sensitive.
bool isGammaFile(std::string_view name);

// Counts the lambda and gamma files of firstPass (which it reads to the end
// and closes), reports the counts, then lists dataDir again to collect the
// names at exactly the counted sizes.
ScanResult scanDataDir(const char* dataDir, dirreader::DirStream* firstPass, std::ostream& out,
                       std::ostream& err);

}  // namespace smallworld
