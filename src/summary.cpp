#include "summary.h"

#include <cstdio>

#include "numformat.h"
#include "os.h"

namespace smallworld {

std::string_view resultStem(std::string_view lambdaName) {
    return lambdaName.substr(0, lambdaName.rfind('_'));
}

StemList printSummary(const NameList& lambdaList, const std::vector<Pair>& pairList,
                      const std::vector<double>& sigmaList, std::ostream& out) {
    out << '\n';
    out << "Conclude each result as the table view:" << std::endl;
    out << " File       small world property " << std::endl;
    StemList resultStems;
    resultStems.reserve(pairList.size());
    for (std::size_t o = 0; o < pairList.size(); ++o) {
        const auto& lambdaName = lambdaList[static_cast<std::size_t>(pairList[o].lambdaIndex)];
        resultStems.push_back(resultStem(lambdaName));
        out << ' ' << resultStems.back() << "          " << formatNumber(sigmaList[o]) << std::endl;
    }
    out << "Already save each result to the corresponding file with .txt format..." << std::endl;
    return resultStems;
}

bool writeResultFiles(const std::string& dataDir, const StemList& resultStems,
                      const std::vector<double>& sigmaList, std::ostream& err) {
    bool allWritten = true;
    for (std::size_t t = 0; t < resultStems.size(); ++t) {
        const std::string path =
            os::joinPath(dataDir, std::string(resultStems[t]) + "_smallWorld.txt");
        if (!os::replaceFile(path, formatNumber(sigmaList[t]) + '\n')) {
            err << "Can't write\t" << path << std::endl;
            allWritten = false;
        }
    }
    return allWritten;
}

}  // namespace smallworld
