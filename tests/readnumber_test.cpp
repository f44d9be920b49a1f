#include "readnumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "temp_dir.h"

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace smallworld;

TEST(ExtractNumber, ReadsTheLeadingNumberAsStreamExtractionDoes) {
    const std::optional<double> none;
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"2.0\r\n", 2.0},
        {"3.0", 3.0},
        {"0.75abc", 0.75},
        {"0.75 0.9\n", 0.75},
        {"\n\n  \t\v\f\r 1.25\n", 1.25},
        {"+1.5e3x", 1500.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"-0", -0.0},
        {"0007.5", 7.5},
        {"1E2", 100.0},
        {"1e+5", 100000.0},
        {"1.5e-3e4", 0.0015},
        {"1.2.3", 1.2},
        {"4.9e-324", 4.9e-324},
        {"0e-999", 0.0},
        {"1,5", 1.0},
        {"1e", none},
        {"1e+", none},
        {"1e999", none},
        {"-1e999", none},
        {"1e-999", none},
        {"abc", none},
        {"", none},
        {"   \n\t ", none},
        {".", none},
        {"-", none},
        {"+.e5", none},
        {"e5", none},
        {"inf", none},
        {"nan", none},
        {"0x10", 0.0},
    };
    for (const auto& [text, expected] : cases) {
        const std::optional<double> value = extractNumber(text);
        ASSERT_EQ(value.has_value(), expected.has_value()) << '"' << text << '"';
        if (expected) {
            EXPECT_EQ(*value, *expected) << '"' << text << '"';
            EXPECT_EQ(std::signbit(*value), std::signbit(*expected)) << '"' << text << '"';
        }
    }
}

TEST(ExtractNumber, NumbersSplitAcrossReadsAreJoined) {
    const std::string text = "  \n-12.5e-1 rest";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        NumberParser parser;
        if (!feedNumber(parser, std::string_view(text).substr(0, cut))) {
            feedNumber(parser, std::string_view(text).substr(cut));
        }
        EXPECT_EQ(finishNumber(parser), -1.25) << cut;
    }
}

TEST(ReadNumberFile, ReadsRegularFilesOnly) {
    TempDir dir;
    writeFile(dir.path / "value.txt", "\r\n 0.5\r\n");
    const ReadOutcome read = readNumberFile((dir.path / "value.txt").string());
    EXPECT_EQ(read.status, ReadStatus::Read);
    EXPECT_EQ(read.value, 0.5);

    writeFile(dir.path / "word.txt", "none");
    EXPECT_EQ(readNumberFile((dir.path / "word.txt").string()).status, ReadStatus::NoNumber);
    writeFile(dir.path / "empty.txt", "");
    EXPECT_EQ(readNumberFile((dir.path / "empty.txt").string()).status, ReadStatus::NoNumber);

    EXPECT_EQ(readNumberFile((dir.path / "missing.txt").string()).status, ReadStatus::CannotOpen);
    EXPECT_EQ(readNumberFile(dir.path.string()).status, ReadStatus::CannotOpen);
#ifndef _WIN32
    // A FIFO with no writer would block an ordinary open for ever.
    const std::string fifo = (dir.path / "fifo_lambda.txt").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(readNumberFile(fifo).status, ReadStatus::CannotOpen);
    EXPECT_EQ(readNumberFile("/dev/null").status, ReadStatus::CannotOpen);
#endif
}

TEST(ReadNumberFile, ReadsPastLongRunsOfBlanksAndRefusesEndlessDigits) {
    TempDir dir;
    writeFile(dir.path / "blanks.txt", std::string(1 << 20, ' ') + "\n2.5\n");
    EXPECT_EQ(readNumberFile((dir.path / "blanks.txt").string()).value, 2.5);

    writeFile(dir.path / "zeros.txt", std::string(1 << 20, '0') + "1");
    EXPECT_EQ(readNumberFile((dir.path / "zeros.txt").string()).value, 1.0);

    // Held in bounded memory: a number of more than 64 KiB of text is refused.
    writeFile(dir.path / "digits.txt", "1" + std::string(70000, '0') + "e-70000");
    EXPECT_EQ(readNumberFile((dir.path / "digits.txt").string()).status, ReadStatus::NoNumber);
}
