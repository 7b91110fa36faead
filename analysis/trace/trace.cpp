#include "analysis/trace/trace.h"

namespace trace {

core::Result<TraceResult> trace_tab(const TraceTable& table, const TraceBoxes& boxes, int distance,
                                    std::span<const int> source) {
  const auto query = read_trace_boxes(boxes);
  if (!query) return query.error();
  TraceResult result;
  result.trace_list = select_rows(table, *query, distance, source);
  SummarisedGrid summary = summarise_trace(table, result.trace_list, boxes.tab);
  result.grid = std::move(summary.grid);
  result.row_marks = std::move(summary.row_marks);
  result.keys = std::move(summary.keys);
  result.label = distance_label(distance);
  result.title = trace_title(boxes, result.label);
  return result;
}

TraceExport export_trace(const TraceResult& trace, const ExportBound& bound) {
  TraceExport out;
  for (int r = 1; r <= trace.trace_row_count(); ++r) {
    const std::string& row_issue = trace.grid.cell(1, r);
    if (!bound.takes(row_issue)) break;
    out.rows.push_back({trace.grid.cell(0, r), row_issue, trace.row_marks[static_cast<std::size_t>(r - 1)]});
  }
  return out;
}

}  // namespace trace
