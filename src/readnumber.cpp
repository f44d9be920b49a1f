#include "readnumber.h"

#include <cmath>
#include <cstdlib>

#include "os.h"

namespace smallworld {
namespace {

// Longer numbers are refused rather than held in memory.
constexpr std::size_t kMaxTokenLength = 65536;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void append(NumberParser& parser, char c) {
    if (parser.token.size() == kMaxTokenLength) {
        parser.tooLong = true;
        parser.stage = NumberParser::Stage::Done;
        return;
    }
    parser.token += c;
}

// Handles c in the current stage; returns false when c is left for the next
// stage to look at.
bool step(NumberParser& parser, char c) {
    using Stage = NumberParser::Stage;
    switch (parser.stage) {
    case Stage::Blank:
        if (isBlank(c)) {
            return true;
        }
        parser.stage = Stage::Sign;
        return false;
    case Stage::Sign:
        parser.stage = Stage::LeadingZeros;
        if (c == '+' || c == '-') {
            append(parser, c);
            return true;
        }
        return false;
    case Stage::LeadingZeros:
        // A run of leading zeros is kept as one.
        if (c == '0') {
            if (!parser.foundMantissa) {
                append(parser, c);
                parser.foundMantissa = true;
            }
            return true;
        }
        parser.stage = Stage::Body;
        return false;
    case Stage::Body:
        if (isDigit(c)) {
            append(parser, c);
            parser.foundMantissa = true;
            if (c != '0' && !parser.foundExponent) {
                parser.nonZeroDigit = true;
            }
        } else if (c == '.' && !parser.foundPoint && !parser.foundExponent) {
            append(parser, c);
            parser.foundPoint = true;
        } else if ((c == 'e' || c == 'E') && !parser.foundExponent && parser.foundMantissa) {
            append(parser, 'e');
            parser.foundExponent = true;
            parser.stage = Stage::ExponentSign;
        } else {
            parser.stage = Stage::Done;
        }
        return true;
    case Stage::ExponentSign:
        parser.stage = Stage::Body;
        if (c == '+' || c == '-') {
            append(parser, c);
            return true;
        }
        return false;
    case Stage::Done:
        break;
    }
    return true;
}

}  // namespace

bool feedNumber(NumberParser& parser, std::string_view bytes) {
    for (const char c : bytes) {
        while (!step(parser, c)) {
        }
        if (parser.stage == NumberParser::Stage::Done) {
            return true;
        }
    }
    return false;
}

std::optional<double> finishNumber(const NumberParser& parser) {
    if (parser.token.empty() || parser.tooLong) {
        return std::nullopt;
    }
    // The token holds only signs, digits, '.' and 'e', so strtod reads no
    // "inf", "nan" or hexadecimal form; it must take the whole token, as the
    // stream extraction requires ("1e" and "." are no numbers).
    const char* begin = parser.token.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end != begin + parser.token.size() || std::isinf(value)) {
        return std::nullopt;
    }
    if (value == 0.0 && parser.nonZeroDigit) {
        return std::nullopt;  // underflow: not zero, yet only zero could hold it
    }
    return value;
}

std::optional<double> extractNumber(std::string_view text) {
    NumberParser parser;
    feedNumber(parser, text);
    return finishNumber(parser);
}

ReadOutcome readNumberFile(const std::string& path) {
    os::InputFile file{};
    if (!os::openRegularFile(path, file)) {
        return ReadOutcome{ReadStatus::CannotOpen, 0.0};
    }
    NumberParser parser;
    char buffer[4096];
    std::uint64_t total = 0;
    bool failed = false;
    // Stops at the end of the number, or at the size the file had when it was
    // opened, which saves the read that would only find the end.
    while (total < file.size || file.size == 0) {
        const std::ptrdiff_t count = os::readFile(file, buffer, sizeof buffer);
        if (count <= 0) {
            failed = count < 0;
            break;
        }
        total += static_cast<std::uint64_t>(count);
        if (feedNumber(parser, std::string_view(buffer, static_cast<std::size_t>(count)))) {
            break;
        }
    }
    os::closeFile(file);
    const std::optional<double> value = failed ? std::nullopt : finishNumber(parser);
    if (!value) {
        return ReadOutcome{ReadStatus::NoNumber, 0.0};
    }
    return ReadOutcome{ReadStatus::Read, *value};
}

}  // namespace smallworld
