#include "pillars/pillar_cost.h"

#include "core/numbers.h"
#include "pillars/messages.h"

namespace pillars {

PillarLayout pillar_layout(const PillarSizes& sizes) {
  PillarLayout layout;
  layout.pillar_size = sizes;
  for (int s : sizes) layout.pillar_total += s;
  layout.cost = arith::symmetric_sums(sizes);
  return layout;
}

core::Result<int> read_pillar_count(std::string_view count_text) {
  const auto count = core::to_int(count_text);
  if (!count) return core::Error::error(msg::not_an_integer(count_text));
  if (*count < kMinPillars || *count > kMaxPillars)
    return core::Error::warning(std::string(msg::kPillarCountOutOfRange));
  return *count;
}

core::Result<PillarLayout> size_change(std::span<const std::string> size_texts) {
  PillarSizes sizes{};
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const std::string_view text = i < size_texts.size() ? std::string_view(size_texts[i]) : "0";
    const auto size = core::to_int(text);
    if (!size) return core::Error::error(msg::not_an_integer(text));
    if (*size < 0 || *size > kMaxPillarSize)
      return core::Error::warning(std::string(msg::kPillarSizeOutOfRange));
    sizes[i] = *size;
  }
  return pillar_layout(sizes);
}

core::Result<PillarCountChange> pillar_count_change(std::string_view count_text,
                                           std::span<const std::string> size_texts) {
  const auto count = read_pillar_count(count_text);
  if (!count.ok()) return count.error();
  PillarCountChange change;
  change.pillar_count = *count;
  for (int i = 0; i < kMaxPillars; ++i)
    change.size_texts[i] = i >= *count ? "0" : (i < static_cast<int>(size_texts.size()) ? size_texts[i] : "0");
  const auto layout = size_change(change.size_texts);
  if (!layout.ok()) return layout.error();
  change.layout = *layout;
  return change;
}

CostLabels cost_labels(const PillarLayout& layout) {
  const auto& c = layout.cost;
  CostLabels labels;
  labels.number_total = "您立柱所有的號碼數為：" + std::to_string(layout.pillar_total) +
                        "  請留意！必須和您上面所選的數目相同";
  labels.two_star = "二星= " + std::to_string(c.two) + " 碰";
  labels.three_star = "三星= " + std::to_string(c.three) + " 碰";
  labels.four_star = "四星= " + std::to_string(c.four) + " 碰";
  labels.all_bets = "共= " + std::to_string(c.two + c.three + c.four) + " 碰";
  return labels;
}

}  // namespace pillars
