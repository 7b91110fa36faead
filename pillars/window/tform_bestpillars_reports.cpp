// TS7 "連碰驗證" and the commands every result memo carries: clear (which re-runs the
// period query), copy to the clipboard, save as text or comma-separated file.
#include <QCheckBox>
#include <QFile>
#include <QPushButton>

#include "core/text_file.h"
#include "pillars/lenpon.h"
#include "pillars/messages.h"
#include "pillars/window/tform_bestpillars.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/memo.h"

namespace msg = pillars::msg;

void TForm_bestpillars::wire_memo_commands(ui::Memo* memo, QPushButton* clear, QPushButton* copy,
                                           QPushButton* save_txt, QPushButton* save_csv) {
  if (clear) connect(clear, &QPushButton::clicked, this, [this, memo] { clear_memo(memo); });
  if (copy) connect(copy, &QPushButton::clicked, this, [this, memo] { copy_memo(memo); });
  if (save_txt) connect(save_txt, &QPushButton::clicked, this, [this, memo] { save_memo(memo, false); });
  if (save_csv) connect(save_csv, &QPushButton::clicked, this, [this, memo] { save_memo(memo, true); });
}

bool TForm_bestpillars::clear_memo(ui::Memo* memo) {
  memo->clear_lines();
  return rerun_query();
}

void TForm_bestpillars::copy_memo(ui::Memo* memo) {
  memo->copy_all();
  show_message(ui::MessageKind::Information, msg::kCopied);
}

void TForm_bestpillars::save_memo(const ui::Memo* memo, bool csv) {
  const auto path = ui::save_file(this, ui::qs(std::string(msg::kSaveDialogTitle)),
                                  ui::qs(std::string(csv ? msg::kCsvExtension : msg::kTextExtension)),
                                  ui::qs(std::string(csv ? msg::kCsvFilter : msg::kTextFilter)));
  if (!path) return;
  const auto written = core::write_lines_atomic(QFile::encodeName(*path).toStdString(), memo->lines());
  if (!written) refuse(written.error());
}

void TForm_bestpillars::Button9Click() {
  const auto report = pillars::lenpon_report(Memo1->lines(), Memo3->lines(), state_.sel_no,
                                             cb_detail->isChecked(), state_.period_title);
  if (!report.ok()) {
    refuse(report.error());
    return show_sheet(TS4);
  }
  Memo3->set_lines(report->memo3);
  state_.lenpon_tot2 = report->totals.two;
  state_.lenpon_tot3 = report->totals.three;
  state_.lenpon_tot4 = report->totals.four;
}
