#include "summary.h"

#include <gtest/gtest.h>

#include <sstream>

#include "os.h"
#include "temp_dir.h"

namespace fs = std::filesystem;
using namespace smallworld;

TEST(ResultStem, IsTheLambdaNameUpToItsLastUnderscore) {
    EXPECT_EQ(resultStem("net1_lambda.txt"), "net1");
    EXPECT_EQ(resultStem("a_lambda_b_lambda.txt"), "a_lambda_b");
    EXPECT_EQ(resultStem("sub-01_task-rest_lambda.txt"), "sub-01_task-rest");
    EXPECT_EQ(resultStem("__lambda.txt"), "_");
}

TEST(Summary, ListsEveryPairUnderItsStem) {
    const NameList lambdas{"a_lambda_b_lambda.txt", "net1_lambda.txt"};
    const std::vector<Pair> pairs{{1, 0}, {0, 1}};
    std::ostringstream out;
    const StemList stems = printSummary(lambdas, pairs, {1.5, 1.5e7}, out);
    EXPECT_EQ(stems, (StemList{"net1", "a_lambda_b"}));
    EXPECT_EQ(out.str(),
              "\n"
              "Conclude each result as the table view:\n"
              " File       small world property \n"
              " net1          1.5\n"
              " a_lambda_b          1.5e+007\n"
              "Already save each result to the corresponding file with .txt format...\n");

    std::ostringstream empty;
    EXPECT_TRUE(printSummary({}, {}, {}, empty).empty());
    EXPECT_EQ(empty.str(),
              "\n"
              "Conclude each result as the table view:\n"
              " File       small world property \n"
              "Already save each result to the corresponding file with .txt format...\n");
}

TEST(ResultFiles, HoldTheValueAndALineFeedReplacingOlderContent) {
    TempDir dir;
    writeFile(dir.path / "old_smallWorld.txt", "a much longer earlier content\r\n");
    std::ostringstream err;
    EXPECT_TRUE(writeResultFiles(dir.path.string(), {"net1", "old", "tiny"},
                                 {1.5, 1.23456789, 1.234e-5}, err));
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(readFile(dir.path / "net1_smallWorld.txt"), "1.5\n");
    EXPECT_EQ(readFile(dir.path / "old_smallWorld.txt"), "1.23457\n");
    EXPECT_EQ(readFile(dir.path / "tiny_smallWorld.txt"), "1.234e-005\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 3);
}

TEST(ResultFiles, AFailedFileIsNamedAndTheOthersAreStillWritten) {
    TempDir dir;
    fs::create_directory(dir.path / "first_smallWorld.txt");
    std::ostringstream err;
    EXPECT_FALSE(writeResultFiles(dir.path.string(), {"first", "second"}, {1.0, 2.0}, err));
    EXPECT_EQ(err.str(), "Can't write\t" + os::joinPath(dir.path.string(), "first_smallWorld.txt") + "\n");
    EXPECT_TRUE(fs::is_directory(dir.path / "first_smallWorld.txt"));
    EXPECT_EQ(readFile(dir.path / "second_smallWorld.txt"), "2\n");
    // No temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 2);
}
