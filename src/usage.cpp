#include "usage.h"

#ifndef SMALLWORLD_VERSION
#define SMALLWORLD_VERSION "unknown"
#endif

namespace smallworld {

void printUsage(std::ostream& out) {
    out << "Usage: smallworld DATA_DIR\n"
           "       smallworld -h | --help | --version\n"
           "\n"
           "Computes the small-world coefficient sigma = gamma / lambda of every network\n"
           "whose lambda and gamma files an analysis pipeline left in DATA_DIR.\n"
           "\n"
           "Reads   DATA_DIR/<net>_lambda.txt   one number: the path length ratio, lambda\n"
           "        DATA_DIR/<net>_gamma.txt    one number: the clustering ratio, gamma\n"
           "Writes  DATA_DIR/<stem>_smallWorld.txt for each pair: sigma and a line feed,\n"
           "        <stem> being the lambda file's name up to its last underscore\n"
           "\n"
           "A lambda file pairs with the first gamma file, not yet paired, whose name has\n"
           "the same text before its first \"_gamma\" as the lambda file's name has before\n"
           "its first \"_lambda\". Progress, files without a partner and a summary table go\n"
           "to standard output.\n"
           "\n"
           "Exit status:\n"
           "  0  every pair evaluated and every result file written\n"
           "  1  DATA_DIR cannot be opened\n"
           "  2  a lambda or gamma file cannot be opened or holds no number; no result\n"
           "     file is written\n"
           "  3  the run completed, but a result file or the console output could not\n"
           "     be written\n"
           "\n"
           "A directory named like an option is reached as ./--help.\n"
        << std::flush;
}

void printVersion(std::ostream& out) {
    out << "smallworld " SMALLWORLD_VERSION "\n" << std::flush;
}

}  // namespace smallworld
