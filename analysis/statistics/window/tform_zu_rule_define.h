// The rule definition window "版路定義": which of the ten pattern rules the number
// analysis applies (rule_on 1..10) and how many rows a run must hold (rule_run_len,
// 連準二版 .. 連準五版). Every click on a box copies the whole window into the shared
// settings, and every opening shows the settings in force (a reload resets them to every
// rule and 連準三版), so what the window shows is what the analysis runs.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <array>

#include "analysis/statistics/pattern_rules.h"
#include "core/rule_settings.h"
#include "ui/form_dialog.h"

class TForm_zu_rule_define : public ui::FormDialog {
  Q_OBJECT

 public:
  explicit TForm_zu_rule_define(core::RuleSettings& settings, QWidget* parent = nullptr);

  // 清除 unticks every rule, 全選 ticks them all; the caption shows what the next click does.
  void SpeedButton1Click();
  // The boxes and the run length into rule_on and rule_run_len.
  void copy_to_settings();

  // cb_n1p0, cb_n1p1, cb_n1m1, cb_n1p2, cb_n1m2, cb_n2p0, cb_n2p1, cb_n2m1, cb_n2p2, cb_n2m2
  std::array<QCheckBox*, statistics::kRules> rule_boxes{};
  // rb_ok2 .. rb_ok5
  std::array<QRadioButton*, 4> run_length_buttons{};
  QToolButton* SpeedButton1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "關閉"

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void build();
  // The boxes are captioned with the shared rule names.
  void show_rule_names();
  void show_settings();

  core::RuleSettings& settings_;
};
