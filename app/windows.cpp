// One registration per window, in the order the program creates them at start-up:
// records, its restore and check windows, the draw-file editor, single-draw trace,
// number analysis, rule definition, help, statistics, grid sort, two-of-one,
// three-of-one, simulated draw, report, date range, data server, trace chart, moving
// pattern, best pillars, walk-forward check, number backtest, download, number
// intervals, double trace.
// Insert a new window at its place; a window that needs another one finds it with get()
// inside a callback or in its wire step, never while windows are still being created
// (only a window's parent, registered before it, is taken at creation). Requests from one
// window to another are the window's signals, connected in the wire steps here.
#include "app/windows.h"

#include "analysis/backtest/window/tform_zu_backtest.h"
#include "analysis/intervals/window/tform_zu_ai2_stk_3xx.h"
#include "analysis/intervals/window/tform_zu_no_interval.h"
#include "analysis/moving/window/tform_zu_moving.h"
#include "analysis/statistics/window/tform_zu_no_analysis.h"
#include "analysis/statistics/window/tform_zu_rule_define.h"
#include "analysis/statistics/window/tform_zu_statistics.h"
#include "analysis/trace/window/chart_form.h"
#include "analysis/trace/window/tform_zu_grid_sort.h"
#include "analysis/trace/window/tform_zu_threeforone.h"
#include "analysis/trace/window/tform_zu_trace_single.h"
#include "analysis/trace/window/tform_zu_twoforone.h"
#include "app/tform_zu_help.h"
#include "app/tform_zu_history_check.h"
#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_main.h"
#include "app/tform_zu_restore.h"
#include "app/tform_zu_simulate.h"
#include "app/tform_zu_stk_txtfile.h"
#include "exchange/window/tform_dateselect.h"
#include "exchange/window/tform_download_txt_from_http.h"
#include "exchange/window/tform_zu_ftpserverip.h"
#include "exchange/window/trpt.h"
#include "pillars/window/tform_bestpillars.h"
#include "pillars/window/tform_zu_walk_forward.h"

namespace app {
namespace {

// The trace window's commands open it on one of its pages.
Registration<TForm_zu_trace_single>::Prepare trace_page(int page) {
  return [page](TForm_zu_trace_single& w, const WindowContext&) { w.show_page(page); };
}

}  // namespace

void register_windows(WindowRegistry& registry) {
  registry
      .add<TForm_zu_lotto_record>(
          [](const WindowContext& c) { return new TForm_zu_lotto_record(c.main, c.table, &c.main); })
      .command("lt_recordExecute")
      .on_reload(&TForm_zu_lotto_record::show_loaded_table)
      .wire([](TForm_zu_lotto_record& w, const WindowContext& c) {
        QObject::connect(&w, &TForm_zu_lotto_record::download_requested, &w,
                         [&c] { c.windows.open("DownloadExecute"); });
        // Printing by date range prints the records grid as the user sees it.
        QObject::connect(&w, &TForm_zu_lotto_record::print_range_requested, &w, [&c](const core::TextGrid& shown) {
          c.windows.get<TForm_dateselect>().use_records(shown);
          c.windows.open("dateselectExecute");
        });
        auto& restore = c.windows.get<TForm_zu_restore>();
        w.set_record_windows(&restore, &c.windows.get<TForm_zu_history_check>());
        QObject::connect(&restore, &TForm_zu_restore::restored, &w, &TForm_zu_lotto_record::reload_after_write);
      });
  // The records window's own windows open over it: a factory may take a window registered
  // before it as the parent.
  registry.add<TForm_zu_restore>(
      [](const WindowContext& c) { return new TForm_zu_restore(&c.windows.get<TForm_zu_lotto_record>()); });
  registry.add<TForm_zu_history_check>(
      [](const WindowContext& c) { return new TForm_zu_history_check(&c.windows.get<TForm_zu_lotto_record>()); });
  registry.add<TForm_ZU_stk_txtfile>(
      [](const WindowContext& c) { return new TForm_ZU_stk_txtfile(c.main, c.history); });
  registry.add<TForm_zu_trace_single>([](const WindowContext& c) { return new TForm_zu_trace_single(c.table, &c.main); })
      .command("N3Click", QStringLiteral("不定位單支拖牌"), Showing::Modeless, trace_page(0))
      .command("N12Click", QStringLiteral("不定位雙星拖牌"), Showing::Modeless, trace_page(1))
      .command("N14Click", QStringLiteral("大小定位拖牌"), Showing::Modeless, trace_page(3))
      .command("N15Click", QStringLiteral("落球定位拖牌"), Showing::Modeless, trace_page(4))
      .command("N19Click", QStringLiteral("大小加減版路"), Showing::Modeless, trace_page(5))
      .on_reload(&TForm_zu_trace_single::refresh)
      // The trace on screen goes on to 二中一, 三中一, 進階 and the number analysis.
      .wire([](TForm_zu_trace_single& w, const WindowContext& c) {
        QObject::connect(&w, &TForm_zu_trace_single::two_of_one_requested, &c.windows.get<TForm_zu_twoforone>(),
                         &TForm_zu_twoforone::get_twoforone);
        QObject::connect(&w, &TForm_zu_trace_single::three_of_one_requested, &c.windows.get<TForm_zu_threeforone>(),
                         &TForm_zu_threeforone::get_threeforone);
        QObject::connect(&w, &TForm_zu_trace_single::grid_sort_requested, &c.windows.get<TForm_zu_grid_sort>(),
                         &TForm_zu_grid_sort::show_grid_sort);
        QObject::connect(&w, &TForm_zu_trace_single::number_analysis_requested, &c.windows.get<TForm_zu_no_analysis>(),
                         &TForm_zu_no_analysis::show_for);
        QObject::connect(&w, &TForm_zu_trace_single::help_requested, &c.main,
                         [&c] { c.main.show_memo(QStringLiteral("help_single.txt")); });
      });
  registry.add<TForm_zu_no_analysis>(
      [](const WindowContext& c) { return new TForm_zu_no_analysis(c.history, c.rules, &c.main); });
  registry.add<TForm_zu_rule_define>([](const WindowContext& c) { return new TForm_zu_rule_define(c.rules, &c.main); })
      // 版路定義 of the number analysis opens it; closing it runs the analysis's rules again.
      .wire([](TForm_zu_rule_define& w, const WindowContext& c) {
        c.windows.get<TForm_zu_no_analysis>().set_rule_definition(&w);
      });
  registry.add<TForm_zu_help>([](const WindowContext& c) { return new TForm_zu_help(&c.main); });
  registry.add<TForm_zu_statistics>([](const WindowContext& c) {
    return new TForm_zu_statistics(c.history, c.clock, &c.main);
  }).command("statisticsExecute", QStringLiteral("統計資料"));
  registry.add<TForm_zu_grid_sort>([](const WindowContext& c) { return new TForm_zu_grid_sort(&c.main); });
  registry.add<TForm_zu_twoforone>([](const WindowContext& c) { return new TForm_zu_twoforone(&c.main); });
  registry.add<TForm_zu_threeforone>([](const WindowContext& c) { return new TForm_zu_threeforone(&c.main); });
  registry.add<TForm_zu_simulate>([](const WindowContext& c) { return new TForm_zu_simulate(&c.main); })
      .command("simulateExecute", QStringLiteral("模擬開獎"));
  registry
      .add<TForm_dateselect>(
          [](const WindowContext& c) { return new TForm_dateselect(c.history, c.clock, c.report, &c.main); })
      .command("dateselectExecute");
  registry.add<TForm_zu_FtpServerIP>([](const WindowContext& c) { return new TForm_zu_FtpServerIP(c.working_dir, &c.main); })
      .command("ftpipExecute", QStringLiteral("資料伺服器位址設定"))
      .wire([](TForm_zu_FtpServerIP& w, const WindowContext& c) {
        QObject::connect(&w, &TForm_zu_FtpServerIP::download_enabled_changed, &c.windows.get<TForm_zu_lotto_record>(),
                         &TForm_zu_lotto_record::set_download_enabled);
      });
  registry.add<TForm_zu_chart1>([](const WindowContext& c) { return new TForm_zu_chart1(c.history, c.clock, &c.main); })
      .command("N59Click", QStringLiteral("拖牌匯總統計圖"), Showing::Modal,
               [](TForm_zu_chart1& w, const WindowContext& c) { w.set_logo(c.main.game_logo()); });
  registry.add<TForm_zu_moving>([](const WindowContext& c) { return new TForm_zu_moving(c.table, &c.main); })
      .command("movingExecute", QStringLiteral("移動式版路(三期內養牌)"))
      .command("N41Click", {}, Showing::Modeless, [](TForm_zu_moving& w, const WindowContext&) { w.show_page(1); })
      .on_reload(&TForm_zu_moving::refresh)
      .wire([](TForm_zu_moving& w, const WindowContext& c) {
        QObject::connect(&w, &TForm_zu_moving::print_requested, &c.report, &Trpt::show_memo_rpt);
        QObject::connect(&w, &TForm_zu_moving::help_requested, &c.main,
                         [&c] { c.main.show_memo(QStringLiteral("help_moving.txt")); });
      });
  registry.add<TForm_bestpillars>([](const WindowContext& c) {
    auto* window = new TForm_bestpillars(c.history, c.clock, &c.main);
    window->set_working_dir(c.working_dir);
    return window;
  }).command("BestPillarsExecute", {}, Showing::Modal, [](TForm_bestpillars& w, const WindowContext& c) {
    w.set_logo(c.main.game_logo());
  });
  registry.add<TForm_zu_walk_forward>([](const WindowContext& c) { return new TForm_zu_walk_forward(c.history, &c.main); })
      .command("walkForwardExecute", QStringLiteral("回測驗證"))
      .wire([](TForm_zu_walk_forward& w, const WindowContext& c) {
        QObject::connect(&c.windows.get<TForm_bestpillars>(), &TForm_bestpillars::walk_forward_requested, &w,
                         [&w, &c](const std::vector<std::string>& selection) {
                           w.use_selection(selection);
                           c.windows.open("walkForwardExecute");
                         });
      });
  registry.add<TForm_zu_backtest>([](const WindowContext& c) { return new TForm_zu_backtest(c.history, &c.main); })
      .command("backtestExecute", QStringLiteral("號碼回測"))
      // The windows that name numbers open it with their own settings (their 回測).
      .wire([](TForm_zu_backtest& w, const WindowContext& c) {
        const auto open = [&w, &c](const backtest::Texts& texts) {
          w.use_texts(texts);
          c.windows.open("backtestExecute");
        };
        QObject::connect(&c.windows.get<TForm_zu_moving>(), &TForm_zu_moving::backtest_requested, &w, open);
        QObject::connect(&c.windows.get<TForm_zu_no_analysis>(), &TForm_zu_no_analysis::backtest_requested, &w, open);
        QObject::connect(&c.windows.get<TForm_zu_statistics>(), &TForm_zu_statistics::backtest_requested, &w, open);
        QObject::connect(&c.windows.get<TForm_bestpillars>(), &TForm_bestpillars::backtest_requested, &w,
                         [open](int window, int count) { open(backtest::hot_texts(window, count)); });
      });
  registry
      .add<TForm_Download_TxT_from_http>([](const WindowContext& c) {
        return new TForm_Download_TxT_from_http(c.table, c.clock, c.working_dir, &c.main);
      })
      .command("DownloadExecute")
      // Closing the download window reloads, then shows the new lines newest first.
      .wire([](TForm_Download_TxT_from_http& w, const WindowContext& c) {
        QObject::connect(&w, &TForm_Download_TxT_from_http::reload_requested, &c.main, [&c] {
          c.main.load_sequence();
          c.windows.get<TForm_zu_lotto_record>().FormShow();
        });
      });
  registry.add<TForm_zu_no_interval>([](const WindowContext& c) { return new TForm_zu_no_interval(c.history, &c.main); })
      .command("stk_no_intervalExecute", QStringLiteral("號碼開出間隔分析"));
  registry.add<TForm_zu_ai2_stk_3xx>([](const WindowContext& c) { return new TForm_zu_ai2_stk_3xx(c.table, &c.main); })
      .command("stk_3xxExecute", QStringLiteral("雙連拖定位獨支"));
}

}  // namespace app
