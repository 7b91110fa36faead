#include "analysis/trace/window/tform_zu_grid_sort.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

#include "analysis/trace/sorted_grid.h"
#include "analysis/trace/window/trace_grid_view.h"
#include "ui/dialogs.h"
#include "ui/string_grid.h"

namespace {

const QColor kLightBlue{204, 236, 255};

}  // namespace

TForm_zu_grid_sort::TForm_zu_grid_sort(QWidget* parent) : ui::FormDialog(parent) {
  setObjectName("TForm_zu_grid_sort");
  setWindowTitle(QStringLiteral("版路拖牌排序顯示"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  sgmap = tracewin::trace_grid(this, "sgmap", tracewin::kNavy, kLightBlue);
  sgmap->set_grid(core::TextGrid(1, trace::kSortedColumns));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(sgmap);
  PopupMenu1 = new QMenu(this);
  N1 = PopupMenu1->addAction(tracewin::kSaveTraceAction, this, [this] { N1Click(); });
  // Without a window manager (a virtual display) maximising does nothing; size it anyway.
  if (const QScreen* s = screen()) setGeometry(s->availableGeometry());
  setWindowState(Qt::WindowMaximized);
}

void TForm_zu_grid_sort::show_grid_sort(tracewin::SharedTrace shown) {
  max_ball_ = shown->max_ball;
  title_ = shown->result.title;
  tracewin::show_trace_grid(sgmap, trace::sorted_grid(shown->result.grid, shown->result.keys, max_ball_));
  ui::show_modeless(this);
}

void TForm_zu_grid_sort::N1Click() {
  tracewin::save_text_form(this, sgmap->grid(), max_ball_, title_.empty() ? windowTitle().toStdString() : title_);
}

void TForm_zu_grid_sort::contextMenuEvent(QContextMenuEvent* event) { PopupMenu1->exec(event->globalPos()); }
