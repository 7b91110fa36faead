#include "core/text_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TextGrid, ResizeKeepsCellsAndIgnoresOutOfRange) {
  core::TextGrid grid(2, 2);
  grid.set_cell(1, 1, "x");
  grid.set_cell(5, 5, "ignored");
  grid.resize(3, 3);
  EXPECT_EQ(grid.cell(1, 1), "x");
  EXPECT_EQ(grid.cell(9, 9), "");
  grid.set_row(2, {"a", "b", "c", "d"});
  EXPECT_EQ(grid.column(2), (std::vector<std::string>{"", "", "c"}));
}

}  // namespace
