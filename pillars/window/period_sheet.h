// TS2 "號碼來源": the four period queries (date range, most recent N, every M-th, single
// number trace) that write the period list, and the statistics every query ends with.
// The period list in Memo1 is the source of truth the other sheets read.
#pragma once

#include <QDateEdit>
#include <QWidget>
#include <string>
#include <vector>

#include "pillars/period_query.h"
#include "pillars/statistics.h"
#include "pillars/window/workbench_links.h"
#include "ui/result_memo.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace bestpillarswin {

class PeriodSheet : public QWidget {
  Q_OBJECT

 public:
  explicit PeriodSheet(const WorkbenchLinks& links, QWidget* parent = nullptr);

  // The opening reset: the pickers from 2009/01/01 to today, the list of that range.
  void reset_dates();
  // The trace date list: the latest draws' dates, the newest chosen and looked up.
  void reset_trace_dates();

  // The queries; each returns false when it refused its input and changed nothing.
  bool Button1Click();
  bool Button16Click();
  bool Button17Click();
  bool Button18Click();
  // False when the date or position names no ball (said in a message).
  bool cb_dateChange();
  void get_sumno();
  // The query that built the current list, again (the memos' 清除).
  bool rerun_query();
  // The statistics of Memo1 as it stands.
  void Button2Click();

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
  ui::ResultMemo* period_memo = nullptr;
  ui::Memo* Memo1 = nullptr;
  QPushButton *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr, *Button6 = nullptr;
  QPushButton* Button2 = nullptr;  // hidden: the statistics
  QLabel* Image1 = nullptr;        // the game logo

 signals:
  // A query wrote a new period list (Memo1); Memo2 and Memo3 start from it too.
  void period_written(const std::vector<std::string>& lines);
  // The statistics of the list, already stored in the workbench state.
  void statistics_written(const pillars::Statistics& statistics);

 private:
  QVBoxLayout* build_sources();
  void connect_handlers();
  void write_period_lines(const std::vector<std::string>& lines, const std::string& count_text);
  void apply_period(const pillars::PeriodResult& result);
  // Runs `query` on the inputs read from `boxes`; a refusal is shown and changes nothing.
  template <class Inputs, class Query>
  bool query_with(const core::Result<Inputs>& inputs, const std::vector<const QComboBox*>& boxes, Query query);

  const WorkbenchLinks& links_;
};

}  // namespace bestpillarswin
