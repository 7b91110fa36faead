// Numbers as the engine writes them: always with a "." decimal point, whatever locale the
// process runs under. (Qt sets the process locale at start-up, so printf's "%.4f" would
// write "0,9345" in a window under a comma-decimal locale while the command line writes
// "0.9345".)
//   fixed(0.93449, 4) == "0.9345"; fixed(-0.004, 2) == "-0.00"
#pragma once

#include <string>

namespace core {

// `value` with `decimals` digits after the point, rounded from its exact binary value as
// printf's "%.*f" rounds it.
[[nodiscard]] std::string fixed(double value, int decimals);

}  // namespace core
