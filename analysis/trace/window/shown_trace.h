// The trace on screen in the trace window, as the follow-up windows (二中一, 三中一, 進階)
// and the number analysis receive it. Each trace makes a new one; a follow-up window
// keeps the one it shows, so it stays whole while the trace window moves on.
#pragma once

#include <memory>
#include <string>

#include "analysis/trace/trace.h"

namespace tracewin {

struct ShownTrace {
  trace::TraceResult result;
  int max_ball = 39;
  trace::ExportBound export_bound;  // the rows that go to the number analysis
};
using SharedTrace = std::shared_ptr<const ShownTrace>;

}  // namespace tracewin
