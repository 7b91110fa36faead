// "將文字檔轉成Excel": a guide in seven pictures to opening a trace grid saved as text in
// a spreadsheet program. Clicking a step shows its picture; every opening starts at step 1.
#pragma once

#include <QDialog>
#include <array>

#include "analysis/trace/window/guide_pictures.h"

class QLabel;
class QPushButton;
class QToolButton;

class TForm_img_excel : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_img_excel(QWidget* parent = nullptr);

  // Shows the picture of step 1..7.
  void show_step(int step);
  [[nodiscard]] int step() const { return step_; }

  std::array<QToolButton*, tracewin::kGuideSteps> steps{};  // the clickable step captions
  QLabel* Image1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // 關閉

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int step_ = 1;
};
