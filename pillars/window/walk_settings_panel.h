// The settings of the walk-forward check: method, numbers (each step's most frequent, or
// a fixed set such as the workbench's selection), 訓練期數, 測試期數, 重選間隔 and the
// priority. A box the check cannot take shows why beside it, in red, as soon as the
// entry is finished (an emptied box when the user leaves it); nothing pops up while the
// user is still typing. Each message has the rest of its box's row, so none moves another
// box. 排列優先 is enabled only for the methods that rank by it.
#pragma once

#include <QGroupBox>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "pillars/walk_forward.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace walkforwardwin {

class SettingsPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SettingsPanel(QWidget* parent = nullptr);

  // The settings as the boxes hold them; nullopt after showing each refusal beside its box.
  [[nodiscard]] std::optional<pillars::WalkSettings> read_settings();
  // A refusal of the whole run (too few draws), shown beside 測試期數 with the table's
  // capacity, so a user with a longer draw file knows why it does not help.
  void show_run_refusal(const std::string& text);
  // The workbench's selection becomes the fixed set, and the method one of its size; an
  // empty selection changes nothing.
  void use_selection(const std::vector<std::string>& selection);
  void set_max_ball(int max_ball) { max_ball_ = max_ball; }

  QComboBox* cb_method = nullptr;
  QRadioButton* rb_frequent = nullptr;  // 每期最常開出的號碼
  QRadioButton* rb_fixed = nullptr;     // 固定號碼
  QLineEdit* ed_numbers = nullptr;
  QComboBox *cb_train = nullptr, *cb_test = nullptr, *cb_step = nullptr;
  std::array<QRadioButton*, 3> rb_priority{};  // ４星優先, ３星優先, ２星優先
  QLabel *lb_numbers_msg = nullptr, *lb_train_msg = nullptr, *lb_test_msg = nullptr, *lb_step_msg = nullptr;

 signals:
  // Any setting changed by the user or by use_selection: a shown result no longer
  // belongs to what the boxes say.
  void edited();

 private:
  void build();
  void connect_checks();
  void connect_edits();
  void follow_method();
  [[nodiscard]] pillars::WalkMethod method() const;
  [[nodiscard]] pillars::arith::Priority priority() const;
  // Each reader shows its refusal beside its box, or clears it.
  [[nodiscard]] std::optional<std::vector<int>> read_numbers();
  [[nodiscard]] std::optional<int> read_count(pillars::WalkCount which, QComboBox* box, QLabel* message);

  int max_ball_ = 39;
};

}  // namespace walkforwardwin
