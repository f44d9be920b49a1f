// The run driver: one run of the tool over a data directory.
#pragma once

#include <ostream>

namespace smallworld {

// Scans dataDir (null when no argument was given), pairs, evaluates and
// writes the results; returns the exit status.
int runSmallWorld(const char* dataDir, std::ostream& out, std::ostream& err);

// The whole command line: -h, --help or --version as the first argument, or
// else a run over the data directory it names.
int runCommand(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace smallworld
