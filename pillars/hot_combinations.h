// Hot two-, three- and four-number combinations ("熱門雙星/三星/四星組合排列"): how many
// period lines contain every number of each collected key, ordered by that count.
//
// A line "hits" a key when each of the key's two-digit numbers equals one of the line's
// five ball fields (text comparison, so an edited Memo1 is read as it stands). Instead of
// rescanning every line per key, the lines are counted once into a table of the ball
// sets they contain; each key is then one lookup.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pillars/code_table.h"
#include "pillars/combination_keys.h"

namespace pillars {

// chkBingo: the number of lines whose ball fields contain every number of the key (the
// key split into length/2 two-character numbers; an empty key hits every line).
[[nodiscard]] int chkBingo(std::string_view key, std::span<const std::string> lines);

// The same count for many keys over one list of lines: prepare once, then look up.
class ComboCounter {
 public:
  // Bit s of `set_sizes` (1 .. 5) counts the sets of s distinct balls of every line;
  // keys of other sizes are counted by scanning. The default counts every size.
  static constexpr unsigned kAllSetSizes = 0b111110;
  explicit ComboCounter(std::span<const std::string> lines, unsigned set_sizes = kAllSetSizes);
  [[nodiscard]] int count(std::string_view key) const;  // == chkBingo(key, lines)
  [[nodiscard]] int count(const ComboKey& key) const;   // == chkBingo(key.text(), lines)

 private:
  [[nodiscard]] int count_values(int* values, int size, std::string_view key) const;
  [[nodiscard]] int count_literally(std::string_view key) const;
  std::vector<std::array<std::uint32_t, 5>> tokens_;  // per line, for unusual keys
  detail::CodeTable sets_;
  unsigned set_sizes_;
};

// An ordered hot-combination entry: its hit count and key.
struct HotEntry {
  int count = 0;
  std::string key;
  // The list entry as text: count "000" (wider when above 999) followed by the key.
  [[nodiscard]] std::string text() const;
  // The memo line: key, two blanks, the count "000": "0512  023".
  [[nodiscard]] std::string memo_line() const;
  bool operator==(const HotEntry&) const = default;
};

struct HotResult {
  std::vector<HotEntry> list;            // hot2_list / hot3_list / hot4_list
  std::vector<std::string> memo_lines;   // mm / mm3 / mm9
};

// Reports the 1-based index of the key being counted (the window shows it in lb2s,
// lb3s or lb4s and lets pending events run).
using Progress = std::function<void(int key_index)>;

// get_allno: counts every key over the lines, drops zero counts and orders the rest
// by count, highest first, then by key, greater first (0512 before 0308 at equal
// counts). Counts order numerically at any width. `progress` runs every
// `progress_every` keys and at the last one.
[[nodiscard]] HotResult get_allno(std::span<const ComboKey> keys,
                                  std::span<const std::string> lines,
                                  const Progress& progress = {}, int progress_every = 500);
// The same for keys given as text (see chkBingo for how a text splits into numbers).
[[nodiscard]] HotResult get_allno(std::span<const std::string> keys,
                                  std::span<const std::string> lines,
                                  const Progress& progress = {}, int progress_every = 500);

}  // namespace pillars
