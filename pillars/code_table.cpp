#include "pillars/code_table.h"

#include <algorithm>
#include <bit>

namespace pillars::detail {

void CodeTable::reset(std::size_t expected) {
  const std::size_t capacity = std::bit_ceil(std::max<std::size_t>(16, expected * 2));
  shift_ = 64 - std::countr_zero(capacity);
  codes_.assign(capacity, 0);
  counts_.assign(capacity, 0);
  size_ = 0;
}

std::int32_t& CodeTable::slot(std::uint64_t code) {
  if ((size_ + 1) * 2 > codes_.size()) grow();
  const std::size_t mask = codes_.size() - 1;
  for (std::size_t i = home(code);; i = (i + 1) & mask) {
    if (codes_[i] == code) return counts_[i];
    if (codes_[i] == 0) {
      codes_[i] = code;
      ++size_;
      return counts_[i];
    }
  }
}

std::int32_t CodeTable::count(std::uint64_t code) const {
  const std::size_t mask = codes_.size() - 1;
  for (std::size_t i = home(code);; i = (i + 1) & mask) {
    if (codes_[i] == code) return counts_[i];
    if (codes_[i] == 0) return 0;
  }
}

void CodeTable::grow() {
  std::vector<std::uint64_t> old_codes = std::move(codes_);
  std::vector<std::int32_t> old_counts = std::move(counts_);
  reset(old_codes.size());
  for (std::size_t i = 0; i < old_codes.size(); ++i)
    if (old_codes[i] != 0) slot(old_codes[i]) = old_counts[i];
}

void CodeSet::reset(std::size_t expected) {
  const std::size_t capacity = std::bit_ceil(std::max<std::size_t>(16, expected * 2));
  shift_ = 32 - std::countr_zero(capacity);
  codes_.assign(capacity, 0);
  size_ = 0;
}

bool CodeSet::insert(std::uint32_t code) {
  if ((size_ + 1) * 2 > codes_.size()) grow();
  const std::size_t mask = codes_.size() - 1;
  for (std::size_t i = home(code);; i = (i + 1) & mask) {
    if (codes_[i] == code) return false;
    if (codes_[i] == 0) {
      codes_[i] = code;
      ++size_;
      return true;
    }
  }
}

void CodeSet::grow() {
  std::vector<std::uint32_t> old = std::move(codes_);
  reset(old.size());
  for (std::uint32_t code : old)
    if (code != 0) insert(code);
}

}  // namespace pillars::detail
