#include "evaluation.h"

#include "numformat.h"
#include "os.h"
#include "readnumber.h"

namespace smallworld {
namespace {

// The file's number, or nothing after a line that names the file.
std::optional<double> readValue(const std::string& path, std::ostream& out) {
    const ReadOutcome outcome = readNumberFile(path);
    switch (outcome.status) {
    case ReadStatus::Read:
        return outcome.value;
    case ReadStatus::CannotOpen:
        out << "Can't open\t" << path << std::endl;
        break;
    case ReadStatus::NoNumber:
        out << "Can't read a number from\t" << path << std::endl;
        break;
    }
    return std::nullopt;
}

}  // namespace

EvaluationResult evaluatePairs(const std::string& dataDir, const NameList& lambdaList,
                               const NameList& gammaList, const std::vector<Pair>& pairList,
                               std::ostream& out) {
    EvaluationResult result{{}, false};
    result.sigmaList.reserve(pairList.size());
    for (const Pair& pair : pairList) {
        const std::string lambdaPath =
            os::joinPath(dataDir, lambdaList[static_cast<std::size_t>(pair.lambdaIndex)]);
        const std::string gammaPath =
            os::joinPath(dataDir, gammaList[static_cast<std::size_t>(pair.gammaIndex)]);
        out << "\ncalculating small world property for " << lambdaPath << " and " << gammaPath
            << " ..." << std::endl;
        const std::optional<double> lambda = readValue(lambdaPath, out);
        if (!lambda) {
            return result;
        }
        const std::optional<double> gamma = readValue(gammaPath, out);
        if (!gamma) {
            return result;
        }
        const double sigma = *gamma / *lambda;
        result.sigmaList.push_back(sigma);
        out << "Small world property equals " << formatNumber(sigma) << std::endl;
    }
    result.complete = true;
    return result;
}

}  // namespace smallworld
