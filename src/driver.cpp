#include "driver.h"

#include <cstring>
#include <fstream>

#include "dirreader/dirreader.h"
#include "evaluation.h"
#include "pairing.h"
#include "rundata.h"
#include "scan.h"
#include "summary.h"
#include "usage.h"

namespace smallworld {
namespace {

int runPhases(const char* dataDir, std::ostream& out, std::ostream& err) {
    // Opened for appending and never written: earlier tools of the pipeline
    // share this log, so it is created when absent and otherwise left alone.
    std::ofstream timeLog("ZNQ_time_log", std::ios::app | std::ios::binary);

    dirreader::DirStream* directory = dirreader::opendir(dataDir);
    if (directory == nullptr) {
        out << "can't open " << (dataDir != nullptr ? dataDir : "(null)") << std::flush;
        return kExitNoDirectory;
    }
    const ScanResult scan = scanDataDir(dataDir, directory, out, err);

    const PairingResult pairing = pairFiles(scan.lambdaList, scan.gammaList);
    reportUnmatched(pairing, scan.lambdaList, scan.gammaList, out);

    const EvaluationResult evaluation =
        evaluatePairs(dataDir, scan.lambdaList, scan.gammaList, pairing.pairList, out);
    if (!evaluation.complete) {
        return kExitStopped;
    }

    const StemList resultStems =
        printSummary(scan.lambdaList, pairing.pairList, evaluation.sigmaList, out);
    if (!writeResultFiles(dataDir, resultStems, evaluation.sigmaList, err)) {
        return kExitNotWritten;
    }
    return kExitComplete;
}

// Console text that could not be written (a full disk, a closed stream) is a
// failure too, even where every result file was written.
int checkOutput(int status, std::ostream& out, std::ostream& err) {
    out.flush();
    if (!out && status == kExitComplete) {
        err << "smallworld: write error on standard output" << std::endl;
        return kExitNotWritten;
    }
    return status;
}

}  // namespace

int runSmallWorld(const char* dataDir, std::ostream& out, std::ostream& err) {
    return checkOutput(runPhases(dataDir, out, err), out, err);
}

int runCommand(int argc, char** argv, std::ostream& out, std::ostream& err) {
    const char* first = argc > 1 ? argv[1] : nullptr;
    if (first != nullptr && (std::strcmp(first, "-h") == 0 || std::strcmp(first, "--help") == 0)) {
        printUsage(out);
        return checkOutput(kExitComplete, out, err);
    }
    if (first != nullptr && std::strcmp(first, "--version") == 0) {
        printVersion(out);
        return checkOutput(kExitComplete, out, err);
    }
    return runSmallWorld(first, out, err);
}

}  // namespace smallworld
