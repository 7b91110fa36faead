// The settings of the number backtest: the method and its boxes, and the test draws T.
// Each method's boxes stand on a page of their own; a box the backtest cannot take shows
// why beside it, in red, once its entry is finished, with the words the command line uses
// (the box named instead of the option).
#pragma once

#include <QGroupBox>
#include <array>
#include <optional>
#include <string>

#include "analysis/backtest/backtest_texts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;

namespace backtestwin {

class SettingsPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SettingsPanel(QWidget* parent = nullptr);

  // The settings as the boxes hold them; nullopt after showing each refusal beside its box.
  [[nodiscard]] std::optional<backtest::Settings> read_settings();
  // A refusal of the whole run (too few draws), shown beside 測試期數.
  void show_run_refusal(const std::string& text);
  // Another window's settings, as the command line would write them.
  void use_texts(const backtest::Texts& texts);
  [[nodiscard]] backtest::Texts texts() const;
  [[nodiscard]] backtest::Method method() const;
  // T alone, for the all-methods run; nullopt after showing its refusal.
  [[nodiscard]] std::optional<int> read_test();

  QComboBox* cb_method = nullptr;
  QComboBox* cb_test = nullptr;
  QStackedWidget* pages = nullptr;  // one per method
  QComboBox *cb_count = nullptr, *cb_window = nullptr;  // hot; cold shows the count only
  QComboBox* cb_run_length = nullptr;
  std::array<QCheckBox*, statistics::kRules> ck_rules{};
  QComboBox *cb_ball_order = nullptr, *cb_position = nullptr, *cb_look_back = nullptr;
  QLineEdit *ed_average_of = nullptr, *ed_amounts = nullptr;
  QLabel *lb_test_msg = nullptr, *lb_count_msg = nullptr, *lb_window_msg = nullptr, *lb_moving_msg = nullptr;

 private:
  void build();
  QWidget* counted_page();
  QWidget* rules_page();
  QWidget* moving_page();
  void connect_checks();
  void show_method();
  // Shows the refusal of one box's text beside it, or clears it; false when refused.
  bool check(const core::Status& read, QLabel* message);
  [[nodiscard]] core::Status check_moving() const;

  QWidget* window_row_ = nullptr;  // 統計期數, hot only
};

}  // namespace backtestwin
