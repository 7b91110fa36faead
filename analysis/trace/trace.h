// One trace as a trace tab computes it: read the boxes, select the rows, fill and
// summarise the grid, name the trace. The window keeps the result as its state (the
// grid on screen, trace_list for pinned mode, the keys for the sorted display) and
// exports it for the number analysis.
//
//   auto all = trace::all_draws(table);                   // source_list outside pinned mode
//   auto shown = trace::trace_tab(table, boxes, distance, all);
//   if (!shown) show the error; keep the previous trace
//   // pinned mode: the single-number rule over the rows of the trace on screen
//   auto pinned = trace::trace_tab(table, pin_boxes, pin_distance, shown->trace_list);
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/trace/trace_grid.h"
#include "analysis/trace/trace_query.h"
#include "analysis/trace/trace_select.h"
#include "analysis/trace/trace_table.h"
#include "core/result.h"
#include "core/text_grid.h"

namespace trace {

struct TraceResult {
  std::vector<int> trace_list;           // the rows' draws, ascending
  std::vector<std::uint64_t> row_marks;  // per row: bit n when number n is marked
  core::TextGrid grid;                   // sgmap with its summary block
  SortKeys keys;                         // number_sort_key, tail_sort_key
  std::string label;                     // the distance label
  std::string title;                     // analysis_title

  [[nodiscard]] int trace_row_count() const { return static_cast<int>(trace_list.size()); }
};

// The trace of a tab's boxes at `distance`. Refused (with the window's message) when a
// position, sign, amount or step box cannot be read.
[[nodiscard]] core::Result<TraceResult> trace_tab(const TraceTable& table, const TraceBoxes& boxes, int distance,
                                                  std::span<const int> source);

// Which leading rows of a trace go to the number analysis: those whose issue is not greater
// (as text) than the tab's issue, the unbroken run the analysis reads, or every row on the
// add/subtract tab, which has no issue box.
class ExportBound {
 public:
  [[nodiscard]] static ExportBound all_rows() { return ExportBound{}; }
  [[nodiscard]] static ExportBound up_to(std::string issue) {
    ExportBound bound;
    bound.last_issue_ = std::move(issue);
    return bound;
  }
  [[nodiscard]] bool takes(std::string_view row_issue) const { return !last_issue_ || row_issue <= *last_issue_; }
  bool operator==(const ExportBound&) const = default;

 private:
  std::optional<std::string> last_issue_;
};

struct ExportRow {
  std::string date;
  std::string issue;
  std::uint64_t marks = 0;  // bit n: number n is marked ("*")
};
struct TraceExport {
  std::vector<ExportRow> rows;
};
[[nodiscard]] TraceExport export_trace(const TraceResult& trace, const ExportBound& bound);

}  // namespace trace
