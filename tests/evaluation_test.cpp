#include "evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "os.h"
#include "temp_dir.h"

using namespace smallworld;

namespace {

struct Fixture {
    TempDir dir;
    NameList lambdas;
    NameList gammas;
    std::vector<Pair> pairs;

    void add(const std::string& net, const std::string& lambda, const std::string& gamma) {
        lambdas.push_back(net + "_lambda.txt");
        gammas.push_back(net + "_gamma.txt");
        writeFile(dir.path / lambdas.back(), lambda);
        writeFile(dir.path / gammas.back(), gamma);
        const auto index = static_cast<std::int32_t>(pairs.size());
        pairs.push_back(Pair{index, index});
    }
    std::string path(const std::string& name) const {
        return os::joinPath(dir.path.string(), name);
    }
};

}  // namespace

TEST(Evaluation, PrintsAHeadingAndSigmaForEachPair) {
    Fixture f;
    f.add("net1", "2.0\r\n", "3.0");
    f.add("net2", "4", "1e-4\n");
    std::ostringstream out;
    const EvaluationResult result =
        evaluatePairs(f.dir.path.string(), f.lambdas, f.gammas, f.pairs, out);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.sigmaList, (std::vector<double>{1.5, 1e-4 / 4}));
    EXPECT_EQ(out.str(), "\ncalculating small world property for " + f.path("net1_lambda.txt") +
                             " and " + f.path("net1_gamma.txt") +
                             " ...\nSmall world property equals 1.5\n"
                             "\ncalculating small world property for " +
                             f.path("net2_lambda.txt") + " and " + f.path("net2_gamma.txt") +
                             " ...\nSmall world property equals 2.5e-005\n");
}

TEST(Evaluation, ZeroLambdaGivesInfinityOrNan) {
    Fixture f;
    f.add("a", "0", "1");
    f.add("b", "0", "-1");
    std::ostringstream out;
    const EvaluationResult result = evaluatePairs(f.dir.path.string(), f.lambdas, f.gammas, f.pairs, out);
    ASSERT_TRUE(result.complete);
    EXPECT_TRUE(std::isinf(result.sigmaList[0]) && result.sigmaList[0] > 0);
    EXPECT_TRUE(std::isinf(result.sigmaList[1]) && result.sigmaList[1] < 0);
    EXPECT_NE(out.str().find("Small world property equals inf\n"), std::string::npos);
    EXPECT_NE(out.str().find("Small world property equals -inf\n"), std::string::npos);
}

TEST(Evaluation, StopsAtTheFirstFileItCannotUse) {
    struct Case {
        const char* what;
        const char* lambda;  // null: the file is removed
        const char* gamma;
        std::string line;  // the last line, naming the file
    };
    Fixture names;  // only for the paths in the expectations
    const Case cases[] = {
        {"lambda missing", nullptr, "1", "Can't open\t"},
        {"gamma missing", "1", nullptr, "Can't open\t"},
        {"lambda holds a word", "word", "1", "Can't read a number from\t"},
        {"gamma is empty", "1", "", "Can't read a number from\t"},
        {"gamma underflows", "1", "1e-999", "Can't read a number from\t"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.add("first", "2", "3");
        f.add("second", c.lambda != nullptr ? c.lambda : "", c.gamma != nullptr ? c.gamma : "");
        f.add("third", "1", "1");
        if (c.lambda == nullptr) {
            std::filesystem::remove(f.dir.path / "second_lambda.txt");
        }
        if (c.gamma == nullptr) {
            std::filesystem::remove(f.dir.path / "second_gamma.txt");
        }
        const bool lambdaSide = c.lambda == nullptr || std::string(c.lambda) == "word";
        std::ostringstream out;
        const EvaluationResult result =
            evaluatePairs(f.dir.path.string(), f.lambdas, f.gammas, f.pairs, out);
        EXPECT_FALSE(result.complete) << c.what;
        EXPECT_EQ(result.sigmaList, std::vector<double>{1.5}) << c.what;
        const std::string named = f.path(lambdaSide ? "second_lambda.txt" : "second_gamma.txt");
        const std::string text = out.str();
        const std::string ending = "...\n" + c.line + named + "\n";
        ASSERT_GE(text.size(), ending.size()) << c.what;
        EXPECT_EQ(text.substr(text.size() - ending.size()), ending) << c.what;
        EXPECT_EQ(text.find("third"), std::string::npos) << c.what;
    }
}

TEST(Evaluation, JoinsTheDataDirectoryAsTyped) {
    const std::string sep(1, os::kPathSeparator);
    EXPECT_EQ(os::joinPath("data", "n_lambda.txt"), "data" + sep + "n_lambda.txt");
    EXPECT_EQ(os::joinPath("data" + sep, "n_lambda.txt"), "data" + sep + sep + "n_lambda.txt");
}
