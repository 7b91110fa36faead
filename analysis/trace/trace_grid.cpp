#include "analysis/trace/trace_grid.h"

#include <algorithm>
#include <bit>
#include <functional>

#include "core/ball_text.h"

namespace trace {
namespace {

constexpr const char* kFullWidthDigits[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr const char* kGapLabels[7] = {"連莊開出",   "隔二版開出", "隔三版開出", "隔四版開出",
                                       "隔五版開出", "隔六版開出", "隔七版以上"};
constexpr int kGapClasses = 7;

// Per grid column (bit c = column c): marks and gap classes over the data rows.
struct ColumnCounts {
  std::array<int, 64> marks{};
  std::array<std::array<int, kGapClasses>, 64> gaps{};
};

std::array<std::uint64_t, 10> tail_masks(int max_ball) {
  std::array<std::uint64_t, 10> masks{};
  for (int n = 1; n <= max_ball; ++n) masks[static_cast<std::size_t>(n % 10)] |= std::uint64_t{1} << n;
  return masks;
}

// Bit c set for every non-empty cell of a data row: the number columns and the tail
// columns whose count is not zero.
std::uint64_t filled_columns(std::uint64_t marks, int max_ball, const std::array<std::uint64_t, 10>& tails) {
  std::uint64_t filled = marks << 1;
  for (int t = 0; t < 10; ++t)
    if (marks & tails[static_cast<std::size_t>(t)]) filled |= std::uint64_t{1} << tail_column(max_ball, t);
  return filled;
}

ColumnCounts count_columns(std::span<const std::uint64_t> row_marks, int max_ball) {
  ColumnCounts counts;
  std::array<int, 64> last{};
  const auto tails = tail_masks(max_ball);
  for (std::size_t i = 0; i < row_marks.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    for (std::uint64_t m = filled_columns(row_marks[i], max_ball, tails); m; m &= m - 1) {
      const auto c = static_cast<std::size_t>(std::countr_zero(m));
      ++counts.marks[c];
      ++counts.gaps[c][static_cast<std::size_t>(std::min(r - last[c], kGapClasses) - 1)];
      last[c] = r;
    }
  }
  return counts;
}

void write_row(core::TextGrid& grid, const TraceTable& table, int r, int draw, TraceTab tab,
               const std::array<std::uint64_t, 10>& tails) {
  const TraceDraw& d = table.draw(draw);
  grid.set_cell(0, r, table.date(draw));
  grid.set_cell(1, r, table.issue(draw));
  for (int k = 0; k < kBalls; ++k) {
    const int ball = d.drawn[static_cast<std::size_t>(k)];
    if (ball < 1 || ball > table.max_ball) continue;
    grid.set_cell(ball + 1, r, tab == TraceTab::Drawn ? kFullWidthDigits[k + 1] : "●");
  }
  for (int t = 0; t < 10; ++t)
    grid.set_cell(tail_column(table.max_ball, t), r,
                  count_text(std::popcount(d.marks & tails[static_cast<std::size_t>(t)])));
}

void write_summary(core::TextGrid& grid, const ColumnCounts& counts, int rows, TraceTab tab, int max_ball) {
  const int p = rows + 1;
  const std::string shown = std::to_string(tab == TraceTab::Cycle ? rows + 1 : rows);
  grid.set_row(p + 1, grid_header(max_ball));
  grid.set_cell(0, p + 1, "期數 " + shown);
  grid.set_cell(1, p + 1, " 號   碼");
  grid.set_cell(1, p + 2, "    ●");
  grid.set_cell(0, p + 3, "統計 ");
  grid.set_cell(1, p + 3, "      ");
  grid.set_cell(0, p + 4, "最近 " + shown + " 期");
  grid.set_cell(1, p + 4, "    ●");
  for (int g = 0; g < kGapClasses; ++g) grid.set_cell(0, p + 5 + g, kGapLabels[g]);
  for (int c = 2; c <= max_ball + 12; ++c) {
    const auto col = static_cast<std::size_t>(c);
    grid.set_cell(c, p + 2, count_text(counts.marks[col]));
    grid.set_cell(c, p + 4, count_text(counts.marks[col]));  // no stars: the total is the marks
    for (int g = 0; g < kGapClasses; ++g)
      grid.set_cell(c, p + 5 + g, count_text(counts.gaps[col][static_cast<std::size_t>(g)]));
  }
}

SortKeys sort_keys(const ColumnCounts& counts, int max_ball) {
  SortKeys keys;
  keys.number_sort_key.assign(static_cast<std::size_t>(max_ball) + 1, 0);
  std::array<int, 10> sums{};
  for (int n = 1; n <= max_ball; ++n) {
    const int total = counts.marks[static_cast<std::size_t>(n + 1)];
    keys.number_sort_key[static_cast<std::size_t>(n)] = total * 1000 + n;
    sums[static_cast<std::size_t>(n % 10)] += total;
  }
  for (int t = 0; t < 10; ++t)
    keys.tail_sort_key[static_cast<std::size_t>(t)] = sums[static_cast<std::size_t>(t)] * 1000 + t;
  // The keys differ in their last digit, so any descending sort gives the exchange order.
  std::sort(keys.tail_sort_key.begin(), keys.tail_sort_key.end(), std::greater<>());
  return keys;
}

}  // namespace

std::string count_text(long long count) { return count == 0 ? std::string() : std::to_string(count); }

std::vector<std::string> grid_header(int max_ball) {
  std::vector<std::string> header{"日     期", " 期  數"};
  for (int n = 1; n <= max_ball; ++n) header.push_back(core::ball_text(n));
  header.emplace_back();
  for (const char* digit : kFullWidthDigits) header.emplace_back(digit);
  return header;
}

SummarisedGrid summarise_trace(const TraceTable& table, std::span<const int> rows, TraceTab tab) {
  const int max_ball = table.max_ball;
  const int count = static_cast<int>(rows.size());
  SummarisedGrid out;
  out.grid.resize(count + 1 + kSummaryRows, grid_columns(max_ball));
  out.grid.set_row(0, grid_header(max_ball));
  const auto tails = tail_masks(max_ball);
  out.row_marks.reserve(rows.size());
  for (int r = 1; r <= count; ++r) {
    const int draw = rows[static_cast<std::size_t>(r - 1)];
    write_row(out.grid, table, r, draw, tab, tails);
    out.row_marks.push_back(table.draw(draw).marks);
  }
  const ColumnCounts counts = count_columns(out.row_marks, max_ball);
  write_summary(out.grid, counts, count, tab, max_ball);
  out.keys = sort_keys(counts, max_ball);
  return out;
}

std::vector<std::string> text_form(const core::TextGrid& grid, int max_ball) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(grid.rows()));
  for (int r = 0; r < grid.rows(); ++r) {
    std::string line;
    line.reserve(160);
    for (int c = 0; c <= max_ball + 13; ++c) (line += grid.cell(c, r)) += ',';
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace trace
