// What users' pipelines leave behind when something went wrong: odd names,
// files that are not files, huge files, odd ways to name the data directory,
// standard output that cannot be written, and many networks. Each case states
// its output and exit status; none may crash, hang, or lose or cut a file.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "workspace.h"

namespace fs = std::filesystem;

namespace {

struct Case {
    const char* what;
    std::function<void(Workspace&)> prepare;
    std::vector<std::string> args;  // relative to the working directory
    int status;
    std::function<void(const Workspace&, const ToolRun&)> expect;
    std::string workDir = "";       // below the working directory
    std::string stdoutPath = "";    // "" to capture it
};

void makeSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << path;
    ::close(fd);
}

// A run over one network "net" whose result is 2.
void expectNetResult(const Workspace& w, const ToolRun& run, const std::string& net,
                     const std::string& dir = "data") {
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find(heading(dir, net) + "Small world property equals 2\n"), std::string::npos)
        << run.out;
    EXPECT_EQ(readFile(w.data / (net + "_smallWorld.txt")), "2\n");
}

void runCase(const Case& c) {
    SCOPED_TRACE(c.what);
    Workspace w;
    c.prepare(w);
    const ToolRun run = runTool(c.args, (w.root.path / c.workDir).string(), c.stdoutPath);
    EXPECT_EQ(run.status, c.status);
    c.expect(w, run);
}

}  // namespace

TEST(BadInput, OddNames) {
    const std::string longStem(244, 'n');  // 244 + "_lambda.txt" = 255 bytes
    const Case cases[] = {
        {"a newline in the name", [](Workspace& w) { w.pair("sub\n01", "1", "2"); }, {"data"}, 0,
         [](const Workspace& w, const ToolRun& run) { expectNetResult(w, run, "sub\n01"); }},
        {"a tab in the name", [](Workspace& w) { w.pair("sub\t01", "1", "2"); }, {"data"}, 0,
         [](const Workspace& w, const ToolRun& run) { expectNetResult(w, run, "sub\t01"); }},
        {"bytes that are not UTF-8", [](Workspace& w) { w.pair("s\xff\xfe\x80", "1", "2"); }, {"data"}, 0,
         [](const Workspace& w, const ToolRun& run) { expectNetResult(w, run, "s\xff\xfe\x80"); }},
        {"names beginning with '-'", [](Workspace& w) { w.pair("-n", "1", "2"); }, {"data"}, 0,
         [](const Workspace& w, const ToolRun& run) { expectNetResult(w, run, "-n"); }},
        {"a data directory named like an option",
         [](Workspace& w) {
             fs::create_directory(w.root.path / "-v");
             writeFile(w.root.path / "-v" / "n_lambda.txt", "1");
             writeFile(w.root.path / "-v" / "n_gamma.txt", "2");
         },
         {"-v"}, 0,
         [](const Workspace& w, const ToolRun& run) {
             EXPECT_EQ(readFile(w.root.path / "-v" / "n_smallWorld.txt"), "2\n") << run.out;
         }},
        {"255-byte names, whose result name is too long for the file system",
         [&](Workspace& w) {
             writeFile(w.data / (longStem + "_lambda.txt"), "1");
             writeFile(w.data / (longStem + "_gamma.txt"), "2");
             w.pair("short", "1", "2");
         },
         {"data"}, 3,
         [&](const Workspace& w, const ToolRun& run) {
             EXPECT_EQ(run.err, "Can't write\t" + joined("data", longStem + "_smallWorld.txt") + "\n");
             EXPECT_NE(run.out.find(" " + longStem + "          2\n"), std::string::npos);
             EXPECT_EQ(readFile(w.data / "short_smallWorld.txt"), "2\n");
             EXPECT_EQ(w.names().size(), 5u) << "no temporary file stays behind";
         }},
    };
    for (const Case& c : cases) {
        runCase(c);
    }
}

TEST(BadInput, InputsThatAreNotRegularFiles) {
    const auto stopsAt = [](const std::string& line) {
        return [line](const Workspace& w, const ToolRun& run) {
            EXPECT_EQ(run.out, counts(1, 1) + heading("data", "n") + line + "\n");
            EXPECT_EQ(w.names().size(), 2u) << "no result file";
        };
    };
    const Case cases[] = {
        {"a FIFO as lambda file",
         [](Workspace& w) {
             ASSERT_EQ(::mkfifo((w.data / "n_lambda.txt").c_str(), 0644), 0);
             writeFile(w.data / "n_gamma.txt", "2");
         },
         {"data"}, 2, stopsAt("Can't open\t" + joined("data", "n_lambda.txt"))},
        {"a socket as gamma file",
         [](Workspace& w) {
             writeFile(w.data / "n_lambda.txt", "1");
             makeSocket(w.data / "n_gamma.txt");
         },
         {"data"}, 2, stopsAt("Can't open\t" + joined("data", "n_gamma.txt"))},
        {"a dangling symbolic link as lambda file",
         [](Workspace& w) {
             fs::create_symlink(w.root.path / "gone", w.data / "n_lambda.txt");
             writeFile(w.data / "n_gamma.txt", "2");
         },
         {"data"}, 2, stopsAt("Can't open\t" + joined("data", "n_lambda.txt"))},
        {"a device as gamma file",
         [](Workspace& w) {
             writeFile(w.data / "n_lambda.txt", "1");
             fs::create_symlink("/dev/zero", w.data / "n_gamma.txt");
         },
         {"data"}, 2, stopsAt("Can't open\t" + joined("data", "n_gamma.txt"))},
    };
    for (const Case& c : cases) {
        runCase(c);
    }
}

TEST(BadInput, HugeValueFileIsReadToItsNumber) {
    Workspace w;
    {
        std::ofstream lambda(w.data / "n_lambda.txt", std::ios::binary);
        const std::string blanks(1 << 20, ' ');
        for (int k = 0; k < 100; ++k) {
            lambda << blanks;
        }
        lambda << "\n0.5\n";
    }
    writeFile(w.data / "n_gamma.txt", "1");
    const ToolRun run = w.run();
    EXPECT_EQ(run.status, 0);
    expectNetResult(w, run, "n");
}

TEST(BadInput, WaysToNameTheDataDirectory) {
    const Case cases[] = {
        {"the working directory as '.'", [](Workspace& w) { w.pair("n", "1", "2"); }, {"."}, 0,
         [](const Workspace& w, const ToolRun& run) { expectNetResult(w, run, "n", "."); }, "data"},
        {"through '..'",
         [](Workspace& w) {
             w.pair("n", "1", "2");
             fs::create_directory(w.root.path / "elsewhere");
         },
         {"../data"}, 0,
         [](const Workspace& w, const ToolRun& run) { expectNetResult(w, run, "n", "../data"); },
         "elsewhere"},
        {"through a symbolic link",
         [](Workspace& w) {
             w.pair("n", "1", "2");
             fs::create_directory_symlink(w.data, w.root.path / "link");
         },
         {"link"}, 0,
         [](const Workspace& w, const ToolRun& run) { expectNetResult(w, run, "n", "link"); }},
        {"with a trailing separator", [](Workspace& w) { w.pair("n", "1", "2"); }, {"data/"}, 0,
         [](const Workspace& w, const ToolRun& run) { expectNetResult(w, run, "n", "data/"); }},
    };
    for (const Case& c : cases) {
        runCase(c);
    }
}

TEST(BadInput, StandardOutputThatCannotBeWritten) {
    const Case cases[] = {
        {"standard output is /dev/full", [](Workspace& w) { w.pair("n", "1", "2"); }, {"data"}, 3,
         [](const Workspace& w, const ToolRun& run) {
             EXPECT_EQ(run.err, "smallworld: write error on standard output\n");
             EXPECT_EQ(readFile(w.data / "n_smallWorld.txt"), "2\n");
         },
         "", "/dev/full"},
        {"standard output is closed", [](Workspace& w) { w.pair("n", "1", "2"); }, {"data"}, 3,
         [](const Workspace& w, const ToolRun& run) {
             EXPECT_EQ(run.err, "smallworld: write error on standard output\n");
             EXPECT_EQ(readFile(w.data / "n_smallWorld.txt"), "2\n");
             EXPECT_EQ(w.names().size(), 3u) << "console text went into no file";
         },
         "", kClosedStdout},
        {"standard output is a pipe nobody reads", [](Workspace& w) { w.pair("n", "1", "2"); }, {"data"}, 3,
         [](const Workspace& w, const ToolRun& run) {
             EXPECT_EQ(run.err, "smallworld: write error on standard output\n");
             EXPECT_EQ(readFile(w.data / "n_smallWorld.txt"), "2\n") << "results are still written";
         },
         "", kBrokenPipe},
        {"help to /dev/full", [](Workspace&) {}, {"--help"}, 3,
         [](const Workspace&, const ToolRun& run) {
             EXPECT_EQ(run.err, "smallworld: write error on standard output\n");
         },
         "", "/dev/full"},
    };
    for (const Case& c : cases) {
        runCase(c);
    }
}

TEST(BadInput, AHundredThousandNetworks) {
    Workspace w;
    const int networks = 100000;
    for (int k = 0; k < networks; ++k) {
        const std::string net = "sub-" + std::to_string(k);
        std::ofstream(w.data / (net + "_lambda.txt")) << "2\n";
        std::ofstream(w.data / (net + "_gamma.txt")) << k << "\n";
    }
    const fs::path out = w.root.path / "out.txt";
    const ToolRun run = w.run({"data"}, out.string());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string text = readFile(out);
    EXPECT_EQ(text.substr(0, counts(networks, networks).size()), counts(networks, networks));
    EXPECT_EQ(text.substr(text.size() - kClosing.size()), kClosing);
    for (const int k : {0, 1, 77777, networks - 1}) {
        EXPECT_EQ(readFile(w.data / ("sub-" + std::to_string(k) + "_smallWorld.txt")),
                  std::to_string(k / 2) + (k % 2 == 1 ? ".5\n" : "\n"));
    }
}
