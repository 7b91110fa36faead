// The combination keys of a period list: every distinct pair, triple and quadruple of
// balls that occurs in one line, in order of first occurrence. A key's text is its
// balls' two-digit texts concatenated ("0512", "051223", "05122330"). The statistics
// pass collects them; the hot-combination ranking counts them.
//
// Keys are held packed (four bytes each) because a long period has some 21,000 of them
// and the statistics pass must stay within a couple of milliseconds.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pillars {

inline constexpr std::size_t kPairKeyCapacity = 1176;
inline constexpr std::size_t kTripleKeyCapacity = 18424;
inline constexpr std::size_t kQuadKeyCapacity = 30000;

// One to four ball values 0 .. 99 in key order. Keys of one size order as their texts.
class ComboKey {
 public:
  ComboKey() = default;
  // nullopt for 0 or more than 4 values, or a value outside 0 .. 99.
  [[nodiscard]] static std::optional<ComboKey> of(const int* values, int count);
  // The key of a text of 2, 4, 6 or 8 digits ("0512"); nullopt for anything else.
  [[nodiscard]] static std::optional<ComboKey> parse(std::string_view text);

  [[nodiscard]] int size() const { return static_cast<int>(packed_ >> 28); }
  [[nodiscard]] int value(int i) const { return static_cast<int>(packed_ >> (7 * (3 - i))) & 127; }
  [[nodiscard]] std::string text() const;
  [[nodiscard]] std::uint32_t packed() const { return packed_; }

  friend auto operator<=>(const ComboKey&, const ComboKey&) = default;

 private:
  std::uint32_t packed_ = 0;  // size in bits 28..30, value i in bits 7*(3-i) ..
};

struct KeyLists {
  std::vector<ComboKey> pair_keys;
  std::vector<ComboKey> triple_keys;
  std::vector<ComboKey> quad_keys;
};

// Collects keys line by line. Within a line the balls are taken in field order
// (ascending on an unedited list): quadruples b1b2b3b4, b1b2b3b5, b1b2b4b5, b1b3b4b5,
// b2b3b4b5, then triples and pairs in lexicographic order of positions. Keys beyond a
// list's capacity are not collected.
class KeyCollector {
 public:
  // `expected_lines` sizes the lists up front (a hint, not a limit).
  explicit KeyCollector(std::size_t expected_lines = 0);
  ~KeyCollector();
  KeyCollector(const KeyCollector&) = delete;
  KeyCollector& operator=(const KeyCollector&) = delete;

  void add_line(const std::array<int, 5>& balls);  // each 0 .. 99
  [[nodiscard]] KeyLists take() { return std::move(keys_); }

  struct Seen;  // the sets of keys already listed

 private:
  KeyLists keys_;
  Seen* seen_ = nullptr;
  std::unique_ptr<Seen> own_seen_;
};

}  // namespace pillars
