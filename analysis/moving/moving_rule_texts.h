// A moving-pattern rule written as text, the way the command line writes it and the number
// backtest's boxes hold it:
//   position "1".."5" or "average", average-of "P1,P2,P3", look-back "K",
//   amounts "A1[,A2[,A3]]" (an optional sign, "-" subtracts: "+5", "-12", "7").
// The texts fill the moving window's boxes and read_moving_rule reads those, so a rule's
// refusals are the window's own, in its order; the amount list's own faults come after.
#pragma once

#include <optional>
#include <string>

#include "analysis/moving/moving_rule.h"

namespace moving {

struct RuleTexts {
  std::string position = "1";
  std::optional<std::string> average_of;  // nullopt: not given ("1,2,3" for average)
  std::string look_back = "1";
  std::string amounts = "+0";
};

// How the refusals name the texts: the command line's options, or a window's boxes.
struct RuleTextNames {
  std::string position = "--position";
  std::string average_of = "--average-of";
  std::string amounts = "--amounts";
};

struct RuleFromTexts {
  MovingBoxes boxes;  // for the title, which repeats the texts as written
  MovingRule rule;
};

// Refusals, in order: an average-of list that is not three items (or given without
// average); a position, the look-back, an amount (read_moving_rule); more than three
// amounts; an amount that is not an optional sign followed by digits of an int.
[[nodiscard]] core::Result<RuleFromTexts> read_rule_texts(const RuleTexts& texts, core::BallOrder order,
                                                          const RuleTextNames& names = {});

}  // namespace moving
