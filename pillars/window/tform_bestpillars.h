// The best-pillars workbench window "最佳彩柱": six sheets that take the user from a
// period of draws to verified pillar layouts.
//
//   TS2 period query -> Memo1/Memo2/Memo3 (period lines) -> TS3 statistics, hot lists
//   -> TS4 selection -> TS5 pillar layout, cost, optimisation -> TS6 pillar report
//   -> TS7 full-combination report
//
// The window only wires controls: every handler reads its controls, calls a toolkit-free
// computation of pillars/ and writes the result back. The period lines in the memos stay
// the source of truth, so a user's edit of a memo is honoured by the next step.
#pragma once

#include <QDialog>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/draw_history.h"
#include "pillars/optimise_analysis.h"
#include "pillars/optimise_best_subset.h"
#include "pillars/period_query.h"
#include "pillars/selection.h"
#include "pillars/workbench_state.h"
#include "ui/dialogs.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;

namespace ui {
class Memo;
class StringGrid;
}  // namespace ui

class TForm_bestpillars : public QDialog {
  Q_OBJECT

 public:
  TForm_bestpillars(core::DrawHistory& history, const core::Clock& clock, QWidget* parent = nullptr);
  ~TForm_bestpillars() override;

  // The game logo the main window passes before showing the workbench.
  void set_logo(const QPixmap& logo);
  // Where the best-subset report files are written (default ".").
  void set_working_dir(const QString& dir) { working_dir_ = dir; }
  [[nodiscard]] const QString& working_dir() const { return working_dir_; }

  [[nodiscard]] const pillars::WorkbenchState& state() const { return state_; }
  // True while a hot-combination ordering or a pillar optimisation is running; the
  // window then refuses to close.
  [[nodiscard]] bool busy() const { return busy_; }
  void reject() override;

  // ---- controls, named as the program knows them ----
  QTabWidget* PageC = nullptr;
  QWidget *TS2 = nullptr, *TS3 = nullptr, *TS4 = nullptr, *TS5 = nullptr, *TS6 = nullptr,
          *TS7 = nullptr;

  // TS2 "號碼來源"
  QDateEdit *DateTimePicker1 = nullptr, *DateTimePicker2 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;
  QComboBox* cbis = nullptr;
  QPushButton* Button16 = nullptr;
  QComboBox *cb_intv = nullptr, *cbis_2 = nullptr;
  QPushButton* Button17 = nullptr;
  QComboBox *cb_date = nullptr, *cb_ii = nullptr, *CB_xx = nullptr, *cb_prediction = nullptr;
  QPushButton* Button18 = nullptr;
  QCheckBox* cb_ff = nullptr;
  ui::Memo* Memo1 = nullptr;
  QPushButton *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr, *Button6 = nullptr;
  QPushButton* Button2 = nullptr;  // hidden: the statistics
  QLabel* Image1 = nullptr;        // the game logo

  // TS3 "號碼和尾數統計"
  ui::StringGrid *sga1 = nullptr, *sga2 = nullptr, *sgaT = nullptr;
  QPushButton *SpeedButton2 = nullptr, *SpeedButton3 = nullptr, *SpeedButton1 = nullptr;
  QLabel *lb2s = nullptr, *lb3s = nullptr, *lb4s = nullptr;
  ui::Memo *mm = nullptr, *mm3 = nullptr, *mm9 = nullptr;
  QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn3 = nullptr;

  // TS4 "選擇號碼": CB01 .. CB49 by number, CBT0 .. CBT9 by digit, CBH0 .. CBH4 by tens.
  QComboBox* cb9 = nullptr;
  QPushButton *Button7 = nullptr, *Button8 = nullptr;
  std::array<QCheckBox*, pillars::kMaxNumbers + 1> no_box{};  // [0] unused
  std::array<QCheckBox*, 10> cb_tail{};
  std::array<QCheckBox*, 5> cb_head{};
  QLabel* lb_selectNo = nullptr;

  // TS5 "選擇柱數": ComboBox1 .. ComboBox8 and Mx1 .. Mx8 by pillar.
  QLabel *Label6 = nullptr, *Label28 = nullptr, *lb_NOTT = nullptr;
  QComboBox* CB_Select = nullptr;
  std::array<QComboBox*, pillars::kMaxPillars + 1> cb_pillar{};  // [0] unused
  std::array<ui::Memo*, pillars::kMaxPillars + 1> mx_pillar{};   // [0] unused
  QLabel *lb_pon2 = nullptr, *lb_pon3 = nullptr, *lb_pon4 = nullptr, *lb_tot = nullptr;
  QPushButton *Button27 = nullptr, *Button26 = nullptr, *Button19 = nullptr;
  QGroupBox* RG1 = nullptr;
  std::array<QRadioButton*, 3> RG1_items{};  // "４星優先", "３星優先", "２星優先"
  QPushButton *Button12 = nullptr, *Button29 = nullptr, *Button28 = nullptr, *Button30 = nullptr;
  QPushButton *Button31 = nullptr, *btn_stop = nullptr, *Button32 = nullptr,
              *btn_stop_1510 = nullptr;
  QLabel* lb_percent = nullptr;
  // Hidden: the pair and triple orderings of the computer arrangement.
  ui::Memo *MM_2 = nullptr, *MM3_2 = nullptr, *M2 = nullptr, *M3 = nullptr;

  // TS6 "彩柱驗證"
  QLabel *Label57 = nullptr, *Label56 = nullptr;
  ui::Memo* Memo2 = nullptr;
  QPushButton *Button20 = nullptr, *Button21 = nullptr, *Button22 = nullptr, *Button23 = nullptr;

  // TS7 "連碰驗證"
  QLabel *Label41 = nullptr, *Label42 = nullptr;
  QPushButton* Button9 = nullptr;
  QCheckBox* cb_detail = nullptr;
  ui::Memo* Memo3 = nullptr;
  QPushButton *Button10 = nullptr, *Button11 = nullptr, *Button13 = nullptr, *Button15 = nullptr;

  // ---- event operations ----
  void FormShow();
  void reset_table();
  // TS2
  // The queries return false when they refused their input and changed nothing.
  bool Button1Click();
  void get_sumno();
  bool Button16Click();
  bool Button17Click();
  void cb_dateChange();
  bool Button18Click();
  bool rerun_query();
  void Button2Click();
  // TS3
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton1Click();
  // TS4
  void CB01Click();
  void Button7Click();
  void Button8Click();
  void Clear_CB();
  void CBT1Click();
  void CBH0Click();
  // TS5 / TS6 / TS7
  void CB_SelectChange();
  void ComboBox1Change();
  void Button27Click();
  void Button26Click();
  void Button9Click();
  // Subsystem 5
  void Button19Click();
  void Button12Click();
  void Button29Click();
  void Button28Click();
  void Button30Click();
  void Button31Click();
  void Button32Click();
  void btn_stopClick();
  void btn_stop_1510Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Layout (tform_bestpillars_layout*.cpp) and wiring (tform_bestpillars_connect.cpp).
  void build_sheets();
  QWidget* build_ts2();
  QVBoxLayout* build_ts2_sources();
  QWidget* build_ts3();
  QWidget* build_ts4();
  QWidget* build_ts4_boxes();
  void build_ts4_filters(QVBoxLayout* sheet);
  QWidget* build_ts5();
  QWidget* build_ts5_pillars();
  QGridLayout* build_ts5_grid();
  QWidget* build_ts5_optimise();
  QWidget* build_ts6();
  QWidget* build_ts7();
  void connect_handlers();
  void connect_selection_boxes();
  void connect_optimise();

  // Shared helpers.
  void show_message(ui::MessageKind kind, std::string_view text);
  void warn(std::string_view text);
  // Shows a computation's refusal in the message box of its kind.
  void refuse(const core::Error& error);
  void show_sheet(QWidget* sheet);

  // Period list and statistics (tform_bestpillars_period.cpp).
  void write_period_lines(const std::vector<std::string>& lines, const std::string& count_text);
  void apply_period(const pillars::PeriodResult& result);
  void cb_dateEdited();

  // Hot combinations (tform_bestpillars_stats.cpp).
  void run_hot_ordering(int k, QLabel* progress, ui::Memo* memo);

  // Selection (tform_bestpillars_selection.cpp).
  void set_number_checked(int number, bool checked);
  [[nodiscard]] pillars::NumberBoxes number_box_states() const;
  [[nodiscard]] std::array<bool, 10> tail_box_states() const;
  [[nodiscard]] std::array<bool, 5> head_box_states() const;

  // Pillar layout (tform_bestpillars_pillars.cpp).
  [[nodiscard]] std::vector<std::string> pillar_size_texts() const;
  void apply_layout(const pillars::PillarLayout& layout);
  void apply_pillar_look();

  // Memo commands (tform_bestpillars_reports.cpp).
  void wire_memo_commands(ui::Memo* memo, QPushButton* clear, QPushButton* copy,
                          QPushButton* save_txt, QPushButton* save_csv);
  bool clear_memo(ui::Memo* memo);  // false when the re-run query was refused
  void copy_memo(ui::Memo* memo);
  void save_memo(const ui::Memo* memo, bool csv);

  // Long runs: every command but `keep` is disabled while busy.
  [[nodiscard]] std::vector<QWidget*> command_widgets() const;
  [[nodiscard]] bool is_pillar_control(QWidget* widget) const;
  void begin_busy(const std::vector<QWidget*>& keep);
  void end_busy();

  // Optimisations (tform_bestpillars_optimise.cpp, tform_bestpillars_subset.cpp).
  [[nodiscard]] int rg1_index() const;
  [[nodiscard]] pillars::OptimiseInput optimise_input(const std::vector<std::string>& lines) const;
  void apply_refusal(const pillars::OptimiseRefusal& refusal);
  void apply_shape_layout(const pillars::ShapeLayout& layout);
  void load_best(const pillars::PillarNumbers& best);
  void run_fixed_shape(pillars::arith::Shape shape);
  void run_best_subset(pillars::arith::SubsetRun run);
  [[nodiscard]] bool run_subsets(pillars::BestSubsetAnalysis& analysis, QPushButton* command,
                                 bool& stop_requested);
  void finish_best_subset(const pillars::BestSubsetAnalysis& analysis, QPushButton* command,
                          const core::LocalDateTime& start_time);

  core::DrawHistory& history_;
  const core::Clock& clock_;
  QString working_dir_ = QStringLiteral(".");
  pillars::WorkbenchState state_;
  bool busy_ = false;
  int pillar_count_before_busy_ = 4;
  QHash<QWidget*, bool> enabled_before_busy_;
  bool stop_12_8 = false;
  bool stop_15_10 = false;
};
