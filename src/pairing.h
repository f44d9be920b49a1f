// Pairing: matches each lambda file with the gamma file of the same network.
#pragma once

#include <ostream>
#include <string_view>

#include "rundata.h"

namespace smallworld {

// The name up to the first "_lambda"; the whole name when there is none.
std::string_view lambdaPairingKey(std::string_view lambdaName);
// The name up to the first "_gamma"; the whole name when there is none.
std::string_view gammaPairingKey(std::string_view gammaName);

// Lambda files, in list order, each take the first gamma file in list order
// that has the same pairing key and no partner yet. Linear in the number of
// files.
PairingResult pairFiles(const NameList& lambdaList, const NameList& gammaList);

// The reports on the lambda files and gamma files that found no partner;
// nothing for a side where every file has one.
void reportUnmatched(const PairingResult& pairing, const NameList& lambdaList,
                     const NameList& gammaList, std::ostream& out);

}  // namespace smallworld
