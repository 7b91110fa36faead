#include "pillars/window/sheet_look.h"

#include <QHBoxLayout>

#include "ui/controls.h"
#include "ui/widgets.h"

namespace bestpillarswin {

SelectionCaptions::SelectionCaptions(QWidget* sheet, const QString& numbers_name, const QString& count_name)
    : row_(ui::row()) {
  row_->addWidget(ui::heading(sheet, QStringLiteral("您所選的號碼為："), kNavy), 0, Qt::AlignTop);
  numbers_ = ui::label(sheet, QStringLiteral("沒有號碼"), numbers_name);
  numbers_->setWordWrap(true);
  ui::set_look(numbers_, Qt::red, true);
  row_->addWidget(numbers_, 1);
  count_ = ui::label(sheet, QStringLiteral("共計：0  個"), count_name);
  row_->addWidget(count_, 0, Qt::AlignTop);
}

ui::ResultMemo* report_memo(QWidget* sheet, const QString& memo_name, const std::array<QString, 4>& button_names,
                            std::function<bool()> refill, ReportControls out) {
  const auto& n = button_names;
  auto* area = new ui::ResultMemo(sheet, memo_name, ui::ResultMemo::every_command(n[0], n[1], n[2], n[3]));
  area->set_refill(std::move(refill));
  using Command = ui::ResultMemo::Command;
  out.memo = area->memo();
  out.clear = area->button(Command::Clear);
  out.copy = area->button(Command::Copy);
  out.save_text = area->button(Command::SaveText);
  out.save_csv = area->button(Command::SaveCsv);
  return area;
}

void SelectionCaptions::show(const pillars::Selection& selection) {
  ui::set_label(numbers_, selection.sel_text);
  ui::set_label(count_, selection.count_caption);
}

}  // namespace bestpillarswin
