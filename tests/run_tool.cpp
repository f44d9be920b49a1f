#include "run_tool.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "temp_dir.h"

std::string toolPath() {
    const char* fromEnvironment = std::getenv("SMALLWORLD_BIN");
    return fromEnvironment != nullptr && fromEnvironment[0] != '\0' ? fromEnvironment
                                                                      : SMALLWORLD_DEFAULT_BIN;
}

namespace {

std::vector<std::string> launcherWords() {
    std::vector<std::string> words;
    if (const char* launcher = std::getenv("SMALLWORLD_LAUNCHER")) {
        std::istringstream split(launcher);
        for (std::string word; split >> word;) {
            words.push_back(word);
        }
    }
    return words;
}

// A Windows program writes its console text in text mode, each line ending
// in CR LF; the tests compare the lines. A lone LF stays and shows.
std::string consoleText(std::string text) {
    if (toolSeparator() != '\\') {
        return text;
    }
    std::string lines;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n')) {
            lines += text[k];
        }
    }
    return lines;
}

}  // namespace

ToolRun runTool(const std::vector<std::string>& args, const std::string& workDir,
                const std::string& stdoutPath) {
    TempDir capture;
    const std::string outPath =
        stdoutPath.empty() ? (capture.path / "stdout").string() : stdoutPath;
    const std::string errPath = (capture.path / "stderr").string();

    std::vector<std::string> command = launcherWords();
    command.push_back(toolPath());
    command.insert(command.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : command) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    int pipeEnds[2] = {-1, -1};
    if (stdoutPath == kBrokenPipe && ::pipe(pipeEnds) == 0) {
        ::close(pipeEnds[0]);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const bool closed = stdoutPath == kClosedStdout;
        const int out = pipeEnds[1] >= 0 ? pipeEnds[1]
                        : closed         ? ::open("/dev/null", O_WRONLY)
                                         : ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || ::chdir(workDir.c_str()) != 0) {
            ::_exit(126);
        }
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (closed) {
            ::close(1);
        }
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    if (pipeEnds[1] >= 0) {
        ::close(pipeEnds[1]);
    }
    int waitStatus = 0;
    ::waitpid(child, &waitStatus, 0);
    ToolRun run{};
    run.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
    run.out = stdoutPath.empty() ? consoleText(readFile(outPath)) : std::string();
    run.err = consoleText(readFile(errPath));
    return run;
}

char toolSeparator() {
    const std::string path = toolPath();
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".exe") == 0 ? '\\' : '/';
}
