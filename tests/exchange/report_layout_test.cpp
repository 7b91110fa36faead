#include "exchange/report_layout.h"

#include <gtest/gtest.h>

namespace {

const core::LocalDateTime kPrintedAt{{2024, 5, 1}, 14, 3, 9};

std::vector<std::string> numbered_lines(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
  return lines;
}

TEST(lines_per_page, FollowsTheBodySize) {
  const exchange::ReportGeometry a4;
  EXPECT_DOUBLE_EQ(a4.inner_width(), 190);
  EXPECT_DOUBLE_EQ(a4.inner_height(), 284);
  EXPECT_EQ(exchange::lines_per_page(a4, 12), 48);
  EXPECT_EQ(exchange::lines_per_page(a4, 10), 57);
  EXPECT_EQ(exchange::lines_per_page(a4, 400), 1);  // never less than one line
}

TEST(layout_report, FillsPagesOfLinesPerPageWithHeadersOnEveryPage) {
  struct Case {
    int lines;
    std::size_t pages;
    std::size_t last_page_lines;
  };
  const Case cases[] = {{0, 1, 0}, {1, 1, 1}, {48, 1, 48}, {49, 2, 1}, {144, 3, 48}, {2500, 53, 4}};
  for (const auto& c : cases) {
    const auto doc = exchange::layout_report("Morlin", numbered_lines(c.lines), kPrintedAt, 12);
    ASSERT_EQ(doc.pages.size(), c.pages) << c.lines;
    EXPECT_EQ(doc.pages.back().lines.size(), c.last_page_lines) << c.lines;
    for (std::size_t i = 0; i < doc.pages.size(); ++i) EXPECT_EQ(doc.pages[i].number, static_cast<int>(i) + 1);
    EXPECT_EQ(doc.title, "Morlin");
    EXPECT_EQ(doc.printed_at, "列印時間 2024/05/01 14:03:09");
    EXPECT_FALSE(doc.footer.empty());
  }
  const auto doc = exchange::layout_report("t", numbered_lines(100), kPrintedAt, 12);
  EXPECT_EQ(doc.pages[1].lines.front(), "line 49");
  EXPECT_EQ(doc.pages[2].lines.back(), "line 100");
  EXPECT_EQ(exchange::page_number_text(3), "頁次 3");
}

TEST(layout_report, WrappedPiecesTakeLinesOfTheirOwn) {
  const std::string long_line(200, 'x');  // 200 half-width characters at 12 pt need three lines
  std::vector<std::string> lines(47, "a");
  lines.push_back(long_line);
  const auto doc = exchange::layout_report("t", lines, kPrintedAt, 12);
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(doc.pages[1].lines.size(), 2u);
}

TEST(wrap_line, BreaksAtBlanksElseAtACharacter) {
  // An em of 2 mm: one mm per narrow character, two per wide one.
  const exchange::MeasureText one_mm = exchange::estimated_measure(72 / 25.4 * 2);
  struct Case {
    std::string line;
    double width;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"", 5, {""}},
      {"abc", 5, {"abc"}},
      {"abc    ", 5, {"abc    "}},          // trailing blanks never force a break
      {"ab cd ef", 5, {"ab cd", "ef"}},
      {"abcdefgh", 5, {"abcde", "fgh"}},
      {"ab  cdefgh", 5, {"ab", "cdefg", "h"}},
      {"開獎資料共", 5, {"開獎", "資料", "共"}},  // wide characters take an em each
      {"x", 0.5, {"x"}},                     // a character wider than the line still goes
  };
  for (const auto& c : cases) EXPECT_EQ(exchange::wrap_line(c.line, c.width, one_mm), c.pieces) << c.line;
}

}  // namespace
