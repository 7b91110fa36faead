#include "pillars/statistics.h"

#include <algorithm>
#include <utility>

#include "core/ball_text.h"
#include "pillars/messages.h"
#include "pillars/period_line.h"

namespace pillars {
namespace {

int numbers_within_limit(int max_ball) { return std::clamp(max_ball, 1, kMaxNumbers); }

GridColumn number_column(int code) { return {core::ball_text(code % 100), std::to_string(code / 100)}; }

// One pass over the lines: number counts, keys and tail counts together. A bad line
// stops the pass with its number and nothing else is kept.
struct Pass {
  NumberCounts numbers;
  std::array<int, 10> tail_count{};
  int bad_line = 0;
};

Pass count_all(std::span<const std::string> lines, int max_ball) {
  Pass pass;
  auto& no_count = pass.numbers.no_count;
  no_count.resize(static_cast<std::size_t>(max_ball));
  for (int n = 1; n <= max_ball; ++n) no_count[n - 1] = n;
  for (int d = 0; d < 10; ++d) pass.tail_count[d] = d;
  KeyCollector collector(lines.size());
  for (std::size_t j = 0; j < lines.size(); ++j) {
    const auto line = parse_line_numbers(lines[j]);
    if (!line) {
      pass.bad_line = static_cast<int>(j) + 1;
      return pass;
    }
    for (int ball : line->ball)
      if (ball >= 1 && ball <= max_ball) no_count[ball - 1] += 100;
    for (int digit : line->tail) pass.tail_count[digit] += 100;
    collector.add_line(line->ball);
  }
  pass.numbers.keys = collector.take();
  return pass;
}

}  // namespace

void exchange_sort_descending(std::span<int> codes) {
  for (std::size_t i = 0; i + 1 < codes.size(); ++i)
    for (std::size_t j = i + 1; j < codes.size(); ++j)
      if (codes[j] > codes[i]) std::swap(codes[i], codes[j]);
}

std::vector<int> frequency_order(std::span<const int> values) {
  std::vector<int> codes(values.size());
  for (std::size_t n = 1; n <= values.size(); ++n) codes[n - 1] = values[n - 1] * 100 + static_cast<int>(n);
  exchange_sort_descending(codes);
  for (int& code : codes) code %= 100;
  return codes;
}

core::Result<NumberCounts> Count_Sumno(std::span<const std::string> lines, int max_ball) {
  Pass pass = count_all(lines, numbers_within_limit(max_ball));
  if (pass.bad_line != 0) return core::Error::error(msg::bad_period_line(pass.bad_line));
  return std::move(pass.numbers);
}

NumberOrder show_sumno(std::vector<int> no_count) {
  NumberOrder order;
  exchange_sort_descending(no_count);
  for (std::size_t r = 0; r < no_count.size(); ++r)
    (r < kGridColumns ? order.sga1 : order.sga2).push_back(number_column(no_count[r]));
  order.no_count = std::move(no_count);
  return order;
}

core::Result<std::array<int, 10>> Count_Sumno_tail(std::span<const std::string> lines) {
  std::array<int, 10> tail_count{};
  for (int d = 0; d < 10; ++d) tail_count[d] = d;
  for (std::size_t j = 0; j < lines.size(); ++j) {
    const auto line = parse_line_numbers(lines[j]);
    if (!line) return core::Error::error(msg::bad_period_line(static_cast<int>(j) + 1));
    for (int digit : line->tail) tail_count[digit] += 100;
  }
  return tail_count;
}

TailOrder show_sumno_tail(std::array<int, 10> tail_count) {
  TailOrder order;
  exchange_sort_descending(tail_count);
  for (int code : tail_count)
    order.sgaT.push_back({std::to_string(code % 100) + " 尾", std::to_string(code / 100)});
  order.tail_count = tail_count;
  return order;
}

core::Result<Statistics> run_statistics(std::span<const std::string> lines, int max_ball) {
  Pass pass = count_all(lines, numbers_within_limit(max_ball));
  if (pass.bad_line != 0) return core::Error::error(msg::bad_period_line(pass.bad_line));
  Statistics stats;
  stats.numbers = show_sumno(std::move(pass.numbers.no_count));
  stats.tails = show_sumno_tail(pass.tail_count);
  stats.keys = std::move(pass.numbers.keys);
  return stats;
}

}  // namespace pillars
