// Groups of numbers from a number-list text: the concatenation of two-digit numbers,
// "0105071218" for 01, 05, 07, 12, 18.
//   pick_type1("0105071218", 2) == "0105010701120118"   (the groups holding the first number)
//   pick_type2("010507", 2)     == "010501070507"       (every group)
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pillars {

// A list holds at most 20 numbers; further numbers and an odd last character are ignored.
inline constexpr int kMaxPickNumbers = 20;

// The two-character numbers of a list text.
[[nodiscard]] std::vector<std::string_view> split_number_list(std::string_view numbers);

// Every k-number group (k = 2, 3 or 4) that contains the first number, in lexicographic
// order of positions, each written as its numbers in list order; any other k gives "".
[[nodiscard]] std::string pick_type1(std::string_view numbers, int k);

// Every k-number group of the list, first number included or not, in lexicographic order
// of positions; any other k gives "".
[[nodiscard]] std::string pick_type2(std::string_view numbers, int k);

}  // namespace pillars
