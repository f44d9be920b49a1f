// The least program that makes the system calls a run of smallworld needs,
// and nothing else: two listings of the data directory; per pair an open, a
// read and a close of the lambda file and of the gamma file; a result file
// created, written, closed and renamed into place; and the console lines, each
// written at once. The benchmark times the tool against it.
//
//     floor DATA_DIR
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void writeLine(const std::string& line) {
    if (::write(1, line.data(), line.size()) < 0) {
        std::exit(3);
    }
}

bool readValue(const std::string& path, double& value) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    char buffer[4096];
    const ssize_t count = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    if (count <= 0) {
        return false;
    }
    buffer[count] = '\0';
    value = std::strtod(buffer, nullptr);
    return true;
}

bool endsWith(const char* name, const char* suffix) {
    const std::size_t length = std::strlen(name);
    const std::size_t suffixLength = std::strlen(suffix);
    return length > suffixLength && std::strcmp(name + length - suffixLength, suffix) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return 1;
    }
    const std::string dir = argv[1];
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr) {
        return 1;
    }
    while (::readdir(listing) != nullptr) {
    }
    ::closedir(listing);
    writeLine("counts\n");
    writeLine("counts\n");
    writeLine("Matching....\n");

    std::vector<std::string> stems;
    listing = ::opendir(dir.c_str());
    while (const dirent* entry = ::readdir(listing)) {
        if (endsWith(entry->d_name, "_lambda.txt")) {
            stems.emplace_back(entry->d_name, std::strlen(entry->d_name) - 11);
        }
    }
    ::closedir(listing);

    std::vector<std::string> pairs;
    std::vector<double> sigmas;
    char number[64];
    for (const std::string& stem : stems) {
        const std::string lambdaPath = dir + "/" + stem + "_lambda.txt";
        const std::string gammaPath = dir + "/" + stem + "_gamma.txt";
        double lambda = 0;
        double gamma = 0;
        if (!readValue(lambdaPath, lambda) || !readValue(gammaPath, gamma)) {
            continue;  // a file without a partner
        }
        writeLine("\ncalculating small world property for " + lambdaPath + " and " + gammaPath + " ...\n");
        std::snprintf(number, sizeof number, "%g", gamma / lambda);
        writeLine(std::string("Small world property equals ") + number + "\n");
        pairs.push_back(stem);
        sigmas.push_back(gamma / lambda);
    }
    writeLine("\nConclude each result as the table view:\n");
    writeLine(" File       small world property \n");
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        std::snprintf(number, sizeof number, "%g", sigmas[k]);
        writeLine(" " + pairs[k] + "          " + number + "\n");
    }
    writeLine("Already save each result to the corresponding file with .txt format...\n");
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const std::string path = dir + "/" + pairs[k] + "_smallWorld.txt";
        const std::string temporary = dir + "/.floor.tmp";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        std::snprintf(number, sizeof number, "%g\n", sigmas[k]);
        if (fd < 0 || ::write(fd, number, std::strlen(number)) < 0 || ::close(fd) != 0 ||
            ::rename(temporary.c_str(), path.c_str()) != 0) {
            return 3;
        }
    }
    return 0;
}
