// The pattern-rule settings the number analysis applies: which rules are on, their names
// and how many rows a run must hold. The application owns one set, the rule definition
// window writes it and the number analysis reads it; every load puts it back to its
// load-time values.
#pragma once

#include <array>
#include <string>

namespace core {

inline constexpr int kRuleCount = 20;

struct RuleSettings {
  // Element r-1 for rule r.
  std::array<bool, kRuleCount> rule_on{};
  std::array<std::string, kRuleCount> rule_name{};
  int rule_run_len = 3;
};

// Resets the settings to their load-time values: every rule on, the ten rule names, runs
// of 3.
void reset_rule_settings(RuleSettings& settings);

}  // namespace core
