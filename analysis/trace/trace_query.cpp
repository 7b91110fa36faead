#include "analysis/trace/trace_query.h"

#include "analysis/trace/trace_messages.h"
#include "core/numbers.h"

namespace trace {
namespace {

// Characters at 1-based positions `first`, `first`+1 of a box text ("" past its end).
std::string_view two_characters(std::string_view text, std::size_t first) {
  return first - 1 < text.size() ? text.substr(first - 1, 2) : std::string_view();
}

// The numbers a tab's number box names: the whole text, or the parts of "aa.bb.cc".
std::array<int, 3> box_numbers(TraceTab tab, std::string_view text) {
  std::array<int, 3> numbers{kNoBall, kNoBall, kNoBall};
  const int parts = tab == TraceTab::Pair ? 2 : tab == TraceTab::Triple ? 3 : 0;
  if (parts == 0) numbers[0] = number_value(text);
  for (int p = 0; p < parts; ++p) numbers[p] = number_value(two_characters(text, 1 + 3 * p));
  return numbers;
}

std::string joined(const std::vector<std::string>& balls, std::initializer_list<int> positions) {
  std::string text;
  for (const int p : positions) text += (text.empty() ? "" : ".") + balls[p];
  return text;
}

std::vector<std::string> pairs_of(const std::vector<std::string>& b) {
  std::vector<std::string> items;
  for (int i = 0; i < kBalls; ++i)
    for (int j = i + 1; j < kBalls; ++j) items.push_back(joined(b, {i, j}));
  return items;
}

std::vector<std::string> triples_of(const std::vector<std::string>& b) {
  std::vector<std::string> items;
  for (int i = 0; i < kBalls; ++i)
    for (int j = i + 1; j < kBalls; ++j)
      for (int k = j + 1; k < kBalls; ++k) items.push_back(joined(b, {i, j, k}));
  return items;
}

}  // namespace

core::Result<int> read_position(std::string_view text) {
  const auto value = core::to_int_strict(text);
  if (!value || *value < 1 || *value > core::kBallRows) return core::Error::error(std::string(msg::kBadPosition));
  return *value;
}

core::Result<int> read_sign(std::string_view word) {
  if (word == "加") return 1;
  if (word == "減") return -1;
  return core::Error::error(msg::bad_sign(word));
}

core::Result<int> read_integer(std::string_view text) {
  const auto value = core::to_int_strict(text);
  if (!value) return core::Error::error(core::not_an_integer(text));
  return *value;
}

core::Result<int> read_step(std::string_view text) {
  const auto step = read_integer(text);
  if (!step) return step;
  if (*step < 1) return core::Error::error(msg::step_below_one(text));
  return step;
}

core::Status check_trace_positions(const TraceBoxes& boxes) {
  switch (boxes.tab) {
    case TraceTab::Ascending:
    case TraceTab::Drawn:
      if (const auto p = read_position(boxes.position); !p) return p.error();
      return {};
    case TraceTab::Add:
      for (const auto* text : {&boxes.p1, &boxes.p2})
        if (const auto p = read_position(*text); !p) return p.error();
      if (const auto s = read_sign(boxes.sign); !s) return s.error();
      return {};
    default: return {};
  }
}

core::Result<TraceQuery> read_trace_boxes(const TraceBoxes& boxes) {
  if (const auto checked = check_trace_positions(boxes); !checked) return checked.error();
  TraceQuery query;
  query.tab = boxes.tab;
  query.numbers = box_numbers(boxes.tab, boxes.number);
  query.issue = boxes.issue;
  if (boxes.tab == TraceTab::Ascending || boxes.tab == TraceTab::Drawn) query.position = *read_position(boxes.position);
  if (boxes.tab == TraceTab::Add) {
    query.p1 = *read_position(boxes.p1);
    query.p2 = *read_position(boxes.p2);
    query.sign = *read_sign(boxes.sign);
    const auto amount = read_integer(boxes.amount);
    if (!amount) return amount.error();
    query.amount = *amount;
  }
  if (boxes.tab == TraceTab::Cycle) {
    const auto step = read_step(boxes.step);
    if (!step) return step.error();
    query.step = *step;
  }
  return query;
}

std::string distance_label(int distance) {
  if (distance == 0) return "本期";
  const long long magnitude = distance < 0 ? -static_cast<long long>(distance) : distance;
  return (distance > 0 ? "下 " : "上 ") + std::to_string(magnitude) + " 期";
}

std::string trace_title(const TraceBoxes& b, std::string_view label) {
  const std::string tail = std::string(label) + " 拖牌分析";
  switch (b.tab) {
    case TraceTab::Ascending: return "本期第 " + b.position + " 支開 " + b.number + " " + tail;
    case TraceTab::Drawn: return "本期落球第 " + b.position + " 支開 " + b.number + " " + tail;
    case TraceTab::Add: return "本期第 " + b.p1 + " 支" + b.sign + " " + b.amount + "等於第 " + b.p2 + "支" + tail;
    case TraceTab::Cycle: return "第" + b.issue + "期之下一期往前推,每隔 " + b.step + "期 " + tail;
    default: return "本期開 " + b.number + " " + tail;
  }
}

std::string target_label(const TraceTable& table, int s, int distance) {
  const long long target = static_cast<long long>(s) + distance;
  std::string label = distance_label(distance) + " ";
  if (target >= 1 && target <= table.draw_count()) label += table.issue(static_cast<int>(target));
  return label;
}

NumberBox number_box(const TraceTable& table, int s, TraceTab tab) {
  if (s < 1 || s > table.draw_count()) return {};
  NumberBox box;
  switch (tab) {
    case TraceTab::Single:
    case TraceTab::Drawn: box.items = drawn_texts(table, s); break;
    case TraceTab::Ascending: box.items = sorted_texts(table, s); break;
    case TraceTab::Pair: box.items = pairs_of(sorted_texts(table, s)); break;
    case TraceTab::Triple: box.items = triples_of(sorted_texts(table, s)); break;
    default: return {};
  }
  box.text = box.items.front();
  return box;
}

}  // namespace trace
