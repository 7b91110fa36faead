#include "core/history_check.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>

#include "core/ball_text.h"
#include "core/codepage.h"
#include "core/dates.h"
#include "core/draw_line.h"
#include "core/loader.h"
#include "core/numbers.h"
#include "core/text_file.h"

namespace core {
namespace {


bool is_blank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view without_blanks(std::string_view line) {
  while (!line.empty() && is_blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && is_blank(line.back())) line.remove_suffix(1);
  return line;
}

bool has_layout(std::string_view line) {
  if (line.size() < draw_line::kLength) return false;
  for (const std::size_t comma : {10u, 17u, 20u, 23u, 26u, 29u})
    if (line[comma] != ',') return false;
  const std::string_view issue = draw_line::issue(line);
  if (!std::all_of(issue.begin(), issue.end(), is_digit)) return false;
  for (int k = 0; k < kBallsPerDraw; ++k)
    if (!two_digit_value(draw_line::ball(line, k))) return false;
  return std::all_of(line.begin() + draw_line::kLength, line.end(), is_blank);
}

// A line quoted in a message: readable whatever bytes it holds, and not too long.
std::string quoted(std::string_view line) {
  constexpr std::size_t kShown = 40;
  std::string text = display_text(line.substr(0, kShown));
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 32) c = '?';
  return "「" + text + (line.size() > kShown ? "…" : "") + "」";
}

std::string at_line(int line) { return "第 " + std::to_string(line) + " 行"; }

// A line the user typed (UTF-8) quoted in a message, cut on a character boundary.
std::string quoted_typing(std::string_view line) {
  constexpr std::size_t kShown = 40;
  std::size_t cut = std::min(line.size(), kShown);
  while (cut > 0 && cut < line.size() && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
  std::string text(line.substr(0, cut));
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 32) c = '?';
  return "「" + text + (cut < line.size() ? "…" : "") + "」";
}

struct Finding {
  int line;
  std::string text;
  bool before_line = false;  // about what is missing before the line, so told first
};

struct Present {
  int sequence;
  int line;
};

// The sentence for a line that is no draw line.
std::string not_a_draw_line(int number, std::string_view line) {
  if (number == 1 && line.starts_with(kUtf8Bom)) return at_line(number) + "：開頭有 UTF-8 的 BOM 記號,不是開獎資料格式";
  if (without_blanks(line).empty()) return at_line(number) + "是空白行";
  return at_line(number) + "：" + judge_draw_line(line).reason + " " + quoted(line);
}

// Issues missing within each ROC year of the issues: between two issues of the file, and
// before a year's first issue when that is not 001 (the file's first year may start
// anywhere: the history simply begins there).
void add_missing_issues(const std::map<std::string, std::vector<Present>>& years, std::vector<Finding>& findings) {
  bool first_year = true;
  for (const auto& entry : years) {
    const std::string& year = entry.first;  // a plain name: clang's lambdas cannot capture bindings
    std::vector<Present> sorted = entry.second;
    std::sort(sorted.begin(), sorted.end(), [](const Present& a, const Present& b) { return a.sequence < b.sequence; });
    if (!first_year) sorted.insert(sorted.begin(), Present{0, 0});
    first_year = false;
    for (std::size_t i = 1; i < sorted.size(); ++i) {
      const int first = sorted[i - 1].sequence + 1, last = sorted[i].sequence - 1;
      if (first > last) continue;
      auto issue = [&](int sequence) { return year + zero_pad(sequence, 3); };
      std::string text = at_line(sorted[i].line) + "之前缺少期數 " + issue(first);
      if (last > first) text += " 至 " + issue(last) + ",共 " + std::to_string(last - first + 1) + " 期";
      findings.push_back({sorted[i].line, std::move(text), true});
    }
  }
}

// A draw line with a real date, as the checks across lines need it.
struct SeenDraw {
  int line;
  std::string_view date, issue;
  int day;  // day number of the date
};

// The days after `last` up to the end of its year that fall on a weekday of `weekdays`.
int draw_days_left_in_year(const Date& last, const std::array<bool, 7>& weekdays) {
  int count = 0;
  for (int day = day_number(last) + 1; day <= day_number(Date{last.year, 12, 31}); ++day)
    count += weekdays[static_cast<std::size_t>(day % 7)] ? 1 : 0;
  return count;
}

// Across the years of the dates: a whole year missing between two years of the file, and
// a year (not the last) whose draws stop before its last draw days. Draw days are the
// weekdays on which the year or the next one has draws (the schedule has changed over time).
void add_missing_years(const std::vector<SeenDraw>& draws, std::vector<Finding>& findings) {
  std::map<int, std::vector<const SeenDraw*>> by_year;
  for (const SeenDraw& draw : draws) by_year[digits_value(draw.date.substr(0, 4))].push_back(&draw);
  auto earliest = [](const std::vector<const SeenDraw*>& year) {
    return *std::min_element(year.begin(), year.end(), [](auto* a, auto* b) { return a->day < b->day; });
  };
  for (auto it = by_year.begin(); it != by_year.end() && std::next(it) != by_year.end(); ++it) {
    const auto next = std::next(it);
    const SeenDraw* first_of_next = earliest(next->second);
    if (next->first > it->first + 1) {
      const std::string missing = next->first == it->first + 2 ? std::to_string(it->first + 1)
                                                                 : std::to_string(it->first + 1) + " 至 " + std::to_string(next->first - 1);
      findings.push_back({first_of_next->line, at_line(first_of_next->line) + "之前缺少 " + missing + " 年整年的開獎資料", true});
      continue;
    }
    std::array<bool, 7> weekdays{};
    for (const auto* year : {&it->second, &next->second})
      for (const SeenDraw* draw : *year) weekdays[static_cast<std::size_t>(draw->day % 7)] = true;
    const SeenDraw* last = *std::max_element(it->second.begin(), it->second.end(), [](auto* a, auto* b) { return a->day < b->day; });
    const int left = draw_days_left_in_year(date_from_day_number(last->day), weekdays);
    if (left > 0)
      findings.push_back({first_of_next->line,
                          at_line(first_of_next->line) + "之前缺少 " + std::to_string(it->first) + " 年底的開獎資料:該年最後一期 " +
                              std::string(last->issue) + " 開於 " + std::string(last->date) + ",之後到年底還有 " +
                              std::to_string(left) + " 個開獎日",
                          true});
  }
}

// Lines dated after today that stand before a line the loader takes: the loader skips
// them, so a mistyped year hides a draw in the middle of the history.
void add_future_lines(const std::vector<SeenDraw>& draws, std::string_view today, std::vector<Finding>& findings) {
  if (today.empty()) return;
  std::size_t last_past = draws.size();
  for (std::size_t i = draws.size(); i-- > 0;)
    if (draws[i].date.compare(today) <= 0) {
      last_past = i;
      break;
    }
  for (std::size_t i = 0; i < last_past && last_past < draws.size(); ++i)
    if (draws[i].date.compare(today) > 0)
      findings.push_back({draws[i].line, at_line(draws[i].line) + "：開獎日期 " + std::string(draws[i].date) +
                                              " 在今天之後,程式不會載入這一行"});
}

}  // namespace

DrawLineVerdict judge_draw_line(std::string_view line) {
  if (!has_layout(line))
    return {DrawLineFault::Layout, "不是開獎資料格式 (yyyy/mm/dd,xxxxxx,00,00,00,00,00)"};
  if (!parse_date(draw_line::date(line)))
    return {DrawLineFault::Date, "日期「" + std::string(draw_line::date(line)) + "」不是有效的日期"};
  bool seen[100] = {};
  for (int k = 0; k < kBallsPerDraw; ++k) {
    const std::string_view ball = draw_line::ball(line, k);
    if (!ball_value(ball)) return {DrawLineFault::Ball, "號碼「" + std::string(ball) + "」不在 01 到 39 之間"};
    const int value = *two_digit_value(ball);
    if (seen[value]) return {DrawLineFault::Ball, "號碼 " + std::string(ball) + " 出現兩次"};
    seen[value] = true;
  }
  return {};
}

std::optional<LineProblem> first_impossible_draw(std::string_view bytes) {
  int number = 0;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    ++number;
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(start, end - start);
    if (without_blanks(line).size() != draw_line::kLength) return std::nullopt;  // where the loader stops
    if (DrawLineVerdict verdict = judge_draw_line(line); verdict.fault != DrawLineFault::None)
      return LineProblem{number, at_line(number) + "：" + verdict.reason + " " + quoted(line)};
    if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return std::nullopt;
}

Result<std::vector<std::string>> lines_to_save(const std::vector<std::string>& typed) {
  std::vector<std::string> kept;
  kept.reserve(typed.size());
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const std::size_t length = without_blanks(typed[i]).size();
    if (length == 0) continue;
    if (length != draw_line::kLength)
      return Error::warning(at_line(static_cast<int>(i) + 1) + quoted_typing(typed[i]) +
                            "不是開獎資料 (yyyy/mm/dd,xxxxxx,00,00,00,00,00,全長32個字元),程式讀到這一行就會停止.\n"
                            "請修正或刪除這一行後再儲存,檔案未變更");
    kept.push_back(typed[i]);
  }
  return kept;
}

std::optional<LineProblem> first_line_after_the_draws(std::string_view bytes) {
  const std::vector<std::string> lines = split_lines(bytes);
  std::size_t i = 0;
  while (i < lines.size() && without_blanks(lines[i]).size() == draw_line::kLength) ++i;
  for (; i < lines.size(); ++i) {
    if (without_blanks(lines[i]).empty()) continue;
    const int number = static_cast<int>(i) + 1;
    return LineProblem{number, at_line(number) + quoted(lines[i])};
  }
  return std::nullopt;
}

std::vector<std::string> check_history(std::string_view bytes, std::string_view today) {
  const std::vector<std::string> lines = split_lines(bytes);
  std::size_t last_filled = 0;  // lines after it are blank: the end of the file, no problem
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!without_blanks(lines[i]).empty()) last_filled = i + 1;

  std::vector<Finding> findings;
  bool load_end_told = false;
  std::unordered_map<std::string_view, int> issue_line, date_line;
  std::map<std::string, std::vector<Present>> years;
  std::vector<SeenDraw> seen;
  std::string_view previous_date;
  int previous_line = 0;
  for (std::size_t i = 0; i < last_filled; ++i) {
    const std::string_view line = lines[i];
    const int number = static_cast<int>(i) + 1;
    if (without_blanks(line).size() != draw_line::kLength) {
      std::string text = not_a_draw_line(number, line);
      if (!load_end_told) {
        load_end_told = true;
        const auto following = std::count_if(lines.begin() + number, lines.end(),
                                              [](const std::string& l) { return !without_blanks(l).empty(); });
        if (following > 0) text += ",程式讀到此行即停止,其後 " + std::to_string(following) + " 行不會載入";
      }
      findings.push_back({number, std::move(text)});
      continue;
    }
    const DrawLineVerdict verdict = judge_draw_line(line);
    if (verdict.fault != DrawLineFault::None)
      findings.push_back({number, at_line(number) + "：" + verdict.reason + " " + quoted(line)});
    if (verdict.fault == DrawLineFault::Layout || verdict.fault == DrawLineFault::Date) continue;

    const std::string_view date = draw_line::date(line), issue = draw_line::issue(line);
    const Date day = *parse_date(date);
    seen.push_back({number, date, issue, day_number(day)});
    if (const auto [first, fresh] = issue_line.try_emplace(issue, number); !fresh) {
      findings.push_back({number, at_line(number) + "：期數 " + std::string(issue) + " 與第 " +
                                      std::to_string(first->second) + " 行重複"});
    } else {
      years[std::string(issue.substr(0, 3))].push_back({digits_value(issue.substr(3)), number});
      if (const auto [same, new_date] = date_line.try_emplace(date, number); !new_date)
        findings.push_back({number, at_line(number) + "：開獎日期 " + std::string(date) + " 與第 " +
                                        std::to_string(same->second) + " 行相同,一天只開一期"});
    }
    if (digits_value(issue.substr(0, 3)) != day.year - 1911)
      findings.push_back({number, at_line(number) + "：期數 " + std::string(issue) + " 的年度 (民國 " +
                                      std::to_string(digits_value(issue.substr(0, 3))) + " 年) 與開獎日期 " +
                                      std::string(date) + " 不符"});
    if (!previous_date.empty() && date < previous_date)
      findings.push_back({number, at_line(number) + "：日期 " + std::string(date) + " 早於前一筆(第 " +
                                      std::to_string(previous_line) + " 行)的 " + std::string(previous_date)});
    previous_date = date;
    previous_line = number;
  }
  add_missing_issues(years, findings);
  add_future_lines(seen, today, findings);
  // The years are those of the draws the loader takes: a mistyped future year is told as
  // such, not as the years between.
  if (!today.empty()) std::erase_if(seen, [&](const SeenDraw& draw) { return draw.date.compare(today) > 0; });
  add_missing_years(seen, findings);
  std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
    return a.line != b.line ? a.line < b.line : a.before_line > b.before_line;
  });
  std::vector<std::string> texts;
  texts.reserve(findings.size());
  for (auto& finding : findings) texts.push_back(std::move(finding.text));
  return texts;
}

}  // namespace core
