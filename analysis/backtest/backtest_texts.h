// The settings of a number backtest read from texts: the command line's option values or
// the window's boxes, with one set of checks and messages for both. A message names the
// text as `names` says: the option ("--test 必須至少為 1: 0") or the box.
#pragma once

#include <string>

#include "analysis/backtest/number_backtest.h"
#include "analysis/moving/moving_rule_texts.h"
#include "core/ball_order.h"

namespace backtest {

struct Texts {
  Method method = Method::hot;
  std::string test = "300";
  std::string count = "5";
  std::string window = "30";
  std::string run_length = "3";
  std::string rules = "1,2,3,4,5,6,7,8,9,10";
  moving::RuleTexts moving;
  core::BallOrder order = core::BallOrder::Drawn;
};

struct TextNames {
  std::string test = "--test";
  std::string count = "--count";
  std::string window = "--window";
  std::string run_length = "--run-length";
  std::string rules = "--rules";
  moving::RuleTextNames moving;
};

// Each box on its own (a window checks a box when its entry is finished):
//   test: an integer >= 1; count: 1..38; window: 1..2499; run length: 2..5;
//   rules: integers 1..10 separated by ",", repeats counted once, "" for none.
[[nodiscard]] core::Result<int> read_test(const std::string& text, const std::string& name);
[[nodiscard]] core::Result<int> read_count(const std::string& text, const std::string& name);
[[nodiscard]] core::Result<int> read_window(const std::string& text, const std::string& name);
[[nodiscard]] core::Result<int> read_run_length(const std::string& text, const std::string& name);
[[nodiscard]] core::Result<std::array<bool, statistics::kRules>> read_rules(const std::string& text,
                                                                            const std::string& name);

// The texts the method uses, in the order above (the moving rule as `moving` reads it);
// texts of other methods are not read.
[[nodiscard]] core::Result<Settings> read_settings(const Texts& texts, const TextNames& names = {});

// Another window's settings as the backtest's texts (the 回測 buttons): the workbench's
// frequency order of a period of `window` draws, the statistics window's gaps, the number
// analysis's rules, the moving-pattern window's boxes. Counts below 1 become the default.
[[nodiscard]] Texts hot_texts(int window, int count);
[[nodiscard]] Texts cold_texts(int count);
[[nodiscard]] Texts rules_texts(int run_length, const std::array<bool, statistics::kRules>& on);
[[nodiscard]] Texts moving_texts(const moving::MovingBoxes& boxes, core::BallOrder order);

}  // namespace backtest
