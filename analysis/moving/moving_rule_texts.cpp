#include "analysis/moving/moving_rule_texts.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/numbers.h"

namespace moving {
namespace {

std::vector<std::string> comma_items(std::string_view text) {
  std::vector<std::string> items;
  for (std::size_t from = 0;;) {
    const std::size_t comma = text.find(',', from);
    items.emplace_back(text.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
    if (comma == std::string_view::npos) return items;
    from = comma + 1;
  }
}

// An amount box's text: digits that make an int.
bool amount_digits(const std::string& digits) {
  return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos &&
         core::to_int_strict(digits).has_value();
}

// Fills the sign and amount boxes from the items; refuses the first bad item. A bad item's
// amount box reads "0" so that the rule's own checks still speak first.
core::Status fill_amounts(const std::string& text, MovingBoxes& boxes, const RuleTextNames& names) {
  const auto items = comma_items(text);
  if (items.size() > kMaxPredictions) return core::Error::error(names.amounts + " 最多三個加減數");
  boxes.prediction_count = static_cast<int>(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string& item = items[i];
    const bool signed_item = !item.empty() && (item[0] == '+' || item[0] == '-');
    boxes.signs[i] = signed_item && item[0] == '-' ? "減" : "加";
    boxes.amounts[i] = signed_item ? item.substr(1) : item;
    if (!amount_digits(boxes.amounts[i])) {
      boxes.amounts[i].assign(1, '0');  // not = "0": GCC 12 wrongly warns (-Wrestrict) about it
      return core::Error::error(core::not_an_integer(item));
    }
  }
  return {};
}

}  // namespace

core::Result<RuleFromTexts> read_rule_texts(const RuleTexts& texts, core::BallOrder order, const RuleTextNames& names) {
  RuleFromTexts read;
  MovingBoxes& boxes = read.boxes;
  boxes.average = texts.position == "average";
  if (boxes.average) {
    const auto items = comma_items(texts.average_of.value_or("1,2,3"));
    if (items.size() != 3) return core::Error::error(names.average_of + " 必須是三個位置 P1,P2,P3");
    std::copy(items.begin(), items.end(), boxes.positions.begin());
  } else if (texts.average_of) {
    return core::Error::error(names.average_of + " 只適用於 " + names.position + " average");
  } else {
    boxes.positions[0] = texts.position;
  }
  boxes.look_back = texts.look_back;
  const core::Status amounts = fill_amounts(texts.amounts, boxes, names);
  auto rule = read_moving_rule(boxes, order);
  if (!rule) return rule.error();
  if (!amounts) return amounts.error();
  read.rule = std::move(*rule);
  return read;
}

}  // namespace moving
