#include "scan.h"

#include <cstdint>

namespace smallworld {
namespace {

constexpr std::string_view kLambdaSuffix = "_lambda.txt";
constexpr std::string_view kGammaSuffix = "_gamma.txt";

bool hasNetworkAndSuffix(std::string_view name, std::string_view suffix) {
    return name.size() > suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void fillPass(dirreader::DirStream* stream, NameList& lambdaList, NameList& gammaList) {
    std::size_t nextLambda = 0;
    std::size_t nextGamma = 0;
    // If the directory changed since the count, names beyond the counted
    // sizes are passed over and unfilled places stay empty.
    while (const dirreader::DirEntry* entry = dirreader::readdir(stream)) {
        const std::string_view name(entry->d_name);
        if (isLambdaFile(name)) {
            if (nextLambda < lambdaList.size()) {
                lambdaList[nextLambda++] = name;
            }
        } else if (isGammaFile(name)) {
            if (nextGamma < gammaList.size()) {
                gammaList[nextGamma++] = name;
            }
        }
    }
}

}  // namespace

bool isLambdaFile(std::string_view name) {
    return hasNetworkAndSuffix(name, kLambdaSuffix);
}

bool isGammaFile(std::string_view name) {
    return hasNetworkAndSuffix(name, kGammaSuffix);
}

ScanResult scanDataDir(const char* dataDir, dirreader::DirStream* firstPass, std::ostream& out,
                       std::ostream& err) {
    std::int32_t nL = 0;
    std::int32_t nG = 0;
    while (const dirreader::DirEntry* entry = dirreader::readdir(firstPass)) {
        const std::string_view name(entry->d_name);
        if (isLambdaFile(name)) {
            ++nL;
        } else if (isGammaFile(name)) {
            ++nG;
        }
    }
    out << nL << " files within lambda value to be processed." << std::endl;
    out << nG << " files within gamma value to be processed." << std::endl;
    dirreader::closedir(firstPass);
    if (nL == 0) {
        err << "Lack lambda files. Please run lambda algorithm before executing small world algorithm."
            << std::endl;
    }
    if (nG == 0) {
        err << "Lack gamma files. Please run gamma algorithm before executing small world algorithm."
            << std::endl;
    }
    out << "Matching...." << std::endl;

    ScanResult result;
    result.lambdaList.resize(static_cast<std::size_t>(nL));
    result.gammaList.resize(static_cast<std::size_t>(nG));
    // A directory that cannot be opened again leaves the lists empty strings.
    if (dirreader::DirStream* secondPass = dirreader::opendir(dataDir)) {
        fillPass(secondPass, result.lambdaList, result.gammaList);
        dirreader::closedir(secondPass);
    }
    return result;
}

}  // namespace smallworld
