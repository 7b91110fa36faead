// Tabs 1 "不定位雙星拖牌" and 2 "不定位三星拖牌": the draws that followed every draw holding
// a pair (or a triple) of numbers.
//
//   第 [cb_latest2] 期 開 [cb_tr22] 上一期 lbtridx2 下一期 ...          (pair)
//   第 [cb_latest2_3] 期 開 [cb_tr22_3] 上一期 lbtridx2_3 下一期 ...    (triple)
//
// Choosing an issue offers the ten pairs (triples) of that draw's ascending balls.
#pragma once

#include "analysis/trace/window/trace_sheet.h"

namespace tracewin {

class CombinationSheet : public TraceSheet {
  Q_OBJECT

 public:
  // `tab` is trace::TraceTab::Pair or trace::TraceTab::Triple.
  CombinationSheet(const TraceLinks& links, trace::TraceTab tab, QWidget* parent = nullptr);

  void open(const OpeningItems& items) override;
  void enter() override;

  // Each returns false when the entry was refused (and said why).
  bool issueChange();    // cb_latest2 / cb_latest2_3
  bool numbersChange();  // cb_tr22 / cb_tr22_3

  QComboBox* issue = nullptr;    // cb_latest2 / cb_latest2_3
  QComboBox* numbers = nullptr;  // cb_tr22 / cb_tr22_3

 protected:
  bool retrace() override;

 private:
  trace::TraceTab tab_;
};

}  // namespace tracewin
