// The four period queries of the "號碼來源" sheet. Each picks draws from the table and
// returns everything the window writes back: the period lines for Memo1, Memo2 and
// Memo3, the count text for Edit1, period_title, source_mode, the date DateTimePicker1
// moves to and pick_draws. The window then runs the statistics on the new lines.
//
//   SourceMode::DateRange   query_date_range  (Button1Click; get_sumno is its core)
//   SourceMode::MostRecent  query_recent      (Button16Click)
//   SourceMode::EveryMth    query_every       (Button17Click)
//   SourceMode::NumberTrace query_trace       (Button18Click; trace_setup fills its boxes)
//
// Number boxes are read with the read_* helpers below: they turn the combo texts into
// integers or into the message the window shows, and keep the texts for the titles.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/draw_history.h"
#include "core/result.h"
#include "pillars/source_mode.h"

namespace pillars {

struct PeriodResult {
  SourceMode source_mode = SourceMode::DateRange;
  std::string period_title;
  std::vector<std::string> lines;  // Memo1 = Memo2 = Memo3
  std::string count_text;          // Edit1: two blanks + the line count
  std::optional<int> first_day;    // new DateTimePicker1 (day number); nullopt: unchanged
  std::vector<int> pick_draws;     // 1-based draw numbers (modes 3 and 4)
};

// get_sumno: the period lines of every draw dated start_day .. end_day (day numbers,
// days since 1899-12-30), oldest first. A start after the end gives no line.
[[nodiscard]] std::vector<std::string> get_sumno(const core::DrawHistory& history, int start_day,
                                                 int end_day);

// Button1Click. Title: 驗證期間：2009/01/01 至 2009/03/31 共   57 期
[[nodiscard]] PeriodResult query_date_range(const core::DrawHistory& history, int start_day,
                                            int end_day);

// A number box read as an integer, with the text it held (titles quote the text).
struct BoxNumber {
  int value = 0;
  std::string text;
};
// Any integer (cbis, cbis_2, cb_prediction); refuses non-numeric text.
[[nodiscard]] core::Result<BoxNumber> read_count_box(std::string_view text);
// cb_intv: an integer of at least 1.
[[nodiscard]] core::Result<BoxNumber> read_interval_box(std::string_view text);
// cb_ii: an integer 1 .. 5.
[[nodiscard]] core::Result<BoxNumber> read_position_box(std::string_view text);

// Button16Click: the most recent N draws (cbis). Title: 最近 50 期驗證
[[nodiscard]] PeriodResult query_recent(const core::DrawHistory& history, const BoxNumber& recent_count);

// Button17Click: every M-th draw (cb_intv) counted back from the latest, the most recent
// N (cbis_2) of them. Title: 每 3 期一次，取最近 4 期驗證
[[nodiscard]] PeriodResult query_every(const core::DrawHistory& history, const BoxNumber& interval,
                                       const BoxNumber& recent_count);

// The date list of cb_date: the dates of the `count` most recent draws, newest first.
// Empty for an empty table (the window then skips the trace setup).
[[nodiscard]] std::vector<std::string> recent_draw_dates(const core::DrawHistory& history,
                                                         int count = 20);

// The traced number (CB_xx's single item and text) and the distance
// (cb_prediction) for the draw dated date_text (cb_date; the latest such draw) and the
// position (cb_ii).
// Refuses a date that names no draw and a position outside 1 .. 5; the window then
// keeps the previous boxes.
struct TraceSetup {
  std::string number;      // CB_xx, e.g. "05"
  std::string prediction;  // cb_prediction, e.g. "1"
};
[[nodiscard]] core::Result<TraceSetup> trace_setup(const core::DrawHistory& history,
                                                std::string_view date_text,
                                                std::string_view position_text);

struct TraceInputs {
  BoxNumber position;         // cb_ii
  std::string number;         // CB_xx, compared as text with the balls
  BoxNumber distance;         // cb_prediction
  bool fixed_position = true; // cb_ff "定點"
};
// Reads the trace boxes; refuses non-numeric texts and a position outside 1 .. 5.
[[nodiscard]] core::Result<TraceInputs> read_trace_inputs(std::string_view position_text,
                                                     std::string_view number_text,
                                                     std::string_view distance_text,
                                                     bool fixed_position);

// The same for the window's boxes, which also refuse a distance below 1: 之下0期 would
// list the traced draws themselves, 之下-1期 the draws before them.
[[nodiscard]] core::Result<TraceInputs> read_trace_boxes(std::string_view position_text, std::string_view number_text,
                                                    std::string_view distance_text, bool fixed_position);

// Button18Click: for each earlier draw showing the number (at the position, or anywhere
// when not fixed), the draw `distance` after it. Title: 當第 2 支開17之下1期統計驗證 (共 63 期)
// or 當17不定點開出 之下1期統計驗證 (共 63 期). first_day stays unchanged.
[[nodiscard]] PeriodResult query_trace(const core::DrawHistory& history, const TraceInputs& in);

}  // namespace pillars
