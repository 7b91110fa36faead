// The period lines as the pillar optimisation reads them: the five ball fields of the
// period line (pillars/period_line.h) turned into a 64-bit mask.
// A field that is not two digits (a short or edited line) matches no number, exactly as
// the text comparison of the per-draw check would.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pillars {

// The five balls of a line in field order, 0 where a field is not two digits.
[[nodiscard]] std::array<int, 5> period_line_balls(std::string_view line);

// Bit b set for each ball b (1..63) of the line.
[[nodiscard]] std::uint64_t period_line_mask(std::string_view line);

// One mask per line, in line order (empty lines included, with mask 0).
[[nodiscard]] std::vector<std::uint64_t> period_masks(std::span<const std::string> lines);

}  // namespace pillars
