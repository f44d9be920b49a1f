// The number format of every double the tool writes, on the console and in
// result files, the same on every platform: printf's %g with precision 6,
// with an exponent of at least three digits (1.5e+007, 1.234e-005).
#pragma once

#include <string>

namespace smallworld {

std::string formatNumber(double value);

}  // namespace smallworld
