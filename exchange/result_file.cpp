#include "exchange/result_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <unordered_map>

#include "core/ball_text.h"
#include "core/dates.h"
#include "core/numbers.h"
#include "core/text_file.h"
#include "exchange/text_encoding.h"
#include "exchange/zip_archive.h"
#include "core/utf8_path.h"

namespace exchange {
namespace {

constexpr const char* kNothingImported = ",未匯入任何資料";

std::string_view trim(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// One CSV row. A field in double quotes may hold commas and doubled quotes; fields are
// trimmed of blanks.
std::vector<std::string> csv_fields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') fields.back() += c;
      else if (i + 1 < line.size() && line[i + 1] == '"') fields.back() += line[++i];
      else quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  for (auto& field : fields) field = std::string(trim(field));
  return fields;
}

struct Columns {
  std::size_t game = 0, period = 0, date = 0;
  std::array<std::size_t, 5> balls{};
  std::size_t needed = 0;  // fields a row of the game must have
};

// The columns by their header names ("獎號 1" reads as "獎號1").
std::optional<Columns> find_columns(const std::vector<std::string>& header) {
  auto find = [&](std::string_view name) -> std::optional<std::size_t> {
    for (std::size_t i = 0; i < header.size(); ++i) {
      std::string compact = header[i];
      std::erase(compact, ' ');
      if (compact == name) return i;
    }
    return std::nullopt;
  };
  const auto game = find("遊戲名稱"), period = find("期別"), date = find("開獎日期");
  if (!game || !period || !date) return std::nullopt;
  Columns columns{*game, *period, *date, {}, 0};
  for (int k = 0; k < 5; ++k) {
    const auto ball = find("獎號" + std::to_string(k + 1));
    if (!ball) return std::nullopt;
    columns.balls[static_cast<std::size_t>(k)] = *ball;
  }
  columns.needed = 1 + std::max({columns.game, columns.period, columns.date, *std::max_element(columns.balls.begin(), columns.balls.end())});
  return columns;
}

core::Error damaged(const std::string& source, int line, const std::string& why) {
  return core::Error::warning("「" + source + "」第 " + std::to_string(line) + " 行：" + why + kNothingImported);
}

// "yyyy/mm/dd" or "yyyy/m/d".
std::optional<core::Date> result_date(std::string_view text) {
  const std::size_t first = text.find('/'), second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const std::string_view year = text.substr(0, first), month = text.substr(first + 1, second - first - 1),
                         day = text.substr(second + 1);
  if (year.size() != 4 || month.size() > 2 || day.size() > 2 || !core::all_digits(year) || !core::all_digits(month) ||
      !core::all_digits(day))
    return std::nullopt;
  const core::Date date{core::digits_value(year), core::digits_value(month), core::digits_value(day)};
  if (!core::is_valid_date(date.year, date.month, date.day)) return std::nullopt;
  return date;
}

struct Period {
  int roc_year = 0;
  std::string issue;  // "096001", "103001"
};

// 期別 is the ROC year, "000" and the sequence: "96000001" (2007) or "103000001" (2014).
core::Result<Period> read_period(const std::string& period, const std::string& source, int line) {
  if ((period.size() != 8 && period.size() != 9) || !core::all_digits(period))
    return damaged(source, line, "期別「" + period + "」不是 8 或 9 位數字");
  const std::size_t year_digits = period.size() - 6;
  if (period.substr(year_digits, 3) != "000" || period.substr(year_digits + 3) == "000")
    return damaged(source, line, "期別「" + period + "」不是「民國年 + 000 + 序號」");
  const int roc_year = core::digits_value(period.substr(0, year_digits));
  return Period{roc_year, core::zero_pad(roc_year, 3) + period.substr(year_digits + 3)};
}

core::Result<ResultDraw> read_row(const std::vector<std::string>& fields, const Columns& columns,
                                  const std::string& source, int line) {
  if (fields.size() < columns.needed) return damaged(source, line, "欄位不足");
  const std::string& period_text = fields[columns.period];
  auto period = read_period(period_text, source, line);
  if (!period) return period.error();
  const std::string& date_text = fields[columns.date];
  const auto date = result_date(date_text);
  if (!date) return damaged(source, line, "開獎日期「" + date_text + "」不是有效的日期");
  if (date->year - 1911 != period->roc_year)
    return damaged(source, line, "期別「" + period_text + "」的年度與開獎日期「" + date_text + "」不符");
  ResultDraw draw{core::format_date(*date), std::move(period->issue), {}, source, line};
  for (std::size_t k = 0; k < 5; ++k) {
    const std::string& ball = fields[columns.balls[k]];  // "05" or "5"
    const int value = !ball.empty() && ball.size() <= 2 && core::all_digits(ball) ? core::digits_value(ball) : 0;
    if (value < 1 || value > 39) return damaged(source, line, "獎號「" + ball + "」不在 01 到 39 之間");
    if (std::find(draw.balls.begin(), draw.balls.begin() + k, value) != draw.balls.begin() + k)
      return damaged(source, line, "獎號 " + core::ball_text(value) + " 出現兩次");
    draw.balls[k] = value;
  }
  return draw;
}

bool wanted_in_archive(std::string_view name) {
  const std::size_t slash = name.find_last_of("/\\");
  const std::string_view base = slash == std::string_view::npos ? name : name.substr(slash + 1);
  // The Mac's archiver adds resource files ("__MACOSX/._2014.csv") beside the real ones.
  if (name.starts_with("__MACOSX/") || base.starts_with("._")) return false;
  if (base.size() < 4) return false;
  std::string extension(base.substr(base.size() - 4));
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
  return extension == ".csv";
}

core::Error no_game_refusal(const std::string& source) {
  return core::Error::warning("「" + source + "」沒有" + std::string(kResultGame) + "的開獎資料");
}

// What one result file (or archive member) holds of the game.
struct GameRows {
  bool holds_game = false;     // a row says 遊戲名稱 今彩539
  bool result_layout = false;  // the header is one of the operator's, of whichever game
  std::vector<ResultDraw> draws;
};

bool names_a_result_column(const std::vector<std::string>& header) {
  return std::any_of(header.begin(), header.end(), [](const std::string& name) {
    return name == "遊戲名稱" || name == "活動名稱" || name == "期別" || name == "開獎日期";
  });
}

// The game's rows of the file. A file whose header lacks a column the game needs is the
// game's (and so damaged) only when some field of it names the game: another game's file
// (3星彩 has 獎號1 to 獎號3) or layout (大樂透加開獎項 has 活動名稱) holds none of its rows.
core::Result<GameRows> read_game_rows(std::string_view bytes, const std::string& source) {
  const std::vector<std::string> lines = core::split_lines(text_as_utf8(bytes));
  std::size_t at = 0;
  while (at < lines.size() && trim(lines[at]).empty()) ++at;
  GameRows held;
  if (at == lines.size()) return held;
  const std::vector<std::string> header = csv_fields(lines[at]);
  const auto columns = find_columns(header);
  held.result_layout = columns.has_value() || names_a_result_column(header);
  if (!columns) {
    for (std::size_t i = at + 1; i < lines.size(); ++i) {
      const std::vector<std::string> fields = csv_fields(lines[i]);
      if (std::find(fields.begin(), fields.end(), kResultGame) != fields.end())
        return core::Error::warning("「" + source + "」有" + std::string(kResultGame) +
                                    "的資料,但找不到遊戲名稱、期別、開獎日期、獎號1 到獎號5 的欄位" + kNothingImported);
    }
    return held;
  }
  for (std::size_t i = at + 1; i < lines.size(); ++i) {
    const std::vector<std::string> fields = csv_fields(lines[i]);
    if (columns->game >= fields.size() || fields[columns->game] != kResultGame) continue;  // another game
    held.holds_game = true;
    auto draw = read_row(fields, *columns, source, static_cast<int>(i) + 1);
    if (!draw) return draw.error();
    held.draws.push_back(std::move(*draw));
  }
  return held;
}

}  // namespace

std::string ResultDraw::draw_line() const {
  std::string line = date + "," + issue;
  for (const int ball : balls) {
    line += ',';
    line += core::ball_text(ball);
  }
  return line;
}

std::array<int, 5> ResultDraw::sorted_balls() const {
  std::array<int, 5> sorted = balls;
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

std::string ResultDraw::date_and_balls() const {
  std::string text = date;
  for (std::size_t k = 0; k < balls.size(); ++k) {
    text += k ? ',' : ' ';
    text += core::ball_text(balls[k]);
  }
  return text;
}

core::Result<std::vector<ResultDraw>> read_result_file(std::string_view bytes, const std::string& source) {
  auto held = read_game_rows(bytes, source);
  if (!held) return held.error();
  if (!held->holds_game) {
    if (!held->result_layout)
      return core::Error::warning("「" + source + "」不是開獎結果檔(找不到遊戲名稱、期別、開獎日期、獎號1 到獎號5 的欄位)" +
                                  kNothingImported);
    return no_game_refusal(source);
  }
  return std::move(held->draws);
}

core::Result<std::vector<ResultDraw>> read_import_bytes(std::string_view bytes, const std::string& source) {
  if (!looks_like_zip(bytes)) return read_result_file(bytes, source);
  // An archive of a year holds every game's results; only the game's members count, and
  // a member of another game or layout is no damage. Members are read one at a time.
  std::vector<ResultDraw> draws;
  bool holds_game = false;
  const core::Status read = visit_zip_entries(bytes, source, wanted_in_archive, [&](ZipEntry entry) -> core::Status {
    auto held = read_game_rows(entry.bytes, source + ":" + entry.name);
    if (!held) return held.error();
    if (!held->holds_game) return {};
    holds_game = true;
    draws.insert(draws.end(), std::make_move_iterator(held->draws.begin()), std::make_move_iterator(held->draws.end()));
    return {};
  });
  if (!read) return read.error();
  if (!holds_game) return no_game_refusal(source);
  return draws;
}

core::Result<std::vector<ResultDraw>> unique_draws(std::vector<ResultDraw> draws) {
  std::stable_sort(draws.begin(), draws.end(), [](const ResultDraw& a, const ResultDraw& b) { return a.issue < b.issue; });
  std::vector<ResultDraw> unique;
  unique.reserve(draws.size());
  for (ResultDraw& draw : draws) {
    if (!unique.empty() && unique.back().issue == draw.issue) {
      const ResultDraw& first = unique.back();
      if (first.date != draw.date || first.sorted_balls() != draw.sorted_balls())
        return damaged(draw.source, draw.line, "期數 " + draw.issue + " 與「" + first.source + "」第 " +
                                                   std::to_string(first.line) + " 行不一致 (" + first.date_and_balls() +
                                                   " / " + draw.date_and_balls() + ")");
      continue;
    }
    unique.push_back(std::move(draw));
  }
  // The game draws once a day: two issues of one date are a damaged row, whichever it is.
  std::unordered_map<std::string_view, const ResultDraw*> by_date;
  for (const ResultDraw& draw : unique) {
    const auto [first, fresh] = by_date.try_emplace(draw.date, &draw);
    if (!fresh)
      return damaged(draw.source, draw.line, "期數 " + draw.issue + " 與「" + first->second->source + "」第 " +
                                                 std::to_string(first->second->line) + " 行的期數 " +
                                                 first->second->issue + " 同一天 (" + draw.date + ") 開獎");
  }
  return unique;
}

core::Result<std::vector<ResultDraw>> read_import_files(const std::vector<std::string>& paths,
                                                        const ImportProgress& progress) {
  std::vector<ResultDraw> draws;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const std::string& path = paths[i];
    if (progress) progress(i, paths.size());
    const std::string name = core::utf8_path(path).filename().string();
    std::error_code error;
    if (std::filesystem::file_size(core::utf8_path(path), error) > kMaxInflatedBytes && !error)
      return core::Error::warning("「" + name + "」超過 64 MB,不是開獎結果檔" + std::string(kNothingImported));
    const auto bytes = core::read_bytes(path);
    if (!bytes) return bytes.error();
    auto read = read_import_bytes(*bytes, name);
    if (!read) return read.error();
    draws.insert(draws.end(), std::make_move_iterator(read->begin()), std::make_move_iterator(read->end()));
  }
  return unique_draws(std::move(draws));
}

}  // namespace exchange
