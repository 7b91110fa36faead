#include "pillars/window/sheet_look.h"

#include <QHBoxLayout>

#include "ui/controls.h"
#include "ui/widgets.h"

namespace bestpillars {

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

void SelectionCaptions::show(const pillars::Selection& selection) {
  ui::set_label(numbers_, selection.sel_text);
  ui::set_label(count_, selection.count_caption);
}

}  // namespace bestpillars
