// The command tables of vantor39-cli, one per subsystem, in the order --help lists them.
#pragma once

#include <span>
#include <vector>

#include "cli/options.h"

namespace cli {

std::span<const CommandSpec> history_commands();     // draws
std::span<const CommandSpec> history_upkeep_commands();  // import, check
std::span<const CommandSpec> pillars_commands();     // period, stats, hot, lenpon, cost, verify
std::span<const CommandSpec> optimise_commands();    // arrange, analyse, best-subset
std::span<const CommandSpec> walk_forward_commands();  // walk-forward
std::span<const CommandSpec> exchange_commands();    // print-lines, report, download
std::span<const CommandSpec> trace_commands();       // trace, trace-pairs, trace-triples, trace-sorted, trace-chart
std::span<const CommandSpec> statistics_commands();  // statistics, number-analysis
std::span<const CommandSpec> moving_commands();      // moving
std::span<const CommandSpec> backtest_commands();    // backtest
std::span<const CommandSpec> intervals_commands();   // intervals, interval-summary, double-trace, double-trace-rules

// Every command, in the order above.
const std::vector<CommandSpec>& all_commands();

}  // namespace cli
