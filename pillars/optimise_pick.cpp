#include "pillars/optimise_pick.h"

#include "pillars/arithmetic/arrangements.h"

namespace pillars {

namespace {

std::string join_groups(std::string_view numbers, int k, bool first_only) {
  const auto parts = split_number_list(numbers);
  const int n = static_cast<int>(parts.size());
  const auto groups = first_only ? arith::first_number_groups(n, k) : arith::all_groups(n, k);
  std::string text;
  text.reserve(groups.size() * 2 * k);
  for (const auto& group : groups)
    for (int i = 0; i < k; ++i) text += parts[group[i]];
  return text;
}

}  // namespace

std::vector<std::string_view> split_number_list(std::string_view numbers) {
  std::vector<std::string_view> parts;
  for (size_t i = 0; i + 1 < numbers.size() && parts.size() < kMaxPickNumbers; i += 2)
    parts.push_back(numbers.substr(i, 2));
  return parts;
}

std::string pick_type1(std::string_view numbers, int k) { return join_groups(numbers, k, true); }

std::string pick_type2(std::string_view numbers, int k) { return join_groups(numbers, k, false); }

}  // namespace pillars
