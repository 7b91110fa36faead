#include "analysis/trace/choice_ranking.h"

#include <algorithm>
#include <bit>

#include "core/ball_text.h"

namespace trace {
namespace {

// Per number, the set of rows in which it is marked.
class RowSets {
 public:
  RowSets(std::span<const std::uint64_t> row_marks, int max_ball)
      : words_((row_marks.size() + 63) / 64), bits_((static_cast<std::size_t>(max_ball) + 1) * words_) {
    for (std::size_t r = 0; r < row_marks.size(); ++r)
      for (std::uint64_t m = row_marks[r]; m; m &= m - 1) {
        const auto n = static_cast<std::size_t>(std::countr_zero(m));
        if (n <= static_cast<std::size_t>(max_ball)) bits_[n * words_ + r / 64] |= std::uint64_t{1} << (r % 64);
      }
  }
  [[nodiscard]] std::size_t words() const { return words_; }
  [[nodiscard]] const std::uint64_t* rows_of(int n) const {
    return bits_.data() + static_cast<std::size_t>(n) * words_;
  }
  [[nodiscard]] int marks(int n) const {
    int count = 0;
    for (std::size_t w = 0; w < words_; ++w) count += std::popcount(rows_of(n)[w]);
    return count;
  }

 private:
  std::size_t words_;
  std::vector<std::uint64_t> bits_;
};

bool ranks_before(const Choice& x, const Choice& y) {
  if (x.union_count != y.union_count) return x.union_count > y.union_count;
  if (x.hit_count != y.hit_count) return x.hit_count > y.hit_count;
  return x.numbers > y.numbers;
}

std::vector<int> mark_counts(const RowSets& sets, int max_ball) {
  std::vector<int> marks(static_cast<std::size_t>(max_ball) + 1);
  for (int n = 1; n <= max_ball; ++n) marks[static_cast<std::size_t>(n)] = sets.marks(n);
  return marks;
}

}  // namespace

std::string Choice::text() const {
  std::string t;
  for (int k = 0; k < size; ++k) {
    if (k) t += '.';
    t += core::ball_text(numbers[static_cast<std::size_t>(k)]);
  }
  return t;
}

std::vector<Choice> rank_pairs(std::span<const std::uint64_t> row_marks, int max_ball) {
  const RowSets sets(row_marks, max_ball);
  const auto marks = mark_counts(sets, max_ball);
  std::vector<Choice> ranked;
  for (int a = 1; a < max_ball; ++a)
    for (int b = a + 1; b <= max_ball; ++b) {
      int rows = 0;
      for (std::size_t w = 0; w < sets.words(); ++w) rows += std::popcount(sets.rows_of(a)[w] | sets.rows_of(b)[w]);
      ranked.push_back({rows, marks[static_cast<std::size_t>(a)] + marks[static_cast<std::size_t>(b)], 2, {a, b, 0}});
    }
  std::sort(ranked.begin(), ranked.end(), ranks_before);
  return ranked;
}

std::vector<Choice> rank_triples(std::span<const std::uint64_t> row_marks, int max_ball) {
  const RowSets sets(row_marks, max_ball);
  const auto marks = mark_counts(sets, max_ball);
  const long long row_count = static_cast<long long>(row_marks.size());
  std::vector<Choice> ranked;
  std::vector<std::uint64_t> pair(sets.words());
  for (int a = 1; a <= max_ball - 2; ++a)
    for (int b = a + 1; b <= max_ball - 1; ++b) {
      for (std::size_t w = 0; w < sets.words(); ++w) pair[w] = sets.rows_of(a)[w] | sets.rows_of(b)[w];
      for (int c = b + 1; c <= max_ball; ++c) {
        int rows = 0;
        for (std::size_t w = 0; w < sets.words(); ++w) rows += std::popcount(pair[w] | sets.rows_of(c)[w]);
        if (10LL * rows <= 3 * row_count) continue;  // more than 30 % of the rows
        const int hits = marks[static_cast<std::size_t>(a)] + marks[static_cast<std::size_t>(b)] +
                         marks[static_cast<std::size_t>(c)];
        ranked.push_back({rows, hits, 3, {a, b, c}});
      }
    }
  std::sort(ranked.begin(), ranked.end(), ranks_before);
  return ranked;
}

std::vector<std::string> choice_items(const std::vector<Choice>& ranked, std::size_t limit) {
  std::vector<std::string> items;
  for (std::size_t i = 0; i < ranked.size() && i < limit; ++i) items.push_back(ranked[i].text());
  return items;
}

}  // namespace trace
