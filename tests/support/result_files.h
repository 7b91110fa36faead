// The operator's yearly result files made from draw lines, for the import's tests and
// benchmark: every field but the sales figures is a fact of the draw line (期別 = ROC
// year + "000" + sequence, the balls ascending as the operator's files carry them).
// ZIP archives are made in memory with libzip.
#pragma once

#include <zip.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/codepage.h"
#include "core/text_file.h"

namespace test_support {

inline constexpr const char* kResultHeader =
    "遊戲名稱,期別,開獎日期,銷售總額,銷售注數,總獎金,獎號1,獎號2,獎號3,獎號4,獎號5,";

// "2014/01/01,103001,26,05,34,13,24" -> "2014/01/01,103001,05,13,24,26,34"
inline std::string with_sorted_balls(std::string_view line) {
  std::array<std::string, 5> balls;
  for (std::size_t k = 0; k < 5; ++k) balls[k] = std::string(line.substr(18 + 3 * k, 2));
  std::sort(balls.begin(), balls.end());
  std::string sorted(line.substr(0, 17));
  for (const auto& ball : balls) sorted += "," + ball;
  return sorted;
}

// "今彩539,103000001,2014/01/01,47817100,956342,20518500,05,13,24,26,34,,,,,,,"
inline std::string result_row(std::string_view draw_line) {
  const std::string issue(draw_line.substr(11, 6));
  const int sequence = std::stoi(issue.substr(3));
  char sales[64];
  std::snprintf(sales, sizeof sales, "%d,%d,%d", 30000000 + sequence * 7919 % 20000000, 600000 + sequence * 37,
                18000000 + sequence * 113);
  return "今彩539," + issue.substr(0, 3) + "000" + issue.substr(3) + "," + std::string(draw_line.substr(0, 10)) + "," +
         sales + with_sorted_balls(draw_line).substr(17) + ",,,,,,,";
}

struct ResultFile {
  std::string name;  // "2014.csv"
  std::string text;  // UTF-8
};

// One file per calendar year of the draw lines (oldest first), rows in line order.
inline std::vector<ResultFile> yearly_result_files(const std::vector<std::string>& draw_lines,
                                                   std::string_view line_end = "\n") {
  std::vector<ResultFile> files;
  for (const std::string& line : draw_lines) {
    const std::string name = line.substr(0, 4) + ".csv";
    if (files.empty() || files.back().name != name) files.push_back({name, std::string(kResultHeader) + std::string(line_end)});
    files.back().text += result_row(line) + std::string(line_end);
  }
  return files;
}

// A ZIP archive of the files (deflated), built in memory. Names are stored as given, the
// UTF-8 flag set when `utf8_names`; a name ending in "/" is a folder.
inline std::string zip_of(const std::vector<ResultFile>& files, bool utf8_names = true) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  if (!archive) throw std::runtime_error("zip_open_from_source");
  zip_source_keep(buffer);  // read back after zip_close
  const zip_flags_t encoding = utf8_names ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_CP437;  // CP437: raw bytes, bit 11 clear
  for (const ResultFile& file : files) {
    if (file.name.ends_with("/")) {
      if (zip_dir_add(archive, file.name.c_str(), encoding) < 0) throw std::runtime_error("zip_dir_add " + file.name);
      continue;
    }
    zip_source_t* entry = zip_source_buffer(archive, file.text.data(), file.text.size(), 0);
    if (!entry || zip_file_add(archive, file.name.c_str(), entry, encoding) < 0)
      throw std::runtime_error("zip_file_add " + file.name);
  }
  if (zip_close(archive) < 0) throw std::runtime_error("zip_close");
  zip_stat_t stat;
  std::string bytes;
  if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
    bytes.resize(stat.size);
    bytes.resize(static_cast<std::size_t>(std::max<zip_int64_t>(0, zip_source_read(buffer, bytes.data(), stat.size))));
    zip_source_close(buffer);
  }
  zip_source_free(buffer);
  zip_error_fini(&error);
  return bytes;
}

// The operator's yearly archives as they come from its download page: one member per game
// of the year. Older years (2007 style) put Big5 member names (the UTF-8 flag, bit 11, clear)
// in a folder named by the ROC year, pad the balls ("05") and end rows with empty columns;
// newer years (2026 style) have UTF-8 names at the top, unpadded balls ("5") and no
// trailing columns. Both are UTF-8 with a byte-order mark and CR LF. The game's rows carry
// the balls in the order of the draw lines they are made from (the reader keeps a row's
// order, whichever it is, so an import into no file gives those lines back byte for
// byte); the other games' members
// are made from the same draws (3星彩 and 4星彩 with 3 or 4 balls, 大樂透加開獎項 with the
// 活動名稱 header), so only a reader that picks the members by their rows gets them right.
enum class ArchiveStyle { Year2007, Year2026 };

// "96000001" for issue "096001", "115000204" for "115204".
inline std::string operator_period(std::string_view issue) {
  return std::to_string(std::stoi(std::string(issue.substr(0, 3)))) + "000" + std::string(issue.substr(3));
}

inline std::string operator_member(std::string_view game, std::string_view first_column, int balls,
                                   const std::vector<std::string>& draw_lines, ArchiveStyle style) {
  const bool old = style == ArchiveStyle::Year2007;
  const std::string trailing = old ? ",,,,,," : "";
  std::string text = "\xEF\xBB\xBF" + std::string(first_column) + ",期別,開獎日期,銷售總額,銷售注數,總獎金";
  for (int k = 1; k <= balls; ++k) text += ",獎號" + std::to_string(k);
  text += trailing + "\r\n";
  for (const std::string& line : draw_lines) {
    text += std::string(game) + "," + operator_period(line.substr(11, 6)) + "," + line.substr(0, 10) + ",31234500,624690,19876000";
    for (int k = 0; k < balls; ++k) {
      const std::string ball = line.substr(18 + 3 * static_cast<std::size_t>(k), 2);
      text += "," + (old || ball[0] != '0' ? ball : ball.substr(1));
    }
    text += trailing + "\r\n";
  }
  return text;
}

// One year's archive ("2007.zip" holds "96/今彩539_2007.csv" beside the other games).
inline std::string operator_archive(const std::vector<std::string>& draw_lines, ArchiveStyle style);

// The bundled history's years as the operator offers them: one archive per year, in the
// 2007 style before ROC year 100 (8-digit periods), in the 2026 style from then on.
inline std::vector<ResultFile> operator_archives(const std::vector<std::string>& draw_lines) {
  std::vector<ResultFile> archives;
  std::vector<std::string> year;
  auto flush = [&] {
    if (year.empty()) return;
    const bool old = std::stoi(year.front().substr(11, 3)) < 100;
    archives.push_back({year.front().substr(0, 4) + ".zip",
                        operator_archive(year, old ? ArchiveStyle::Year2007 : ArchiveStyle::Year2026)});
    year.clear();
  };
  for (const std::string& line : draw_lines) {
    if (!year.empty() && year.front().substr(0, 4) != line.substr(0, 4)) flush();
    year.push_back(line);
  }
  flush();
  return archives;
}

// The lines of the bundled draw history, as stored (balls in drawn order).
inline std::vector<std::string> bundled_draw_lines() {
  return core::split_lines(core::read_bytes(std::string(VANTOR_DATA_DIR) + "/TW539.txt").value());
}

inline std::string operator_archive(const std::vector<std::string>& draw_lines, ArchiveStyle style) {
  const std::string year = draw_lines.front().substr(0, 4);
  const bool old = style == ArchiveStyle::Year2007;
  const std::string folder = old ? std::to_string(std::stoi(year) - 1911) + "/" : "";
  auto name = [&](const std::string& game) {
    const std::string utf8 = folder + game + "_" + year + ".csv";
    return old ? core::utf8_to_big5(utf8).value() : utf8;
  };
  std::vector<ResultFile> members;
  if (old) members.push_back({folder, ""});
  members.push_back({name("3星彩"), operator_member("3星彩", "遊戲名稱", 3, draw_lines, style)});
  members.push_back({name("4星彩"), operator_member("4星彩", "遊戲名稱", 4, draw_lines, style)});
  members.push_back({name("今彩539"), operator_member("今彩539", "遊戲名稱", 5, draw_lines, style)});
  members.push_back({name("大樂透加開獎項"), operator_member("大樂透加開獎項", "活動名稱", 5, draw_lines, style)});
  return zip_of(members, !old);
}

}  // namespace test_support
