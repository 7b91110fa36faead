// The draw file as a user (or a broken download) may leave it: any bytes are loaded,
// derived, sorted both ways and shown as records-grid rows and labels.
#include "core/loader.h"
#include "core/records.h"
#include "core/text_grid.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One table for every input: building (or clearing) its 2,500-draw columns each time
  // would cost far more than the load being fuzzed.
  static core::DrawHistory history;
  (void)core::load_draw_lines(history, fuzz::bytes_of(data, size), "2099/12/31");
  (void)core::put_to_ltno(history);
  core::TextGrid grid;
  core::show_to_grid(grid, history);
  core::show_ball_columns(grid, history, true);
  core::sort_orirec(history, 1);
  (void)core::put_to_ltno(history);
  core::sort_orirec(history, 2);
  (void)core::latest_draw_labels(history);
  return 0;
}
