// Runs the built tool on fixture directories and checks every byte it
// prints and writes, and its exit status.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <functional>

#include "run_tool.h"
#include "temp_dir.h"
#include "workspace.h"

namespace fs = std::filesystem;


TEST(EndToEnd, OneNetworkFromListingToResultFile) {
    Workspace w;
    w.pair("net1", "2", "3");
    const ToolRun run = w.run();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, counts(1, 1) + heading("data", "net1") + "Small world property equals 1.5\n" +
                           kTableHead + " net1          1.5\n" + kClosing);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readFile(w.data / "net1_smallWorld.txt"), "1.5\n");
    EXPECT_TRUE(fs::exists(w.root.path / "ZNQ_time_log"));
    EXPECT_EQ(fs::file_size(w.root.path / "ZNQ_time_log"), 0u);
}

TEST(EndToEnd, DirectoryThatCannotBeOpened) {
    Workspace w;
    writeFile(w.root.path / "file.txt", "x");
    const std::string longName(257, 'd');
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "can't open (null)"},
        {{"no_such_dir"}, "can't open no_such_dir"},
        {{"file.txt"}, "can't open file.txt"},
        {{longName}, "can't open " + longName},
    };
    for (const auto& [args, message] : cases) {
        fs::remove(w.root.path / "ZNQ_time_log");
        const ToolRun run = w.run(args);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_EQ(run.out, message);
        EXPECT_EQ(run.err, "") << message;
        EXPECT_TRUE(fs::exists(w.root.path / "ZNQ_time_log")) << message;
    }
}

TEST(EndToEnd, EmptyDirectoryWarnsAndPrintsAnEmptyTable) {
    Workspace w;
    writeFile(w.data / "readme.markdown", "x");
    const ToolRun run = w.run({"data", "ignored", "arguments"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, counts(0, 0) + kTableHead + kClosing);
    EXPECT_EQ(run.err, kLackLambda + kLackGamma);
    EXPECT_EQ(w.names(), std::vector<std::string>{"readme.markdown"});
}

TEST(EndToEnd, FilesWithoutAPartnerAreReported) {
    Workspace w;
    w.pair("net1", "2", "3");
    writeFile(w.data / "Net2_lambda.txt", "1");
    writeFile(w.data / "net2_gamma.txt", "1");
    const ToolRun run = w.run();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              counts(2, 2) +
                  "1 files within lambda value can't be used to calculate the small world property "
                  "because of default corresponding clustering coefficient ratio(gamma value) files\n"
                  " These files are as follows:\n"
                  "No.1  name: Net2_lambda.txt  \n"
                  "1 files within gamma value can't be used to calculate the small world property "
                  "because of default corresponding  characteristic length path(lambda value) files\n"
                  " These files are as follows:\n"
                  "No.1  name:  net2_gamma.txt  \n" +
                  heading("data", "net1") + "Small world property equals 1.5\n" + kTableHead +
                  " net1          1.5\n" + kClosing);
}

TEST(EndToEnd, OnlyOneKindPresent) {
    Workspace w;
    writeFile(w.data / "a_lambda.txt", "1");
    ToolRun run = w.run();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, kLackGamma);
    EXPECT_EQ(run.out.substr(0, counts(1, 0).size()), counts(1, 0));
    EXPECT_NE(run.out.find("No.1  name: a_lambda.txt  \n" + kTableHead + kClosing), std::string::npos);
}

TEST(EndToEnd, ManyNetworksBeyond128OfEachKind) {
    Workspace w;
    const int networks = 300;
    for (int k = 0; k < networks; ++k) {
        w.pair("sub-" + std::to_string(k), std::to_string(k + 1), std::to_string(2 * (k + 1)));
    }
    const ToolRun run = w.run();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, counts(networks, networks).size()), counts(networks, networks));
    EXPECT_EQ(run.err, "");
    for (int k = 0; k < networks; ++k) {
        const std::string stem = "sub-" + std::to_string(k);
        EXPECT_EQ(readFile(w.data / (stem + "_smallWorld.txt")), "2\n") << stem;
        EXPECT_NE(run.out.find("\n " + stem + "          2\n"), std::string::npos) << stem;
    }
}

TEST(EndToEnd, TrailingSeparatorGivesTwoSeparators) {
    Workspace w;
    w.pair("net1", "4", "1");
    const std::string dir = std::string("data") + toolSeparator();
    const ToolRun run = w.run({dir});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(heading(dir, "net1")), std::string::npos) << run.out;
    EXPECT_EQ(readFile(w.data / "net1_smallWorld.txt"), "0.25\n");
}

TEST(EndToEnd, ResultStemsAndTheNumberFormat) {
    Workspace w;
    // Paired by the key "a"; the result is named after the stem "a_lambda_b".
    writeFile(w.data / "a_lambda_b_lambda.txt", "1e-7");
    writeFile(w.data / "a_gamma.txt", "1.5");
    const ToolRun run = w.run();
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Small world property equals 1.5e+007\n"), std::string::npos);
    EXPECT_NE(run.out.find(kTableHead + " a_lambda_b          1.5e+007\n" + kClosing), std::string::npos);
    EXPECT_EQ(readFile(w.data / "a_lambda_b_smallWorld.txt"), "1.5e+007\n");
}

TEST(EndToEnd, ResultFilesAreReplacedWhole) {
    Workspace w;
    w.pair("net1", "3", "1");
    writeFile(w.data / "net1_smallWorld.txt", "an older, longer result\r\n");
    writeFile(w.root.path / "elsewhere.txt", "keep");
    w.pair("net2", "1", "2");
    fs::create_symlink(w.root.path / "elsewhere.txt", w.data / "net2_smallWorld.txt");
    const ToolRun run = w.run();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(readFile(w.data / "net1_smallWorld.txt"), "0.333333\n");
    EXPECT_FALSE(fs::is_symlink(w.data / "net2_smallWorld.txt"));
    EXPECT_EQ(readFile(w.data / "net2_smallWorld.txt"), "2\n");
    EXPECT_EQ(readFile(w.root.path / "elsewhere.txt"), "keep");
}

TEST(EndToEnd, AResultFileThatCannotBeWritten) {
    Workspace w;
    w.pair("a", "1", "2");
    w.pair("b", "1", "3");
    fs::create_directory(w.data / "a_smallWorld.txt");
    const ToolRun run = w.run();
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out.substr(run.out.size() - kClosing.size()), kClosing);
    EXPECT_EQ(run.err, "Can't write\t" + joined("data", "a_smallWorld.txt") + "\n");
    EXPECT_EQ(readFile(w.data / "b_smallWorld.txt"), "3\n");
    EXPECT_EQ(w.names(), (std::vector<std::string>{"a_gamma.txt", "a_lambda.txt", "a_smallWorld.txt",
                                                   "b_gamma.txt", "b_lambda.txt", "b_smallWorld.txt"}));
}

TEST(EndToEnd, EarlyStopAtAFileThatCannotBeUsed) {
    struct Case {
        const char* what;
        std::function<void(Workspace&)> spoil;  // makes net "bad" unusable
        std::string line;
    };
    const Case cases[] = {
        {"lambda file is a directory",
         [](Workspace& w) {
             fs::create_directory(w.data / "bad_lambda.txt");
             writeFile(w.data / "bad_gamma.txt", "1");
         },
         "Can't open\t" + joined("data", "bad_lambda.txt")},
        {"gamma file is a FIFO",
         [](Workspace& w) {
             writeFile(w.data / "bad_lambda.txt", "1");
             ::mkfifo((w.data / "bad_gamma.txt").c_str(), 0644);
         },
         "Can't open\t" + joined("data", "bad_gamma.txt")},
        {"gamma file holds no number", [](Workspace& w) { w.pair("bad", "1", "n/a\n"); },
         "Can't read a number from\t" + joined("data", "bad_gamma.txt")},
        {"lambda file is empty", [](Workspace& w) { w.pair("bad", "", "1"); },
         "Can't read a number from\t" + joined("data", "bad_lambda.txt")},
    };
    for (const Case& c : cases) {
        Workspace w;
        c.spoil(w);
        const ToolRun run = w.run();
        EXPECT_EQ(run.status, 2) << c.what;
        EXPECT_EQ(run.out, counts(1, 1) + heading("data", "bad") + c.line + "\n") << c.what;
        EXPECT_EQ(run.err, "") << c.what;
        EXPECT_EQ(w.names().size(), 2u) << c.what << ": no result file";
    }
}

TEST(EndToEnd, TimeLogIsOpenedForAppendingAndNeverWritten) {
    const std::vector<std::function<void(Workspace&)>> runs = {
        [](Workspace& w) { w.pair("ok", "1", "2"); },
        [](Workspace& w) { fs::remove(w.data); },
        [](Workspace& w) { w.pair("bad", "x", "2"); },
    };
    for (const auto& prepare : runs) {
        Workspace w;
        prepare(w);
        writeFile(w.root.path / "ZNQ_time_log", "earlier content\n");
        w.run();
        EXPECT_EQ(readFile(w.root.path / "ZNQ_time_log"), "earlier content\n");
    }

    // A time log that cannot be opened changes nothing.
    Workspace w;
    w.pair("net1", "2", "3");
    fs::create_directory(w.root.path / "ZNQ_time_log");
    const ToolRun run = w.run();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readFile(w.data / "net1_smallWorld.txt"), "1.5\n");
}

TEST(EndToEnd, HelpAndVersion) {
    Workspace w;
    for (const char* option : {"-h", "--help"}) {
        const ToolRun run = w.run({option});
        EXPECT_EQ(run.status, 0) << option;
        EXPECT_EQ(run.out.rfind("Usage: smallworld DATA_DIR\n", 0), 0u) << run.out;
        EXPECT_NE(run.out.find("  3  the run completed"), std::string::npos);
        EXPECT_EQ(run.err, "");
    }
    const ToolRun version = w.run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "smallworld " SMALLWORLD_VERSION "\n");
    EXPECT_FALSE(fs::exists(w.root.path / "ZNQ_time_log")) << "no run took place";

    // Only the first argument is an option; a directory of that name is
    // reached through a path.
    fs::create_directory(w.root.path / "--help");
    const ToolRun dir = w.run({std::string(".") + toolSeparator() + "--help"});
    EXPECT_EQ(dir.status, 0);
    EXPECT_EQ(dir.out.rfind("0 files within lambda value", 0), 0u) << dir.out;
    EXPECT_EQ(w.run({"data", "--help"}).out.rfind("0 files within lambda value", 0), 0u);
}

// The example in the README is what the tool prints on examples/pipeline.
// The order of the networks follows the directory listing, which differs
// from one file system to another, so the lines are compared as a set.
TEST(EndToEnd, ReadmeExampleIsCurrent) {
    const fs::path source(SMALLWORLD_SOURCE_DIR);
    const std::string readme = readFile(source / "README.md");
    const std::string start = "```console\n$ smallworld pipeline\n";
    const std::size_t begin = readme.find(start);
    ASSERT_NE(begin, std::string::npos) << "README.md shows no example run";
    const std::size_t end = readme.find("```", begin + start.size());
    std::string shown = readme.substr(begin + start.size(), end - begin - start.size());
    // A Windows build joins the paths with its own separator.
    for (std::size_t at = 0; (at = shown.find("pipeline/", at)) != std::string::npos; ++at) {
        shown[at + 8] = toolSeparator();
    }

    Workspace w;
    fs::copy(source / "examples" / "pipeline", w.root.path / "pipeline");
    const ToolRun run = w.run({"pipeline"});
    EXPECT_EQ(run.status, 0);
    auto lines = [](const std::string& text) {
        std::vector<std::string> all;
        std::size_t from = 0;
        for (std::size_t to; (to = text.find('\n', from)) != std::string::npos; from = to + 1) {
            all.push_back(text.substr(from, to - from));
        }
        std::sort(all.begin(), all.end());
        return all;
    };
    EXPECT_EQ(lines(run.err + run.out), lines(shown));
}
