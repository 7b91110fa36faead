// Number and tail-digit frequencies of the period list (the "號碼和尾數統計" sheet) and the
// combination keys collected in the same pass.
//
// A frequency code is occurrences x 100 + the number (or digit), so ordering the codes
// descending orders by count, then by the higher number: with equal counts 31 comes
// before 07. The codes are integers, so counts of any width order numerically.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/result.h"
#include "pillars/combination_keys.h"

namespace pillars {

inline constexpr int kMaxNumbers = 49;   // tables are sized for numbers 1 .. 49
inline constexpr int kGridColumns = 25;  // sga1 and sga2

// One grid column: row 0 and row 1.
struct GridColumn {
  std::string top;     // "05" in sga1/sga2, "7 尾" in sgaT
  std::string bottom;  // the count, plain decimal
};

// Count_Sumno: no_count (entry n-1 for number n, before ordering) and the keys.
struct NumberCounts {
  std::vector<int> no_count;
  KeyLists keys;
};
// Refuses the first line whose ball fields are not two digits ("第 N 行不是有效的號碼").
// Balls outside 1 .. max_ball are not counted (their keys are still collected).
[[nodiscard]] core::Result<NumberCounts> Count_Sumno(std::span<const std::string> lines, int max_ball);

// show_sumno: no_count ordered (entry r-1 holds the code at position r), sga1 columns for
// positions 1 .. 25 and sga2 columns for positions 26 .. max_ball. Columns of sga2
// beyond those are to be left untouched.
struct NumberOrder {
  std::vector<int> no_count;
  std::vector<GridColumn> sga1;
  std::vector<GridColumn> sga2;
};
[[nodiscard]] NumberOrder show_sumno(std::vector<int> no_count);

// Count_Sumno_tail: tail_count (entry d for digit d, before ordering).
[[nodiscard]] core::Result<std::array<int, 10>> Count_Sumno_tail(std::span<const std::string> lines);

// show_sumno_tail: tail_count ordered and the ten sgaT columns.
struct TailOrder {
  std::array<int, 10> tail_count{};
  std::vector<GridColumn> sgaT;
};
[[nodiscard]] TailOrder show_sumno_tail(std::array<int, 10> tail_count);

// Button2Click: the whole statistics pass. On a bad line nothing is returned, so the
// window keeps its previous grids, tables and keys.
struct Statistics {
  NumberOrder numbers;
  TailOrder tails;
  KeyLists keys;
};
[[nodiscard]] core::Result<Statistics> run_statistics(std::span<const std::string> lines, int max_ball);

// The program's exchange sort, descending: for i < j, swap when entry j is greater.
void exchange_sort_descending(std::span<int> codes);

// Numbers 1 .. values.size() (entry n-1 holds the value of n) in the workbench's frequency
// order: the codes value x 100 + number sorted as show_sumno sorts them, so a larger value
// comes first and, among equal values, the higher number. Values must be non-negative.
[[nodiscard]] std::vector<int> frequency_order(std::span<const int> values);

}  // namespace pillars
