// The operator's result files as the internet may deliver them, and the draw file they are
// merged into: any bytes are read as a result file or, with a ZIP signature, as an archive
// through libzip; what is read is merged into a small draw file and summarised. The same
// bytes, taken as the draw file, are checked and have a few draws merged into them.
#include "core/history_check.h"
#include "core/text_file.h"
#include "exchange/history_import.h"
#include "exchange/result_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string kDrawFile = "2014/01/01,103001,26,05,34,13,24\r\n2014/01/02,103002,01,02,03,04,05\r\n";
  static const std::vector<exchange::ResultDraw> kDraws = {
      {"2014/01/02", "103002", {1, 2, 3, 4, 5}, "fuzz.csv", 2}, {"2014/01/03", "103003", {7, 8, 9, 10, 11}, "fuzz.csv", 3}};
  const std::string_view bytes = fuzz::bytes_of(data, size);
  if (auto draws = exchange::read_import_bytes(bytes, "fuzz.csv")) {
    if (const auto unique = exchange::unique_draws(std::move(*draws))) {
      if (const auto plan = exchange::plan_import(kDrawFile, *unique, "2099/12/31")) (void)exchange::import_summary(*plan, 5);
    }
  }
  (void)core::check_history(bytes, "2014/06/30");
  (void)core::first_impossible_draw(bytes);
  (void)core::first_line_after_the_draws(bytes);
  (void)core::lines_to_save(core::split_lines(bytes));
  if (const auto plan = exchange::plan_import(bytes, kDraws, "2014/12/31")) (void)exchange::import_summary(*plan);
  return 0;
}
