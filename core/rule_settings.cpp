#include "core/rule_settings.h"

namespace core {

void reset_rule_settings(RuleSettings& settings) {
  static const char* const kNames[10] = {
      "隔一版開同號(X1N0)",       "隔一版開 Ｎ＋１號(X1N+1)", "隔一版開 Ｎ－１號(X1N-1)",
      "隔一版開 Ｎ＋２號(X1N+2)", "隔一版開 Ｎ－２號(X1N-2)", "隔二版開同號(X2N0)",
      "隔二版開 Ｎ＋１號(X2N+1)", "隔二版開 Ｎ－１號(X2N-1)", "隔二版開 Ｎ＋２號(X2N+2)",
      "隔二版開 Ｎ－２號(X2N-2)"};
  settings.rule_on.fill(true);
  for (int r = 0; r < kRuleCount; ++r) settings.rule_name[r] = r < 10 ? kNames[r] : "";
  settings.rule_run_len = 3;
}

}  // namespace core
