// The two-of-one (二中一) and three-of-one (三中一) windows: every pair or triple of numbers
// ranked over the trace on screen, and for the chosen one its columns of the trace grid
// beside the dates with three counts.
//
//   sg1: 日期 | 期數 | aa | bb (| cc)        二中一號碼 [ComboBox1]
//                                            Label2 拖牌總期數 R
//                                            Label3 二中一期數 U
//                                            Label4 開出號碼數 H
//
// The box offers the first 100 pairs (1000 triples); a typed choice that is not a whole
// pair or triple of numbers 1..max_ball is refused, and the box shows again the choice
// whose columns stand.
#pragma once

#include <vector>

#include "analysis/trace/choice_ranking.h"
#include "analysis/trace/choice_view.h"
#include "analysis/trace/window/shown_trace.h"
#include "ui/form_dialog.h"

class QComboBox;
class QLabel;

namespace ui {
class StringGrid;
}

namespace tracewin {

class ChoiceWindow : public ui::FormDialog {
  Q_OBJECT

 public:
  // `size` 2 for pairs, 3 for triples.
  ChoiceWindow(int size, QWidget* parent);

  // Ranks the trace's pairs or triples, offers them in the box, shows the first and
  // opens the window modally.
  void open_on(SharedTrace shown);
  bool ComboBox1Change();  // false when the typed choice was refused (and said why)

  [[nodiscard]] const std::vector<trace::Choice>& ranked() const { return ranked_; }

  ui::StringGrid* sg1 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;

 private:
  void show_view();

  int size_;
  SharedTrace shown_;
  std::vector<trace::Choice> ranked_;
  trace::ChoiceView view_;
};

}  // namespace tracewin
