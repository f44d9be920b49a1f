// Times the pairing for 1,000, 10,000 and 100,000 networks, with names as
// bench/make_data.py makes them (about 1% unmatched of each kind, the lists in
// a shuffled order, as a directory listing gives them), and prints the median
// time of 7 rounds per size and the ratio between successive sizes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "nested_pairing.h"
#include "pairing.h"

using namespace smallworld;

namespace {

void makeLists(int networks, NameList& lambdas, NameList& gammas) {
    std::mt19937 random(1);
    char stem[96];
    for (int k = 0; k < networks; ++k) {
        std::snprintf(stem, sizeof stem, "sub-%06d_ses-%02d_task-rest_atlas-schaefer400", k, k % 3 + 1);
        lambdas.push_back(std::string(stem) + "_lambda.txt");
        gammas.push_back(std::string(stem) + "_gamma.txt");
    }
    for (int k = 0; k < std::max(1, networks / 100); ++k) {
        std::snprintf(stem, sizeof stem, "%06d", k);
        lambdas.push_back(std::string("sub-x") + stem + "_task-rest_lambda.txt");
        gammas.push_back(std::string("sub-y") + stem + "_task-rest_gamma.txt");
    }
    // Listed in a shuffled order and, as the scan does it, copied into lists
    // made at their full size, in listing order.
    std::shuffle(lambdas.begin(), lambdas.end(), random);
    std::shuffle(gammas.begin(), gammas.end(), random);
    NameList lambdaList(lambdas.size());
    NameList gammaList(gammas.size());
    for (std::size_t k = 0; k < lambdas.size(); ++k) {
        lambdaList[k] = lambdas[k];
        gammaList[k] = gammas[k];
    }
    lambdas.swap(lambdaList);
    gammas.swap(gammaList);
}

double secondsToPair(int networks, bool nested) {
    NameList lambdas;
    NameList gammas;
    makeLists(networks, lambdas, gammas);
    std::vector<double> rounds;
    for (int round = 0; round < (nested ? 1 : 7); ++round) {
        const auto start = std::chrono::steady_clock::now();
        const PairingResult result = nested ? nestedPairing(lambdas, gammas) : pairFiles(lambdas, gammas);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (result.pairList.size() != static_cast<std::size_t>(networks)) {
            std::fprintf(stderr, "wrong pair count\n");
            std::exit(1);
        }
        rounds.push_back(took.count());
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

}  // namespace

// Each size is measured in a process of its own, as the tool pairs once on a
// fresh heap: "pairing_bench N [nested]" prints the seconds for N networks.
// For comparison, the plain nested scan that defines the pairing is timed
// too, at the sizes where it ends in reasonable time.
int main(int argc, char** argv) {
    if (argc > 1) {
        std::printf("%.9f\n", secondsToPair(std::atoi(argv[1]), argc > 2));
        return 0;
    }
    std::printf("%-12s %10s %14s %16s %8s\n", "pairing", "networks", "time (ms)", "per network (ns)", "ratio");
    const std::pair<const char*, int> runs[] = {
        {"", 1000}, {"", 10000}, {"", 100000}, {"nested", 1000}, {"nested", 10000}};
    double previous = 0;
    for (const auto& [mode, networks] : runs) {
        if (networks == 1000) {
            previous = 0;
        }
        const std::string command = std::string(argv[0]) + " " + std::to_string(networks) + " " + mode;
        FILE* child = ::popen(command.c_str(), "r");
        double seconds = 0;
        if (child == nullptr || std::fscanf(child, "%lf", &seconds) != 1 || ::pclose(child) != 0) {
            std::fprintf(stderr, "pairing_bench: could not run %s\n", command.c_str());
            return 1;
        }
        std::printf("%-12s %10d %14.3f %16.1f", mode[0] != '\0' ? "nested scan" : "tool", networks,
                    seconds * 1e3, seconds * 1e9 / networks);
        if (previous > 0) {
            std::printf(" %8.2f", seconds / previous);
        }
        std::printf("\n");
        previous = seconds;
    }
    return 0;
}
