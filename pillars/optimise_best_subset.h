// The best-subset analyses: "12取8超優分析" tries every 8 of 12 selected numbers in the
// 2x2x2x2 shape, "15取10超優分析" every 10 of 15 in the 2x2x3x3 shape, and reports the
// best subsets with the numbers each leaves out.
//
// A window drives a run between event pumps (the command line calls compute_all):
//
//   auto run = BestSubsetAnalysis::start(kind, input);         // a run, or its refusal
//   set the pillar controls from run->layout(); show the stop button (and lb_percent)
//   while (!run.finished()) {
//     pump_events();
//     lb_percent := run.counter_text();                       // 10 of 15: "s / 3003"
//     if (stop requested) { clear it; restore the caption;
//                           if (!run.reports_after_stop()) return; break; }
//     caption := run.progress_caption();
//     run.compute_next();
//   }
//   caption := "排序中"; report := run.report(start_time, now);
//
// The priority is fixed when the run starts. Subsets are computed ahead in batches on
// two threads; what was computed past a stop is discarded.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "pillars/arithmetic/best_subset.h"
#include "pillars/optimise_analysis.h"

namespace pillars {

class BestSubsetAnalysis {
 public:
  // Refused when the selection does not hold exactly arith::run_selection_size(run)
  // numbers (12 or 15), holds a text that is not a ball, or the period is too long.
  [[nodiscard]] static core::Result<BestSubsetAnalysis> start(arith::SubsetRun run, const OptimiseInput& input,
                                                              int threads = 2);

  [[nodiscard]] arith::SubsetRun run() const { return run_; }
  [[nodiscard]] const ShapeLayout& layout() const { return layout_; }
  [[nodiscard]] int total() const { return search_->total(); }
  [[nodiscard]] int computed() const { return search_->computed(); }
  [[nodiscard]] int next_subset() const { return search_->next_subset(); }
  [[nodiscard]] bool finished() const { return search_->finished(); }

  void compute_next() { search_->compute_next(); }
  void compute_all() { search_->compute_all(); }

  // Button31 "(s div 5)%處理中" / Button32 "##0.00%處理中" of s / 30, for the subset s
  // about to be computed.
  [[nodiscard]] std::string progress_caption() const;
  // lb_percent: "s / 3003".
  [[nodiscard]] std::string counter_text() const;
  // A stop noticed now still gives a report: the 10-of-15 run past its fifth subset.
  [[nodiscard]] bool reports_after_stop() const;

  // The report over the subsets computed so far, and the best arrangement to load.
  [[nodiscard]] OptimiseReport report(std::string_view start_time, std::string_view now) const;
  [[nodiscard]] std::string_view report_file_name() const;  // "C12_8.txt" / "C15_10.txt"

 private:
  BestSubsetAnalysis(arith::SubsetRun run, const OptimiseInput& input, std::vector<std::string> selection,
                     std::unique_ptr<arith::BestSubsetSearch> search);

  arith::SubsetRun run_;
  std::string period_title_;
  std::vector<std::string> selection_;  // ascending two-digit texts
  ShapeLayout layout_;
  std::unique_ptr<arith::BestSubsetSearch> search_;
};

}  // namespace pillars
