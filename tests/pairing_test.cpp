#include "pairing.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "nested_pairing.h"

using namespace smallworld;

TEST(PairingKey, EndsAtTheFirstMarker) {
    EXPECT_EQ(lambdaPairingKey("a_lambda_b_lambda.txt"), "a");
    EXPECT_EQ(gammaPairingKey("a_lambda_b_gamma.txt"), "a_lambda_b");
    EXPECT_EQ(lambdaPairingKey("_lambda_lambda.txt"), "");
    EXPECT_EQ(gammaPairingKey("x_gamma_lambda.txt"), "x");
    EXPECT_EQ(lambdaPairingKey("nomarker"), "nomarker");
}

TEST(Pairing, DecidesPairsByKeyInLambdaOrder) {
    struct Case {
        const char* what;
        NameList lambdas;
        NameList gammas;
        std::vector<std::pair<int, int>> pairs;
        std::vector<std::int32_t> unmatchedLambda;
        std::vector<std::int32_t> unmatchedGamma;
    };
    const Case cases[] = {
        {"every file has a partner", {"a_lambda.txt", "b_lambda.txt"}, {"a_gamma.txt", "b_gamma.txt"},
         {{0, 0}, {1, 1}}, {}, {}},
        {"pairs follow the lambda order", {"b_lambda.txt", "a_lambda.txt"}, {"a_gamma.txt", "b_gamma.txt"},
         {{0, 1}, {1, 0}}, {}, {}},
        {"first lambda file of a key wins", {"a_lambda.txt", "a_lambda_x_lambda.txt"}, {"a_gamma.txt"},
         {{0, 0}}, {1}, {}},
        {"first gamma file of a key wins", {"a_lambda.txt"}, {"a_gamma.txt", "a_gamma_x_gamma.txt"},
         {{0, 0}}, {}, {1}},
        {"key ends at the first marker", {"a_lambda_b_lambda.txt"}, {"a_lambda_b_gamma.txt", "a_gamma.txt"},
         {{0, 1}}, {}, {0}},
        {"keys are case-sensitive", {"Sub01_lambda.txt"}, {"sub01_gamma.txt"}, {}, {0}, {0}},
        {"empty keys pair", {"_lambda_x_lambda.txt"}, {"_gamma_gamma.txt"}, {{0, 0}}, {}, {}},
        {"no gamma files", {"a_lambda.txt", "b_lambda.txt"}, {}, {}, {0, 1}, {}},
        {"no lambda files", {}, {"a_gamma.txt", "b_gamma.txt"}, {}, {}, {0, 1}},
        {"no files", {}, {}, {}, {}, {}},
        {"shared keys take one each", {"a_lambda.txt", "a_lambda_2_lambda.txt", "a_lambda_3_lambda.txt"},
         {"a_gamma.txt", "b_gamma.txt", "a_gamma_2_gamma.txt"}, {{0, 0}, {1, 2}}, {2}, {1}},
    };
    for (const Case& c : cases) {
        const PairingResult result = pairFiles(c.lambdas, c.gammas);
        EXPECT_EQ(pairsOf(result), c.pairs) << c.what;
        EXPECT_EQ(result.unmatchedLambda, c.unmatchedLambda) << c.what;
        EXPECT_EQ(result.unmatchedGamma, c.unmatchedGamma) << c.what;
    }
}

TEST(Pairing, EqualsTheNestedFirstMatchScanOnRandomLists) {
    std::mt19937 random(20261211);
    const char* const pieces[] = {"", "a", "b", "A", "_lambda", "_gamma", "_", "x_lambda", "a_gamma"};
    auto randomKey = [&] {
        std::string key = random() % 4 == 0 ? std::to_string(random() % 3000) : "";
        const int length = static_cast<int>(random() % 3);
        for (int k = 0; k < length; ++k) {
            key += pieces[random() % std::size(pieces)];
        }
        return key;
    };
    for (int round = 0; round < 2010; ++round) {
        // Mostly short lists; a few long enough to be split into partitions.
        const std::size_t most = round < 2000 ? 12 : 20000;
        NameList lambdas(random() % most);
        NameList gammas(random() % most);
        for (auto& name : lambdas) {
            name = randomKey() + "_lambda.txt";
        }
        for (auto& name : gammas) {
            name = randomKey() + "_gamma.txt";
        }
        const PairingResult expected = nestedPairing(lambdas, gammas);
        const PairingResult actual = pairFiles(lambdas, gammas);
        ASSERT_EQ(pairsOf(actual), pairsOf(expected)) << "round " << round;
        ASSERT_EQ(actual.unmatchedLambda, expected.unmatchedLambda) << "round " << round;
        ASSERT_EQ(actual.unmatchedGamma, expected.unmatchedGamma) << "round " << round;
    }
}

TEST(Pairing, HoldsFarMoreThan128FilesOfEachKind) {
    NameList lambdas;
    NameList gammas;
    for (int k = 0; k < 1000; ++k) {
        lambdas.push_back("n" + std::to_string(k) + "_lambda.txt");
        gammas.push_back("n" + std::to_string(999 - k) + "_gamma.txt");
    }
    const PairingResult result = pairFiles(lambdas, gammas);
    ASSERT_EQ(result.pairList.size(), 1000u);
    EXPECT_EQ(result.pairList[999].lambdaIndex, 999);
    EXPECT_EQ(result.pairList[999].gammaIndex, 0);
    EXPECT_EQ(result.pairList[200].gammaIndex, 799);
}

TEST(UnmatchedReport, NamesTheFilesLeftWithoutAPartner) {
    const NameList lambdas{"a_lambda.txt", "b_lambda.txt", "c_lambda.txt", "d_lambda.txt"};
    const NameList gammas{"z_gamma.txt", "b_gamma.txt"};
    std::ostringstream out;
    reportUnmatched(pairFiles(lambdas, gammas), lambdas, gammas, out);
    EXPECT_EQ(out.str(),
              "3 files within lambda value can't be used to calculate the small world property "
              "because of default corresponding clustering coefficient ratio(gamma value) files\n"
              " These files are as follows:\n"
              "No.1  name: a_lambda.txt  \n"
              "No.2  name: c_lambda.txt  \n"
              "No.3  name: d_lambda.txt  \n"
              "1 files within gamma value can't be used to calculate the small world property "
              "because of default corresponding  characteristic length path(lambda value) files\n"
              " These files are as follows:\n"
              "No.1  name:  z_gamma.txt  \n");

    std::ostringstream none;
    reportUnmatched(pairFiles({"a_lambda.txt"}, {"a_gamma.txt"}), {"a_lambda.txt"}, {"a_gamma.txt"}, none);
    EXPECT_EQ(none.str(), "");
}
