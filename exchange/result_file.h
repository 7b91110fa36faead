// The lottery operator's result files: every year's draws as a CSV file with a header
// row that names its columns, one row per draw, e.g. (rows of 2014):
//
//   遊戲名稱,期別,開獎日期,銷售總額,銷售注數,總獎金,獎號1,獎號2,獎號3,獎號4,獎號5,
//   今彩539,103000001,2014/01/01,47817100,956342,20518500,05,13,24,26,34,,,,,,,
//
// 期別 is the ROC year (2 digits before 2011, 3 since), "000" and the draw's sequence in
// that year (3 digits): 96000001 is the draw file's issue "096001", 103000001 is "103001".
// Balls come as "05" or "5"; a new draw line takes them in the file's order. Columns are
// found by their header names; extra columns, trailing empty fields and rows of other
// games are ignored. The files come as UTF-8 (with or without a byte-order mark) or Big5,
// with LF or CR LF, alone or in the operator's yearly ZIP archives, which hold one file
// per game (3星彩, 大樂透, 大樂透加開獎項 ..., in a folder such as "96/" in older years).
//
// A damaged row of the game refuses the whole import: the draw file is worth more than a
// partly read year.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace exchange {

inline constexpr const char* kResultGame = "今彩539";

struct ResultDraw {
  std::string date;   // "yyyy/mm/dd"
  std::string issue;  // "103001"
  std::array<int, 5> balls{};  // in the file's order
  std::string source;  // the file, "年度.zip:2014/2014.csv" inside an archive
  int line = 0;        // 1-based line in that file

  // "2014/01/01,103001,05,13,24,26,34"
  [[nodiscard]] std::string draw_line() const;
  // "2014/01/01 05,13,24,26,34"
  [[nodiscard]] std::string date_and_balls() const;
  // The balls in ascending order: two rows of one draw agree whatever their order.
  [[nodiscard]] std::array<int, 5> sorted_balls() const;
};

// The draws of the game in one result file's bytes, in file order. Refuses (warning)
// a file that holds no row of the game ("「F」沒有今彩539的開獎資料"; "不是開獎結果檔" when
// its header is none of the operator's), and a row of the game with a ball outside 01..39
// or twice, an impossible date, a period that is not 8 or 9 digits or whose year is not
// its date's, naming `source` and the line.
[[nodiscard]] core::Result<std::vector<ResultDraw>> read_result_file(std::string_view bytes, const std::string& source);

// One file the user gave: a ZIP archive (recognised by its signature, whatever its name)
// whose .csv members holding rows of the game are read (the others are ignored; an archive
// with none is refused as above), or a result file itself.
[[nodiscard]] core::Result<std::vector<ResultDraw>> read_import_bytes(std::string_view bytes, const std::string& source);

// Every draw once, ordered by issue. The same draw in several rows or files is kept once;
// two rows of one issue that disagree, and two issues of one date, refuse the import,
// naming the later row.
[[nodiscard]] core::Result<std::vector<ResultDraw>> unique_draws(std::vector<ResultDraw> draws);

// Told before each file is read: (files read so far, files in all).
using ImportProgress = std::function<void(std::size_t done, std::size_t total)>;

// Reads the files at `paths` (named in messages by their file names), then unique_draws.
[[nodiscard]] core::Result<std::vector<ResultDraw>> read_import_files(const std::vector<std::string>& paths,
                                                                      const ImportProgress& progress = {});

}  // namespace exchange
