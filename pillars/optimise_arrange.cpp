#include "pillars/optimise_arrange.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/ball_text.h"
#include "pillars/arithmetic/arrangements.h"
#include "pillars/optimise_period.h"
#include "pillars/messages.h"
#include "pillars/optimise_texts.h"

namespace pillars {

namespace {

constexpr int kCodeNumbers = 49;

struct Ordering {
  std::vector<std::string> memo;   // MM_2 / MM3_2
  std::vector<std::string> codes;  // M2 / M3
  std::vector<std::string> order;  // order_no[1..r]
};

// Button24Click / Button25Click after the count: the memo lines, the code table n +
// 100 x (co-occurrence total of n) sorted ascending, and the numbers with a total above 0.
Ordering order_by_cooccurrence(const std::vector<HotEntry>& entries, int k) {
  Ordering result;
  std::array<int, kCodeNumbers + 1> code{};
  for (int n = 1; n <= kCodeNumbers; ++n) code[n] = n;
  for (const auto& entry : entries) {
    result.memo.push_back(entry.memo_line());
    if (entry.count <= 0) continue;
    for (int i = 0; i < k; ++i) {
      const auto n = core::ball_value(std::string_view(entry.key).substr(2 * i, 2), kCodeNumbers);
      if (n) code[*n] += 100 * entry.count;
    }
  }
  std::sort(code.begin() + 1, code.end());
  for (int n = 1; n <= kCodeNumbers; ++n) {
    if (code[n] <= 100) continue;
    result.codes.push_back(std::to_string(code[n]));
    result.order.push_back(core::ball_text(code[n] % 100));
  }
  return result;
}

// Scans the ranked groups from the last (least drawn together; smaller numbers first
// among equals) for the first whose numbers are all free.
std::optional<std::vector<std::string>> least_shared_free_group(const std::vector<HotEntry>& ranked, int k,
                                                                const ArrangeInput& in,
                                                                const ArrangedPillars& table) {
  for (auto it = ranked.rbegin(); it != ranked.rend(); ++it) {
    std::vector<std::string> group;
    for (int i = 0; i < k; ++i) group.push_back(it->key.substr(2 * i, 2));
    const bool all_free = std::none_of(group.begin(), group.end(), [&](const std::string& n) {
      return is_placed(table, in.pillar_count, in.pillar_size, n);
    });
    if (all_free) return group;
  }
  return std::nullopt;
}

// The fill-up's next number: the first of order_no[1..n] not yet placed. Where the
// triple ordering has overwritten a number out of order_no, the selection (ascending)
// supplies it, so no slot stays empty while a selected number is left over.
std::string first_unplaced(const ArrangeInput& in, const ComputerArrangement& a, const ArrangedPillars& table) {
  const int n = std::min<int>(static_cast<int>(in.selection.size()), kCodeNumbers);
  auto free = [&](const std::string& number) {
    return !number.empty() && !is_placed(table, in.pillar_count, in.pillar_size, number);
  };
  for (int i = 0; i < n; ++i)
    if (free(a.order_no[i])) return a.order_no[i];
  for (const auto& number : a.selection)
    if (free(number)) return number;
  return {};
}

// PPNO_Arrange.
ArrangedPillars distribute(const ArrangeInput& in, const ComputerArrangement& a) {
  ArrangedPillars table;  // every entry an empty string
  const int used_pillars = std::clamp(in.pillar_count, 0, 8);
  auto size_of = [&](int p) { return std::clamp(in.pillar_size[p], 0, 8); };
  // Single pillars take order_no in turn; an entry that is empty or already placed (the
  // triple ordering can leave such entries when few numbers share a draw) leaves the pillar
  // to the fill-up, so every selected number is placed exactly once.
  std::size_t k = 0;
  for (int p = 0; p < used_pillars; ++p) {
    if (size_of(p) != 1 || k >= a.order_no.size()) continue;
    const std::string& candidate = a.order_no[k++];
    if (!candidate.empty() && !is_placed(table, in.pillar_count, in.pillar_size, candidate)) table[p][0] = candidate;
  }
  for (const int want : {3, 2}) {
    for (int p = 0; p < used_pillars; ++p) {
      if (want == 3 ? size_of(p) < 3 : size_of(p) != 2) continue;
      const auto group = least_shared_free_group(want == 3 ? a.hot3_list : a.hot2_list, want, in, table);
      if (!group) continue;
      for (int s = 0; s < want; ++s) table[p][s] = (*group)[s];
    }
  }
  for (int s = 0; s < 8; ++s)
    for (int p = 0; p < used_pillars; ++p) {
      if (s >= size_of(p) || !table[p][s].empty()) continue;
      table[p][s] = first_unplaced(in, a, table);
    }
  return table;
}

}  // namespace

bool is_placed(const ArrangedPillars& pillar_no, int pillar_count, const std::array<int, 8>& pillar_size,
               std::string_view number) {
  for (int p = 0; p < std::clamp(pillar_count, 0, 8); ++p)
    for (int s = 0; s < std::clamp(pillar_size[p], 0, 8); ++s)
      if (pillar_no[p][s] == number) return true;
  return false;
}

std::vector<HotEntry> selected_group_counts(std::span<const std::string> period_lines,
                                            std::span<const std::string> selection, int k) {
  std::vector<std::string> numbers(selection.begin(), selection.end());
  std::sort(numbers.begin(), numbers.end());
  const auto masks = period_masks(period_lines);
  std::vector<std::pair<int, std::string>> entries;
  for (const auto& group : arith::all_groups(static_cast<int>(numbers.size()), k)) {
    std::uint64_t wanted = 0;
    std::string key;
    for (int i = 0; i < k; ++i) {
      key += numbers[group[i]];
      const auto v = core::ball_value(numbers[group[i]], 63);
      // A text that is not a ball number is in no draw.
      wanted |= v ? std::uint64_t{1} << *v : std::uint64_t{1};
    }
    int count = 0;
    for (const std::uint64_t m : masks) count += (m & wanted) == wanted;
    entries.emplace_back(count, std::move(key));
  }
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a > b; });
  std::vector<HotEntry> ranked;
  for (auto& [count, key] : entries) ranked.push_back({count, std::move(key)});
  return ranked;
}

core::Status check_arrangement(const ArrangeInput& in) {
  namespace t = optimise_text;
  const auto refuse = [](std::string_view text) { return core::Error::warning(std::string(text)); };
  const int n = static_cast<int>(in.selection.size());
  if (n < kArrangeMinNumbers || n > kArrangeMaxNumbers) return refuse(t::kArrangeRange);
  int total = 0;
  for (const int s : in.pillar_size) total += s;
  if (total != n) return refuse(t::kArrangeTotal);
  if (const auto checked = selection_numbers(in.selection); !checked) return checked.error();
  if (in.pillar_count < 3 || in.pillar_count > 8) return refuse(msg::kPillarCountOutOfRange);
  if (std::any_of(in.pillar_size.begin(), in.pillar_size.end(), [](int s) { return s < 0 || s > 8; }))
    return refuse(msg::kPillarSizeOutOfRange);
  return {};
}

core::Result<ComputerArrangement> computer_arrange(const ArrangeInput& in) {
  if (const auto checked = check_arrangement(in); !checked) return checked.error();
  ComputerArrangement a;
  a.selection = selection_numbers(in.selection)->texts;
  a.hot2_list = selected_group_counts(in.period_lines, a.selection, 2);
  a.hot3_list = selected_group_counts(in.period_lines, a.selection, 3);
  Ordering pairs = order_by_cooccurrence(a.hot2_list, 2);
  Ordering triples = order_by_cooccurrence(a.hot3_list, 3);
  a.mm_2 = std::move(pairs.memo);
  a.m2 = std::move(pairs.codes);
  a.mm3_2 = std::move(triples.memo);
  a.m3 = std::move(triples.codes);
  // The triple ordering overwrites the head of the pair ordering's list.
  a.order_no.assign(kCodeNumbers, "");
  std::copy(pairs.order.begin(), pairs.order.end(), a.order_no.begin());
  std::copy(triples.order.begin(), triples.order.end(), a.order_no.begin());
  size_t next = pairs.order.size();
  for (const auto& number : a.selection)
    if (std::find(pairs.order.begin(), pairs.order.end(), number) == pairs.order.end())
      a.order_no[next++] = number;

  a.pillar_no = distribute(in, a);
  for (int p = 0; p < in.pillar_count; ++p)
    a.pillar_memos.emplace_back(a.pillar_no[p].begin(), a.pillar_no[p].begin() + std::clamp(in.pillar_size[p], 0, 8));
  return a;
}

PillarReport arrangement_report(const ComputerArrangement& arranged, const ArrangeInput& input,
                                std::string_view period_title) {
  PillarTable table;
  PillarLengths lengths{};
  for (int p = 0; p < input.pillar_count; ++p) {
    table[p] = arranged.pillar_no[p];
    lengths[p] = static_cast<int>(arranged.pillar_memos[p].size());
  }
  PillarReportInput report;
  report.checked_lines = input.period_lines.size();
  report.report_lines = input.period_lines;
  report.table = &table;
  report.lengths = lengths;
  report.pillar_count = input.pillar_count;
  report.pillar_size = input.pillar_size;
  report.cost = arith::symmetric_sums(input.pillar_size);
  report.period_title = period_title;
  return pillar_report(report);
}

}  // namespace pillars
