#include "analysis/trace/window/choice_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "analysis/trace/window/trace_grid_view.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/spreadsheet_save.h"
#include "ui/string_grid.h"
#include "ui/widgets.h"

namespace tracewin {
namespace {

const QColor kGrey{212, 208, 200};

bool pairs(int size) { return size == 2; }

}  // namespace

ChoiceWindow::ChoiceWindow(int size, QWidget* parent) : ui::FormDialog(parent), size_(size) {
  setWindowTitle(pairs(size) ? QStringLiteral("拖牌二中一分析") : QStringLiteral("拖牌三中一分析"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, kGrey);
  setPalette(grey);
  setAutoFillBackground(true);

  sg1 = trace_grid(this, "sg1", kNavy, Qt::white);
  ui::offer_spreadsheet(sg1);
  ComboBox1 = ui::make_combo(this, {}, {});
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setMaxVisibleItems(20);
  ComboBox1->setFixedWidth(ComboBox1->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00")) + 44);
  Label2 = ui::label(this, QStringLiteral("全部期數"), "Label2");
  Label3 = ui::label(this, QStringLiteral("開出期數"), "Label3");
  Label4 = ui::label(this, QStringLiteral("開出期數"), "Label4");

  auto* side = new QVBoxLayout;
  side->addWidget(ui::label(this, pairs(size) ? QStringLiteral("二中一號碼") : QStringLiteral("三中一號碼")));
  side->addWidget(ComboBox1);
  side->addSpacing(12);
  for (QLabel* l : {Label2, Label3, Label4}) side->addWidget(l);
  side->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(sg1, 1);
  layout->addLayout(side);
  resize(480, 560);

  ui::on_entry(ComboBox1, this, [this] { return ComboBox1Change(); });
}

void ChoiceWindow::open_on(SharedTrace shown) {
  shown_ = std::move(shown);
  const auto& marks = shown_->result.row_marks;
  ranked_ = pairs(size_) ? trace::rank_pairs(marks, shown_->max_ball) : trace::rank_triples(marks, shown_->max_ball);
  const auto items = trace::choice_items(ranked_, pairs(size_) ? trace::kPairItems : trace::kTripleItems);
  ui::set_items(ComboBox1, items);
  ui::set_text(ComboBox1, items.empty() ? std::string() : items.front());
  view_ = trace::open_choice_view(shown_->result.grid, shown_->result.trace_row_count(), size_, shown_->max_ball,
                                  ui::text_of(ComboBox1));
  show_view();
  ui::show_modal(this);
}

bool ChoiceWindow::ComboBox1Change() {
  if (!shown_) return true;
  const std::string text = ui::text_of(ComboBox1);
  if (const core::Status whole = trace::check_choice(text, size_, shown_->max_ball); !whole) {
    ui::show_error(this, whole.error());
    return false;
  }
  trace::pick_choice(view_, shown_->result.grid, shown_->result.trace_row_count(), shown_->max_ball,
                     text);
  show_view();
  return true;
}

void ChoiceWindow::show_view() {
  show_trace_grid(sg1, view_.grid);
  // The grid is as wide as its few columns; the window keeps what is left for the box.
  int width = 2 * sg1->frameWidth() + sg1->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < view_.grid.columns(); ++c) width += sg1->columnWidth(c);
  sg1->setFixedWidth(width);
  resize(layout()->sizeHint().width(), height());
  ui::set_label(Label2, view_.trace_rows);
  ui::set_label(Label3, view_.hit_rows);
  ui::set_label(Label4, view_.numbers_drawn);
}

}  // namespace tracewin
