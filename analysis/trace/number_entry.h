// The number box of a trace tab as the user types it. A trace of a text that names no
// number is empty, so the window reads the box first: one or two digits are a number
// ("5" is "05"), a pair or a triple is its numbers joined by "." ("3.17" is "03.17"), and
// anything else, or a number outside 1..max_ball, is refused with words that say how
// the box is filled.
#pragma once

#include <string>
#include <string_view>

#include "analysis/trace/trace_query.h"
#include "core/result.h"

namespace trace {

// The box text as the trace reads it, two digits per number; tabs without a number box
// take the text as it is.
[[nodiscard]] core::Result<std::string> read_number_entry(TraceTab tab, std::string_view text, int max_ball);

}  // namespace trace
