// The period source boxes: any texts in the count, interval, position, number and
// distance boxes, and any trace date, against a small table.
#include "core/loader.h"
#include "fuzz_input.h"
#include "pillars/period_query.h"

namespace {

const core::DrawHistory& table() {
  static const core::DrawHistory history = [] {
    core::DrawHistory h;
    (void)core::load_draw_lines(h,
                                "2009/01/02,098001,29,03,11,17,38\n2009/01/03,098002,05,12,23,30,38\n"
                                "2009/01/05,098003,17,05,22,08,39\n2009/01/06,098004,01,02,03,04,05\n",
                                "2099/12/31");
    (void)core::put_to_ltno(h);
    return h;
  }();
  return history;
}

}  // namespace

// Fields separated by '\n': count, interval, position, number, distance, date.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto fields = fuzz::split(fuzz::bytes_of(data, size), '\n');
  fields.resize(6);
  const auto& h = table();
  if (const auto count = pillars::read_count_box(fields[0])) {
    (void)pillars::query_recent(h, *count);
    if (const auto interval = pillars::read_interval_box(fields[1])) (void)pillars::query_every(h, *interval, *count);
  }
  (void)pillars::trace_setup(h, fields[5], fields[2]);
  for (const bool fixed : {true, false})
    if (const auto in = pillars::read_trace_inputs(fields[2], fields[3], fields[4], fixed)) (void)pillars::query_trace(h, *in);
  return 0;
}
