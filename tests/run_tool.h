// Runs the built tool as a separate process and captures what it does.
#pragma once

#include <string>
#include <vector>

struct ToolRun {
    int status;  // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

// The tool's path: SMALLWORLD_BIN, or the one built beside the tests.
std::string toolPath();

// Runs the tool with args in workDir, standard input empty. A launcher
// command in SMALLWORLD_LAUNCHER (words split at blanks) is put before it.
// stdoutPath, when given, receives standard output instead of the capture;
// kClosedStdout starts the tool with standard output closed.
// kBrokenPipe with standard output a pipe whose reader has gone.
constexpr const char* kClosedStdout = "(closed)";
constexpr const char* kBrokenPipe = "(broken pipe)";
ToolRun runTool(const std::vector<std::string>& args, const std::string& workDir,
                const std::string& stdoutPath = "");

// The separator the tool joins paths with: '\\' for a Windows build.
char toolSeparator();
