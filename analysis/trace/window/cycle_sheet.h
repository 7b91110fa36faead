// Tab 6 "週期法": every step-th draw counted back from the draw after an issue.
//
//   第 [cb_latest_ck] 期之下一期往前推 每隔 [cb_ck] 期 上一期 lbtridx_ck 下一期 ...
//
// A step that is not an integer of at least 1 is refused and the previous trace stays.
#pragma once

#include "analysis/trace/window/trace_sheet.h"

namespace tracewin {

class CycleSheet : public TraceSheet {
  Q_OBJECT

 public:
  explicit CycleSheet(const TraceLinks& links, QWidget* parent = nullptr);

  void open(const OpeningItems& items) override;
  void enter() override;

  // Each returns false when the trace was refused (and said why).
  bool cb_latest_ckChange();
  bool cb_ckChange();

  QComboBox *cb_latest_ck = nullptr, *cb_ck = nullptr;

 protected:
  bool retrace() override;
};

}  // namespace tracewin
