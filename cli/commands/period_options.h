// The period options shared by every workbench command of vantor39-cli:
//   --from yyyy/mm/dd --to yyyy/mm/dd | --recent N | --every M --recent N |
//   --trace-date yyyy/mm/dd [--position A] [--anywhere] [--number XX] [--distance N]
// Default: the date range 2009/01/01 to today.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/context.h"
#include "cli/options.h"
#include "core/result.h"

namespace cli {

struct PeriodSelection {
  std::vector<std::string> lines;  // the period lines, as Memo1 shows them
  std::string title;               // period_title
};

// The options above, for the tables of the commands that take a period.
[[nodiscard]] std::span<const OptionSpec> period_options();

// Runs the query the options describe, or refuses with the window's message.
[[nodiscard]] core::Result<PeriodSelection> period_from_options(const Context& ctx);

}  // namespace cli
