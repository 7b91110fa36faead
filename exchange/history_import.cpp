#include "exchange/history_import.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "core/ball_text.h"
#include "core/codepage.h"
#include "core/draw_line.h"
#include "core/history_check.h"
#include "core/loader.h"
#include "core/text_file.h"

namespace exchange {
namespace {

bool blank_line(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

// The draw file's lines that are draws, as read; a refusal for a line that is neither a
// draw nor blank.
core::Result<std::vector<std::string>> file_draw_lines(std::string_view draw_file) {
  if (draw_file.starts_with(core::kUtf8Bom)) draw_file.remove_prefix(core::kUtf8Bom.size());
  std::vector<std::string> lines = core::split_lines(draw_file);
  std::vector<std::string> draws;
  draws.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (blank_line(lines[i])) continue;
    const core::DrawLineFault fault = core::judge_draw_line(lines[i]).fault;
    if (fault == core::DrawLineFault::Layout || fault == core::DrawLineFault::Date)
      return core::Error::warning("開獎資料檔第 " + std::to_string(i + 1) + " 行「" + core::display_text(lines[i].substr(0, 40)) +
                                  "」不是開獎資料,請先修正或刪除這一行(「檢查開獎資料」會列出所有問題),未匯入任何資料");
    draws.push_back(std::move(lines[i]));
  }
  return draws;
}

std::array<int, 5> sorted_balls(std::string_view line) {
  std::array<int, 5> balls{};
  for (int k = 0; k < 5; ++k) balls[static_cast<std::size_t>(k)] = core::two_digit_value(core::draw_line::ball(line, k)).value_or(0);
  std::sort(balls.begin(), balls.end());
  return balls;
}

std::string line_date_and_balls(std::string_view line) {
  return std::string(core::draw_line::date(line)) + " " + std::string(core::draw_line::balls(line).substr(0, 14));
}

// Date, then issue: the first 17 bytes of a draw line ("yyyy/mm/dd,IIIIII").
bool earlier(const std::string& a, const std::string& b) {
  return std::string_view(a).substr(0, 17) < std::string_view(b).substr(0, 17);
}

}  // namespace

core::Result<ImportPlan> plan_import(std::string_view draw_file, std::span<const ResultDraw> draws,
                                     std::string_view today) {
  auto lines = file_draw_lines(draw_file);
  if (!lines) return lines.error();
  std::unordered_map<std::string, std::size_t> by_issue, by_date;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    by_issue.try_emplace(std::string(core::draw_line::issue((*lines)[i])), i);
    by_date.try_emplace(std::string(core::draw_line::date((*lines)[i])), i);
  }

  ImportPlan plan;
  const std::size_t held = lines->size();
  for (const ResultDraw& draw : draws) {
    if (const auto found = by_issue.find(draw.issue); found != by_issue.end()) {
      const std::string_view line = (*lines)[found->second];
      if (core::draw_line::date(line) == draw.date && sorted_balls(line) == draw.sorted_balls())
        ++plan.already;
      else
        plan.conflicts.push_back({draw.issue, line_date_and_balls(line), draw.date_and_balls()});
    } else if (const auto same_day = by_date.find(draw.date); same_day != by_date.end()) {
      // The game draws once a day: under another issue this is the same draw mistyped in
      // the file, or a wrong row; adding it would hold one draw twice.
      const std::string_view line = (*lines)[same_day->second];
      plan.conflicts.push_back({draw.issue,
                                line_date_and_balls(line) + " (期數 " + core::display_text(core::draw_line::issue(line)) + ")",
                                draw.date_and_balls()});
    } else if (draw.date > today) {
      ++plan.future;
    } else {
      lines->push_back(draw.draw_line());
      // Rows of one issue or one date were merged or refused already (unique_draws).
      by_issue.emplace(draw.issue, lines->size() - 1);
      by_date.emplace(draw.date, lines->size() - 1);
    }
  }
  plan.added.assign(lines->begin() + static_cast<std::ptrdiff_t>(held), lines->end());
  std::stable_sort(plan.added.begin(), plan.added.end(), earlier);
  std::stable_sort(lines->begin(), lines->end(), earlier);
  plan.bytes.reserve(lines->size() * (core::draw_line::kLength + 2));
  for (const std::string& line : *lines) {
    plan.bytes += line;
    plan.bytes += "\r\n";
  }
  return plan;
}

core::Result<ImportPlan> plan_import_files(const std::string& draw_path, const std::vector<std::string>& paths,
                                          std::string_view today, const ImportProgress& progress) {
  const auto draws = read_import_files(paths, progress);
  if (!draws) return draws.error();
  std::string current;
  if (core::file_exists(draw_path)) {
    auto bytes = core::read_bytes(draw_path);
    if (!bytes) return bytes.error();
    current = std::move(*bytes);
  }
  return plan_import(current, *draws, today);
}

std::vector<std::string> import_summary(const ImportPlan& plan, std::size_t conflicts_shown) {
  std::string head = "新增 " + std::to_string(plan.added.size()) + " 期";
  if (plan.has_additions())
    head += " (" + std::string(core::draw_line::date(plan.added.front())) + " – " +
            std::string(core::draw_line::date(plan.added.back())) + ")";
  head += ", 已有 " + std::to_string(plan.already) + " 期, 不一致 " + std::to_string(plan.conflicts.size()) + " 期";
  std::vector<std::string> lines{head};
  if (plan.future > 0) lines.push_back("開獎日期在今天之後的 " + std::to_string(plan.future) + " 期未加入");
  for (std::size_t i = 0; i < plan.conflicts.size() && i < conflicts_shown; ++i) {
    const ImportConflict& c = plan.conflicts[i];
    lines.push_back("不一致 期數 " + c.issue + ": 開獎資料檔 " + c.in_file + ", 開獎結果檔 " + c.imported);
  }
  if (plan.conflicts.size() > conflicts_shown)
    lines.push_back("…另有 " + std::to_string(plan.conflicts.size() - conflicts_shown) + " 期不一致");
  return lines;
}

}  // namespace exchange
