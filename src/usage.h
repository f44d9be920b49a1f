// The tool's help and version texts.
#pragma once

#include <ostream>

namespace smallworld {

void printUsage(std::ostream& out);
void printVersion(std::ostream& out);

}  // namespace smallworld
