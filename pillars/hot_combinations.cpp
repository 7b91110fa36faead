#include "pillars/hot_combinations.h"

#include <algorithm>
#include <array>
#include <bit>

#include "core/ball_text.h"
#include "core/numbers.h"
#include "pillars/period_line.h"

namespace pillars {
namespace {

constexpr int kMaxKeyNumbers = 18;

// A set of distinct ball values (ascending) as one code: 7 bits per value + 1.
std::uint64_t set_code(const int* sorted, int size) {
  std::uint64_t code = 0;
  for (int i = 0; i < size; ++i) code |= static_cast<std::uint64_t>(sorted[i] + 1) << (7 * i);
  return code;
}

// The distinct two-digit values of a line's ball fields, ascending.
int distinct_values(std::string_view line, int* out) {
  int size = 0;
  // Kept in order as they come (five at most) rather than sorted after: GCC 12 warns,
  // wrongly, that std::sort over the five-value array reads beyond it.
  for (auto field : ball_texts(line)) {
    if (size == kBalls) break;
    const auto v = core::two_digit_value(field);
    if (!v || std::find(out, out + size, *v) != out + size) continue;
    int at = size++;
    for (; at > 0 && out[at - 1] > *v; --at) out[at] = out[at - 1];
    out[at] = *v;
  }
  return size;
}

std::array<std::uint32_t, 5> line_tokens(std::string_view line) {
  std::array<std::uint32_t, 5> tokens{};
  const auto balls = ball_texts(line);
  for (int k = 0; k < kBalls; ++k) tokens[k] = text_token(balls[k]);
  return tokens;
}

bool contains_all(const std::array<std::uint32_t, 5>& line, std::string_view key) {
  const std::size_t n = std::min<std::size_t>(key.size() / 2, kMaxKeyNumbers);
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t token = text_token(key.substr(2 * i, 2));
    if (std::find(line.begin(), line.end(), token) == line.end()) return false;
  }
  return true;
}

}  // namespace

int chkBingo(std::string_view key, std::span<const std::string> lines) {
  int hits = 0;
  for (const auto& line : lines)
    if (contains_all(line_tokens(line), key)) ++hits;
  return hits;
}

namespace {

// About how many distinct sets of the counted sizes `lines` lines hold: each line has
// C(5, s) sets of s balls, and 39 balls have C(39, s) of them (a sizing hint; the table
// grows past it on edited lists).
std::size_t expected_sets(std::size_t lines, unsigned set_sizes) {
  constexpr std::size_t kPerLine[6] = {1, 5, 10, 10, 5, 1};
  constexpr std::size_t kAtMost[6] = {1, 39, 741, 9139, 82251, 575757};
  std::size_t count = 0;
  for (int s = 1; s <= kBalls; ++s)
    if (set_sizes & (1u << s)) count += std::min(lines * kPerLine[s], kAtMost[s]);
  return count;
}

}  // namespace

ComboCounter::ComboCounter(std::span<const std::string> lines, unsigned set_sizes)
    : sets_(expected_sets(lines.size(), set_sizes)), set_sizes_(set_sizes) {
  tokens_.reserve(lines.size());
  int values[kBalls];
  for (const auto& line : lines) {
    tokens_.push_back(line_tokens(line));
    const int size = distinct_values(line, values);
    for (unsigned mask = 1; mask < (1u << size); ++mask) {
      const int bits = std::popcount(mask);
      if (!(set_sizes_ & (1u << bits))) continue;
      int subset[kBalls];
      int n = 0;
      for (int i = 0; i < size; ++i)
        if (mask & (1u << i)) subset[n++] = values[i];
      ++sets_.slot(set_code(subset, n));
    }
  }
}

int ComboCounter::count(std::string_view key) const {
  const std::size_t n = std::min<std::size_t>(key.size() / 2, kMaxKeyNumbers);
  int values[kMaxKeyNumbers];
  int size = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const auto v = core::two_digit_value(key.substr(2 * i, 2));
    if (!v) return count_literally(key);  // a key no statistics pass produces
    if (std::find(values, values + size, *v) == values + size) values[size++] = *v;
  }
  return count_values(values, size, key);
}

int ComboCounter::count(const ComboKey& key) const {
  int values[4];
  int size = 0;
  for (int i = 0; i < key.size(); ++i)
    if (std::find(values, values + size, key.value(i)) == values + size) values[size++] = key.value(i);
  if (size >= 1 && size <= kBalls && !(set_sizes_ & (1u << size))) return count_literally(key.text());
  return count_values(values, size, {});
}

// `values`: the key's distinct ball values, in any order.
int ComboCounter::count_values(int* values, int size, std::string_view key) const {
  if (size == 0) return static_cast<int>(tokens_.size());
  if (size > kBalls) return 0;  // a line holds at most five distinct balls
  if (!(set_sizes_ & (1u << size))) return count_literally(key);
  std::sort(values, values + size);
  return sets_.count(set_code(values, size));
}

int ComboCounter::count_literally(std::string_view key) const {
  int hits = 0;
  for (const auto& line : tokens_)
    if (contains_all(line, key)) ++hits;
  return hits;
}

std::string HotEntry::text() const { return core::zero_pad(count, 3) + key; }

std::string HotEntry::memo_line() const { return key + "  " + core::zero_pad(count, 3); }

namespace {

std::string key_text(const ComboKey& key) { return key.text(); }
const std::string& key_text(const std::string& key) { return key; }

// The distinct-ball set sizes the keys need counted.
unsigned needed_sizes(std::span<const ComboKey> keys) {
  unsigned sizes = 0;
  for (const auto& key : keys) {
    int values[4];
    int size = 0;
    for (int i = 0; i < key.size(); ++i)
      if (std::find(values, values + size, key.value(i)) == values + size) values[size++] = key.value(i);
    sizes |= 1u << size;
  }
  return sizes;
}
unsigned needed_sizes(std::span<const std::string>) { return ComboCounter::kAllSetSizes; }

// Keys are distinct, so ordering by count, then key, is the total order the exchange
// sort over "count + key" texts gives, without its quadratic cost or its overflow at
// 1000. Packed keys of one size order as their texts.
bool before(int count_a, const ComboKey& a, int count_b, const ComboKey& b) {
  return count_a != count_b ? count_a > count_b : a > b;
}
bool before(int count_a, const std::string& a, int count_b, const std::string& b) {
  return count_a != count_b ? count_a > count_b : a > b;
}

template <class Key>
HotResult order_keys(std::span<const Key> keys, std::span<const std::string> lines,
                     const Progress& progress, int progress_every) {
  const ComboCounter counter(lines, needed_sizes(keys));
  std::vector<std::pair<int, const Key*>> counted;
  counted.reserve(keys.size());
  const int every = std::max(progress_every, 1);
  const int total = static_cast<int>(keys.size());
  for (int i = 0; i < total; ++i) {
    if (progress && ((i + 1) % every == 0 || i + 1 == total)) progress(i + 1);
    const int c = counter.count(keys[i]);
    if (c != 0) counted.emplace_back(c, &keys[i]);
  }
  std::sort(counted.begin(), counted.end(), [](const auto& a, const auto& b) {
    return before(a.first, *a.second, b.first, *b.second);
  });
  HotResult result;
  result.list.reserve(counted.size());
  result.memo_lines.reserve(counted.size());
  for (const auto& [count, key] : counted) {
    result.list.push_back({count, key_text(*key)});
    result.memo_lines.push_back(result.list.back().memo_line());
  }
  return result;
}

}  // namespace

HotResult get_allno(std::span<const ComboKey> keys, std::span<const std::string> lines,
                    const Progress& progress, int progress_every) {
  return order_keys(keys, lines, progress, progress_every);
}

HotResult get_allno(std::span<const std::string> keys, std::span<const std::string> lines,
                    const Progress& progress, int progress_every) {
  return order_keys(keys, lines, progress, progress_every);
}

}  // namespace pillars
