// A small open-addressing hash table from 64-bit codes to counts. The key collection
// and the hot-combination counts use it instead of the linear searches and per-key
// rescans a text list would need.
#pragma once

#include <cstdint>
#include <vector>

namespace pillars::detail {

class CodeTable {
 public:
  explicit CodeTable(std::size_t expected = 64) { reset(expected); }

  // Empties the table, sized for about `expected` codes without growing.
  void reset(std::size_t expected);

  // The count slot of a code, inserted with 0 when new.
  std::int32_t& slot(std::uint64_t code);

  // The count of a code, 0 when absent.
  [[nodiscard]] std::int32_t count(std::uint64_t code) const;

  [[nodiscard]] std::size_t size() const { return size_; }

 private:
  [[nodiscard]] std::size_t home(std::uint64_t code) const {
    return static_cast<std::size_t>((code * 0x9E3779B97F4A7C15ull) >> shift_);
  }
  void grow();

  // Code 0 never occurs (codes carry a size marker), so it marks an empty slot.
  std::vector<std::uint64_t> codes_;
  std::vector<std::int32_t> counts_;
  std::size_t size_ = 0;
  int shift_ = 58;
};

// A set of nonzero 32-bit codes, the same open addressing without counts.
class CodeSet {
 public:
  explicit CodeSet(std::size_t expected = 64) { reset(expected); }
  void reset(std::size_t expected);
  // Adds the code; true when it was not there yet.
  bool insert(std::uint32_t code);
  [[nodiscard]] std::size_t size() const { return size_; }

 private:
  [[nodiscard]] std::size_t home(std::uint32_t code) const {
    return static_cast<std::size_t>((code * 0x9E3779B1u) >> shift_);
  }
  void grow();
  std::vector<std::uint32_t> codes_;
  std::size_t size_ = 0;
  int shift_ = 26;
};

}  // namespace pillars::detail
