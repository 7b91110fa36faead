#include "pillars/workbench_state.h"

#include <algorithm>

namespace pillars {

void WorkbenchState::reset_tables(int max_ball) {
  const int top = std::clamp(max_ball, 0, kMaxNumbers);
  for (auto& row : pillar_no) row.fill(std::string());
  hot2_list.clear();
  hot3_list.clear();
  hot4_list.clear();
  no_count.resize(static_cast<std::size_t>(top));
  no_index.resize(static_cast<std::size_t>(top));
  for (int n = 1; n <= top; ++n) no_count[n - 1] = no_index[n - 1] = n;
}

void WorkbenchState::reset_layout() {
  pillar_count = 4;
  set_layout(pillar_layout({2, 2, 2, 2, 0, 0, 0, 0}));
}

void WorkbenchState::set_layout(const PillarLayout& layout) {
  pillar_size = layout.pillar_size;
}

}  // namespace pillars
