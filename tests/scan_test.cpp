#include "scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "temp_dir.h"

namespace fs = std::filesystem;
using namespace smallworld;

TEST(NameTests, DecideTheKindByExactSuffix) {
    struct Case {
        const char* name;
        bool lambda;
        bool gamma;
    };
    const Case cases[] = {
        {"a_lambda.txt", true, false},
        {"_lambda.txt", false, false},
        {"a_gamma.txt", false, true},
        {"_gamma.txt", false, false},
        {"A_LAMBDA.TXT", false, false},
        {"a_lambda.TXT", false, false},
        {"a_Gamma.txt", false, false},
        {"a_lambda.txt.bak", false, false},
        {"a_lambda.txtx", false, false},
        {"a_gamma.txt~", false, false},
        {"._lambda.txt", true, false},
        {"__gamma.txt", false, true},
        {"x_gamma_lambda.txt", true, false},
        {"x_lambda_gamma.txt", false, true},
        {".", false, false},
        {"..", false, false},
        {"", false, false},
        {"readme.markdown", false, false},
        {"ZNQ_time_log", false, false},
        {"net1_smallWorld.txt", false, false},
        {"a_lambdatxt", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isLambdaFile(c.name), c.lambda) << c.name;
        EXPECT_EQ(isGammaFile(c.name), c.gamma) << c.name;
    }
}

namespace {

struct ScanRun {
    ScanResult result;
    std::string out;
    std::string err;
};

ScanRun scan(const fs::path& dir) {
    const std::string path = dir.string();
    std::ostringstream out;
    std::ostringstream err;
    dirreader::DirStream* stream = dirreader::opendir(path.c_str());
    EXPECT_NE(stream, nullptr);
    ScanRun run{scanDataDir(path.c_str(), stream, out, err), "", ""};
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace

TEST(Scan, CountsReportsAndListsEachKind) {
    TempDir dir;
    for (const char* name : {"b_lambda.txt", "notes.dat", "a_gamma.txt", "a_lambda.txt",
                             "A_LAMBDA.TXT", "old_smallWorld.txt"}) {
        writeFile(dir.path / name, "1");
    }
    fs::create_directory(dir.path / "sub_gamma.txt");
    const ScanRun run = scan(dir.path);
    EXPECT_EQ(run.out,
              "2 files within lambda value to be processed.\n"
              "2 files within gamma value to be processed.\n"
              "Matching....\n");
    EXPECT_EQ(run.err, "");
    // The listing's order is the platform's; the lists keep it.
    NameList lambdas = run.result.lambdaList;
    NameList gammas = run.result.gammaList;
    std::sort(lambdas.begin(), lambdas.end());
    std::sort(gammas.begin(), gammas.end());
    EXPECT_EQ(lambdas, (NameList{"a_lambda.txt", "b_lambda.txt"}));
    EXPECT_EQ(gammas, (NameList{"a_gamma.txt", "sub_gamma.txt"}));
}

TEST(Scan, WarnsOnStandardErrorAboutAMissingKind) {
    TempDir empty;
    const ScanRun none = scan(empty.path);
    EXPECT_EQ(none.out,
              "0 files within lambda value to be processed.\n"
              "0 files within gamma value to be processed.\n"
              "Matching....\n");
    EXPECT_EQ(none.err,
              "Lack lambda files. Please run lambda algorithm before executing small world "
              "algorithm.\n"
              "Lack gamma files. Please run gamma algorithm before executing small world "
              "algorithm.\n");
    EXPECT_TRUE(none.result.lambdaList.empty());
    EXPECT_TRUE(none.result.gammaList.empty());

    TempDir lambdaOnly;
    writeFile(lambdaOnly.path / "n_lambda.txt", "1");
    EXPECT_EQ(scan(lambdaOnly.path).err,
              "Lack gamma files. Please run gamma algorithm before executing small world "
              "algorithm.\n");
}

TEST(Scan, KeepsTheCountedSizesWhenTheDirectoryChangesBetweenPasses) {
    TempDir dir;
    writeFile(dir.path / "a_lambda.txt", "1");
    writeFile(dir.path / "a_gamma.txt", "1");
    writeFile(dir.path / "b_gamma.txt", "1");
    const std::string path = dir.path.string();
    std::ostringstream out;
    std::ostringstream err;

    // Counted: one lambda file, two gamma files. Then the directory changes.
    dirreader::DirStream* first = dirreader::opendir(path.c_str());
    ASSERT_NE(first, nullptr);
    fs::remove(dir.path / "b_gamma.txt");
    writeFile(dir.path / "c_lambda.txt", "1");
    writeFile(dir.path / "d_lambda.txt", "1");

    // The first stream has already read the old listing in its first batch.
    const ScanResult result = scanDataDir(path.c_str(), first, out, err);
    ASSERT_EQ(result.lambdaList.size(), 1u);
    EXPECT_TRUE(isLambdaFile(result.lambdaList[0]));
    ASSERT_EQ(result.gammaList.size(), 2u);
    EXPECT_EQ(result.gammaList[0], "a_gamma.txt");
    EXPECT_EQ(result.gammaList[1], "");
}
