// Reads the one number of a lambda file or gamma file: leading white space
// is skipped, then a decimal number is taken as the standard stream
// extraction of a double takes it in the classic locale, and the rest of the
// file is ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace smallworld {

// The state of one extraction, fed with the file's bytes as they come.
struct NumberParser {
    enum class Stage { Blank, Sign, LeadingZeros, Body, ExponentSign, Done };
    Stage stage = Stage::Blank;
    bool foundMantissa = false;
    bool foundPoint = false;
    bool foundExponent = false;
    bool nonZeroDigit = false;  // in the mantissa
    bool tooLong = false;
    std::string token;
};

// Takes the next bytes; returns true once the number has ended, when the
// rest of the file need not be read.
bool feedNumber(NumberParser& parser, std::string_view bytes);

// The number, or nothing when there is none: no number at the first byte that
// is not white space, a magnitude too large for a double, or one not zero but
// too small to be held as anything but zero.
std::optional<double> finishNumber(const NumberParser& parser);

std::optional<double> extractNumber(std::string_view text);

enum class ReadStatus { Read, CannotOpen, NoNumber };

struct ReadOutcome {
    ReadStatus status;
    double value;
};

// Opens path (a regular file only), reads its number in bounded memory and
// closes it.
ReadOutcome readNumberFile(const std::string& path);

}  // namespace smallworld
