// Fixtures for the tests that run the built tool: a working directory with a
// data directory in it, and the texts the tool prints.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "run_tool.h"
#include "temp_dir.h"

inline const std::string kLackLambda =
    "Lack lambda files. Please run lambda algorithm before executing small world algorithm.\n";
inline const std::string kLackGamma =
    "Lack gamma files. Please run gamma algorithm before executing small world algorithm.\n";
inline const std::string kTableHead =
    "\nConclude each result as the table view:\n File       small world property \n";
inline const std::string kClosing =
    "Already save each result to the corresponding file with .txt format...\n";

inline std::string counts(int lambdas, int gammas) {
    return std::to_string(lambdas) + " files within lambda value to be processed.\n" +
           std::to_string(gammas) + " files within gamma value to be processed.\nMatching....\n";
}

// A working directory holding the data directory "data".
struct Workspace {
    TempDir root;
    std::filesystem::path data = root.path / "data";

    Workspace() { std::filesystem::create_directory(data); }

    void pair(const std::string& net, const std::string& lambda, const std::string& gamma) {
        writeFile(data / (net + "_lambda.txt"), lambda);
        writeFile(data / (net + "_gamma.txt"), gamma);
    }
    ToolRun run(std::vector<std::string> args = {"data"}, const std::string& stdoutPath = "") const {
        return runTool(args, root.path.string(), stdoutPath);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(data)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
};

inline std::string joined(const std::string& dir, const std::string& name) {
    return dir + toolSeparator() + name;
}

inline std::string heading(const std::string& dir, const std::string& net) {
    return "\ncalculating small world property for " + joined(dir, net + "_lambda.txt") + " and " +
           joined(dir, net + "_gamma.txt") + " ...\n";
}

