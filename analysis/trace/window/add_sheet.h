// Tab 5 "大小加減版路": the draws that followed every draw whose ascending ball p1 plus
// (or minus) k equals its ascending ball p2.
//
//   第 [cb_add1] 支 [cb_add2 加/減] [cb_add3] 等於 第 [cb_add4] 支 上一期 lbtridx_add 下一期 ...
//
// Every change of a box starts again at distance 0. The trace exports all its rows.
#pragma once

#include "analysis/trace/window/trace_sheet.h"

namespace tracewin {

class AddSheet : public TraceSheet {
  Q_OBJECT

 public:
  explicit AddSheet(const TraceLinks& links, QWidget* parent = nullptr);

  void open(const OpeningItems&) override {}
  void enter() override;

  // The change event of any of the four boxes.
  bool cb_addChange();  // false when the trace was refused (and said why)

  QComboBox *cb_add1 = nullptr, *cb_add2 = nullptr, *cb_add3 = nullptr, *cb_add4 = nullptr;

 protected:
  bool retrace() override;
};

}  // namespace tracewin
