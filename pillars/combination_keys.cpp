#include "pillars/combination_keys.h"

#include <algorithm>

#include "core/ball_text.h"
#include "pillars/code_table.h"

namespace pillars {
namespace {

// Position tuples (0-based) in the order keys have always been collected.
constexpr int kQuads[5][4] = {{0, 1, 2, 3}, {0, 1, 2, 4}, {0, 1, 3, 4}, {0, 2, 3, 4}, {1, 2, 3, 4}};
constexpr int kTriples[10][3] = {{0, 1, 2}, {0, 1, 3}, {0, 1, 4}, {0, 2, 3}, {0, 2, 4},
                                 {0, 3, 4}, {1, 2, 3}, {1, 2, 4}, {1, 3, 4}, {2, 3, 4}};
constexpr int kPairs[10][2] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 2},
                               {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};

// With 39 balls a period never holds more than 741 pairs and 9139 triples, and at most
// five new quadruples per line.
std::size_t expected(std::size_t lines, std::size_t per_line, std::size_t most) {
  return std::min(lines * per_line, most);
}

template <std::size_t K>
void add(const std::array<int, 5>& balls, const int (&positions)[K], std::vector<ComboKey>& list,
         detail::CodeSet& seen, std::size_t capacity) {
  if (list.size() >= capacity) return;
  int values[K];
  for (std::size_t i = 0; i < K; ++i) values[i] = balls[positions[i]];
  const auto key = ComboKey::of(values, static_cast<int>(K));
  if (key && seen.insert(key->packed())) list.push_back(*key);
}

}  // namespace

std::optional<ComboKey> ComboKey::of(const int* values, int count) {
  if (count < 1 || count > 4) return std::nullopt;
  ComboKey key;
  key.packed_ = static_cast<std::uint32_t>(count) << 28;
  for (int i = 0; i < count; ++i) {
    if (values[i] < 0 || values[i] > 99) return std::nullopt;
    key.packed_ |= static_cast<std::uint32_t>(values[i]) << (7 * (3 - i));
  }
  return key;
}

std::optional<ComboKey> ComboKey::parse(std::string_view text) {
  if (text.empty() || text.size() % 2 != 0 || text.size() > 8) return std::nullopt;
  int values[4];
  const int count = static_cast<int>(text.size() / 2);
  for (int i = 0; i < count; ++i) {
    const auto value = core::two_digit_value(text.substr(2 * i, 2));
    if (!value) return std::nullopt;
    values[i] = *value;
  }
  return of(values, count);
}

std::string ComboKey::text() const {
  std::string out;
  out.reserve(8);
  for (int i = 0; i < size(); ++i) out += core::ball_text(value(i));
  return out;
}

// The sets are kept per thread and reused: a fresh quarter megabyte per pass costs more
// in page faults than the whole count.
struct KeyCollector::Seen {
  detail::CodeSet pairs, triples, quads;
  bool in_use = false;
};

namespace {
thread_local KeyCollector::Seen reusable_seen;
}

KeyCollector::KeyCollector(std::size_t expected_lines) {
  if (!reusable_seen.in_use) {
    seen_ = &reusable_seen;
  } else {
    own_seen_ = std::make_unique<Seen>();
    seen_ = own_seen_.get();
  }
  seen_->in_use = true;
  seen_->pairs.reset(expected(expected_lines, 10, 741));
  seen_->triples.reset(expected(expected_lines, 10, 9139));
  seen_->quads.reset(expected(expected_lines, 5, kQuadKeyCapacity));
  keys_.pair_keys.reserve(expected(expected_lines, 10, 741));
  keys_.triple_keys.reserve(expected(expected_lines, 10, 9139));
  keys_.quad_keys.reserve(expected(expected_lines, 5, kQuadKeyCapacity));
}

KeyCollector::~KeyCollector() { seen_->in_use = false; }

void KeyCollector::add_line(const std::array<int, 5>& balls) {
  for (const auto& q : kQuads) add(balls, q, keys_.quad_keys, seen_->quads, kQuadKeyCapacity);
  for (const auto& t : kTriples) add(balls, t, keys_.triple_keys, seen_->triples, kTripleKeyCapacity);
  for (const auto& p : kPairs) add(balls, p, keys_.pair_keys, seen_->pairs, kPairKeyCapacity);
}

}  // namespace pillars
