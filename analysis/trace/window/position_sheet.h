// Tabs 3 "大小定位拖牌" and 4 "落球定位拖牌": the draws that followed every draw holding a
// number at a position of its ascending (or drawn) balls.
//
//   第 [cb_latest3] 期 第 [cb_fix11] 支 開 [cb_fix12] 上一期 lbtridx_fix1 下一期 ...   (ascending)
//   第 [cb_latest4] 期 第 [cb_fix21] 支 開 [cb_fix22] 上一期 lbtridx_fix2 下一期 ...   (drawn)
//
// A position that is not 1..7 is refused with "第？支錯誤" and the previous trace stays.
#pragma once

#include "analysis/trace/window/trace_sheet.h"

namespace tracewin {

class PositionSheet : public TraceSheet {
  Q_OBJECT

 public:
  // `tab` is trace::TraceTab::Ascending or trace::TraceTab::Drawn.
  PositionSheet(const TraceLinks& links, trace::TraceTab tab, QWidget* parent = nullptr);

  void open(const OpeningItems& items) override;
  void enter() override;

  // Each returns false when the entry was refused (and said why).
  bool issueChange();     // cb_latest3 / cb_latest4
  bool positionChange();  // cb_fix11 / cb_fix21 and cb_fix12 / cb_fix22

  QComboBox* issue = nullptr;     // cb_latest3 / cb_latest4
  QComboBox* position = nullptr;  // cb_fix11 / cb_fix21
  QComboBox* number = nullptr;    // cb_fix12 / cb_fix22

 protected:
  bool retrace() override;

 private:
  trace::TraceTab tab_;
};

}  // namespace tracewin
