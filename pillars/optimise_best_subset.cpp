#include "pillars/optimise_best_subset.h"

#include <algorithm>

#include "core/number_format.h"
#include "pillars/optimise_texts.h"

namespace pillars {

namespace {

bool is_twelve(arith::SubsetRun run) { return run == arith::SubsetRun::eight_of_twelve; }

}  // namespace

core::Result<BestSubsetAnalysis> BestSubsetAnalysis::start(arith::SubsetRun run, const OptimiseInput& input,
                                                           int threads) {
  namespace t = optimise_text;
  if (static_cast<int>(input.selection.size()) != arith::run_selection_size(run))
    return core::Error::warning(std::string(is_twelve(run) ? t::kNeedTwelve : t::kNeedFifteen));
  const auto selection = selection_numbers(input.selection);
  if (!selection) return selection.error();
  auto table = selection_table(input.period_lines, *selection);
  if (!table) return table.error();
  auto search = std::make_unique<arith::BestSubsetSearch>(run, std::move(*table), input.priority, threads);
  return BestSubsetAnalysis(run, input, selection->texts, std::move(search));
}

BestSubsetAnalysis::BestSubsetAnalysis(arith::SubsetRun run, const OptimiseInput& input,
                                       std::vector<std::string> selection,
                                       std::unique_ptr<arith::BestSubsetSearch> search)
    : run_(run),
      period_title_(input.period_title),
      selection_(std::move(selection)),
      layout_(shape_layout(arith::run_shape(run))),
      search_(std::move(search)) {}

std::string BestSubsetAnalysis::progress_caption() const {
  const int s = next_subset();
  if (is_twelve(run_)) return std::to_string(s / 5) + "%處理中";
  return core::fixed(s / 30.0, 2) + "%處理中";
}

std::string BestSubsetAnalysis::counter_text() const {
  return std::to_string(next_subset()) + " / " + std::to_string(arith::run_subset_count(run_));
}

bool BestSubsetAnalysis::reports_after_stop() const { return !is_twelve(run_) && next_subset() > 5; }

std::string_view BestSubsetAnalysis::report_file_name() const {
  return is_twelve(run_) ? optimise_text::kEightOfTwelveFile : optimise_text::kTenOfFifteenFile;
}

OptimiseReport BestSubsetAnalysis::report(std::string_view start_time, std::string_view now) const {
  namespace t = optimise_text;
  const arith::Priority priority = search_->priority();
  OptimiseReport report;
  report.layout = layout_;
  report.lines = report_head({is_twelve(run_) ? t::kTitleEightOfTwelve : t::kTitleTenOfFifteen, period_title_,
                              std::string(t::kSubsetHeading), selection_, layout_.cost,
                              priority_subtitle(priority), 20});
  const auto ranked = search_->ranked();
  const auto sizes = arith::shape_sizes(arith::run_shape(run_));
  const int rows = std::min<int>(is_twelve(run_) ? 20 : 5, static_cast<int>(ranked.size()));
  for (int r = 0; r < rows; ++r) {
    const auto pillars = pillar_numbers(ranked[r].best.arrangement, sizes, selection_);
    report.lines.push_back(arrangement_row(ranked[r].best.wins, priority, pillars, false));
    std::vector<std::string> unused;
    for (size_t p = 0; p < selection_.size(); ++p)
      if (ranked[r].left_out >> p & 1u) unused.push_back(selection_[p]);
    report.lines.push_back(left_out_line(unused));
    report.lines.push_back("");
  }
  if (is_twelve(run_)) {
    report.lines.push_back(eight_of_twelve_time_line(start_time, now));
  } else {
    report.lines.push_back(subset_count_line(computed()));
    report.lines.push_back(ten_of_fifteen_time_line(start_time, now));
  }
  if (!ranked.empty()) report.best = pillar_numbers(ranked.front().best.arrangement, sizes, selection_);
  return report;
}

}  // namespace pillars
