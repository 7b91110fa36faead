// One registration per window, in the order the program creates them at start-up:
// records, single-draw trace, number analysis, rule definition, help, statistics, grid
// sort, two-of-one, three-of-one, simulated draw, report, date range, data server,
// trace chart, moving pattern, best pillars, download. Insert a new window at its place.
#include "app/windows.h"

#include "app/tform_zu_help.h"
#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_main.h"
#include "app/tform_zu_simulate.h"
#include "pillars/window/tform_bestpillars.h"

namespace app {

void register_windows(WindowRegistry& registry) {
  registry.add<TForm_zu_lotto_record>([](const WindowContext& c) { return new TForm_zu_lotto_record(c.main, c.history, &c.main); })
      .command("lt_recordExecute")
      .on_reload(&TForm_zu_lotto_record::show_loaded_table);
  registry.add<TForm_zu_help>([](const WindowContext& c) { return new TForm_zu_help(&c.main); });
  registry.add<TForm_zu_simulate>([](const WindowContext& c) { return new TForm_zu_simulate(&c.main); })
      .command("simulateExecute", QStringLiteral("模擬開獎"));
  registry.add<TForm_bestpillars>([](const WindowContext& c) {
    auto* window = new TForm_bestpillars(c.history, c.clock, &c.main);
    window->set_working_dir(c.working_dir);
    return window;
  }).command("BestPillarsExecute", {}, Showing::Modal, [](TForm_bestpillars& w, const WindowContext& c) {
    w.set_logo(c.main.game_logo());
  });
}

}  // namespace app
