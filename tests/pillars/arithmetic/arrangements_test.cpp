#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "pillars/arithmetic/arrangements.h"
#include "support/reference_pillars.h"

namespace pillars::arith {
namespace {

constexpr Shape kShapes[] = {Shape::k2x2x2x2, Shape::k3x3x3, Shape::k1x1x2x2x2, Shape::k2x2x3x3};

std::string text_of(const Arrangement& a) {  // over S = 01, 02, ..., 10
  std::string t;
  for (int i = 0; i < a.count; ++i) t += reference::format0(a.positions[i] + 1, 2);
  return t;
}

// The division as a set of pillars, each a set of positions: equal for two listings of
// the same division whatever the order of equal-size pillars.
std::multiset<std::set<int>> division(const Arrangement& a, std::span<const int> sizes) {
  std::multiset<std::set<int>> d;
  int at = 0;
  for (const int size : sizes) {
    std::set<int> pillar;
    for (int m = 0; m < size; ++m) pillar.insert(a.positions[at++]);
    d.insert(pillar);
  }
  return d;
}

TEST(Arrangements, CountsAndDistinctDivisions) {
  for (const Shape shape : kShapes) {
    const auto& list = arrangements(shape);
    SCOPED_TRACE(static_cast<int>(shape));
    ASSERT_EQ(static_cast<int>(list.size()), shape_arrangement_count(shape));
    std::set<std::multiset<std::set<int>>> divisions;
    for (const auto& a : list) {
      ASSERT_EQ(a.count, shape_numbers(shape));
      divisions.insert(division(a, shape_sizes(shape)));
    }
    EXPECT_EQ(divisions.size(), list.size()) << "no division listed twice";
  }
}

TEST(Arrangements, SameOrderAsTheTextEnumeration) {
  const std::string s = "01020304050607080910";
  const std::pair<Shape, const char*> shapes[] = {{Shape::k2x2x2x2, "2x2x2x2"},
                                                  {Shape::k3x3x3, "3x3x3"},
                                                  {Shape::k1x1x2x2x2, "1x1x2x2x2"},
                                                  {Shape::k2x2x3x3, "2x2x3x3"}};
  for (const auto& [shape, name] : shapes) {
    SCOPED_TRACE(name);
    const auto expected = reference::enumerate(name, s.substr(0, 2 * shape_numbers(shape)));
    std::vector<std::string> ours;
    for (const auto& a : arrangements(shape)) ours.push_back(text_of(a));
    EXPECT_EQ(ours, expected);
  }
}

TEST(Arrangements, FirstAndLastOfEachShape) {
  const auto& four = arrangements(Shape::k2x2x2x2);
  EXPECT_EQ(text_of(four.front()), "0102030405060708");
  EXPECT_EQ(text_of(four.back()), "0108020703060405");
  const auto& ten = arrangements(Shape::k2x2x3x3);
  EXPECT_TRUE(std::all_of(ten.begin(), ten.end(), [](const Arrangement& a) { return a.positions[0] == 0; }))
      << "2x2x3x3 lists only divisions with the first number in pillar 1";
  const auto& singles = arrangements(Shape::k1x1x2x2x2);
  EXPECT_EQ(text_of(singles.front()), "0102030405060708");
  EXPECT_EQ(text_of(singles.back()), "0708010602050304");
}

TEST(PositionGroups, FirstNumberAndAllGroups) {
  EXPECT_EQ(first_number_groups(5, 2).size(), 4u);
  EXPECT_EQ(first_number_groups(9, 3).size(), 28u);
  EXPECT_EQ(first_number_groups(6, 3).size(), 10u);
  EXPECT_EQ(first_number_groups(7, 4).size(), 20u);
  EXPECT_EQ(all_groups(8, 2).size(), 28u);
  EXPECT_EQ(all_groups(15, 4).size(), 1365u);
  EXPECT_EQ((first_number_groups(5, 3)[3]), (PositionGroup{0, 2, 3, 0}));
  EXPECT_TRUE(first_number_groups(5, 5).empty());
  EXPECT_TRUE(all_groups(5, 1).empty());
  EXPECT_TRUE(all_groups(1, 2).empty());
}

}  // namespace
}  // namespace pillars::arith
