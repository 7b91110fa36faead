// The workbench's memos hold period lines the user may edit; every later step re-reads them
// by position. Any lines go through the statistics, the hot-combination counts, the
// full-combination and the pillar verification.
#include "fuzz_input.h"
#include "pillars/hot_combinations.h"
#include "pillars/lenpon.h"
#include "pillars/pillar_report.h"
#include "pillars/statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = fuzz::split(fuzz::bytes_of(data, size), '\n');
  if (const auto stats = pillars::run_statistics(lines, 39); stats.ok())
    (void)pillars::get_allno(stats->keys.pair_keys, lines);
  static const std::vector<std::string> selection{"01", "05", "12", "23", "30", "39"};
  (void)pillars::lenpon_report(lines, lines, selection, true, "t");
  // The first line, read as pillar memos "05,12/23,30/...", against the rest.
  const auto pillar_texts = fuzz::split(lines.front(), '/');
  std::vector<std::vector<std::string>> memos;
  for (const auto& text : pillar_texts) memos.push_back(fuzz::split(text, ','));
  const int count = static_cast<int>(memos.size());
  static const pillars::PillarTable kNoPrevious;  // (clang 14 cannot compile a braced empty table here)
  const auto read = pillars::read_pillar_memos(kNoPrevious, memos, count);
  pillars::PillarReportInput in;
  in.checked_lines = lines.size();
  in.report_lines = lines;
  in.table = &read.pillar_no;
  in.lengths = read.lengths;
  in.pillar_count = count;
  (void)pillars::pillar_report(in);
  return 0;
}
