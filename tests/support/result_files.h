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

// A ZIP archive of the files (deflated), built in memory.
inline std::string zip_of(const std::vector<ResultFile>& files) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  if (!archive) throw std::runtime_error("zip_open_from_source");
  zip_source_keep(buffer);  // read back after zip_close
  for (const ResultFile& file : files) {
    zip_source_t* entry = zip_source_buffer(archive, file.text.data(), file.text.size(), 0);
    if (!entry || zip_file_add(archive, file.name.c_str(), entry, ZIP_FL_ENC_UTF_8) < 0)
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

// The lines of the bundled draw history, as stored (balls in drawn order).
inline std::vector<std::string> bundled_draw_lines() {
  return core::split_lines(core::read_bytes(std::string(VANTOR_DATA_DIR) + "/TW539.txt").value());
}

}  // namespace test_support
