#include "analysis/trace/window/chart_detail_panel.h"

#include <QMenu>
#include <QVBoxLayout>

#include "ui/spreadsheet_save.h"
#include "ui/widgets.h"

namespace chartwin {
namespace {

ui::Memo* detail_memo(QWidget* parent, const char* name) {
  ui::Memo* memo = ui::fixed_pitch_memo(parent, name);
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setToolTip(QStringLiteral("按右鍵可複製明細資料"));
  auto* menu = new QMenu(memo);
  menu->addAction(QStringLiteral("全選 Select All"), memo, &QPlainTextEdit::selectAll);
  menu->addAction(QStringLiteral("複製 COPY"), memo, &QPlainTextEdit::copy);
  menu->addAction(ui::kSpreadsheetAction, memo,
                  [memo] { ui::save_spreadsheet(memo, core::sheet_of_lines(memo->window()->windowTitle().toStdString(), memo->lines())); });
  memo->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(memo, &QWidget::customContextMenuRequested, memo,
                   [memo, menu](const QPoint& at) { menu->popup(memo->viewport()->mapToGlobal(at)); });
  return memo;
}

}  // namespace

ChartDetailPanel::ChartDetailPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("Panel4");
  Memo1 = detail_memo(this, "Memo1");
  Memo2 = detail_memo(this, "Memo2");
  const QColor navy(0, 0, 128);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ui::heading(this, QStringLiteral("本期(按右鍵可複製下面資料)"), navy));
  layout->addWidget(Memo1, 1);
  layout->addWidget(ui::heading(this, QStringLiteral("拖牌明細(按右鍵可複製下面資料)"), navy));
  layout->addWidget(Memo2, 1);
}

void ChartDetailPanel::show_lines(const std::vector<std::string>& matched, const std::vector<std::string>& following) {
  Memo1->set_lines(matched);
  Memo2->set_lines(following);
}

}  // namespace chartwin
