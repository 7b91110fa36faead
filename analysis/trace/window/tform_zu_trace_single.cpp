#include "analysis/trace/window/tform_zu_trace_single.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/trace/window/add_sheet.h"
#include "analysis/trace/window/combination_sheet.h"
#include "analysis/trace/window/cycle_sheet.h"
#include "analysis/trace/window/position_sheet.h"
#include "analysis/trace/window/single_number_sheet.h"
#include "analysis/trace/window/trace_grid_view.h"
#include "core/ball_text.h"
#include "core/loader.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/string_grid.h"

using tracewin::TraceSheet;

namespace {

const QColor kHighlight{200, 0, 0};

}  // namespace

TForm_zu_trace_single::TForm_zu_trace_single(core::DrawTable& table, QWidget* parent)
    : ui::FormDialog(parent),
      draw_table_(table), history_(table.history()),
      links_{table_, [this](const trace::TraceBoxes& boxes, int distance,
                            const trace::ExportBound& bound) { return show_trace(boxes, distance, bound); },
             [this](bool pinned) { pin(pinned); }} {
  setObjectName("TForm_zu_trace_single");
  setWindowTitle(QStringLiteral("單期號碼拖牌"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setToolTip(QStringLiteral("按滑鼠右鍵版路分析"));
  build_pages();
  sgmap = tracewin::trace_grid(this, "sgmap", tracewin::kNavy, Qt::white);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(PageControl1);
  layout->addWidget(sgmap, 1);
  build_menu();
  // Without a window manager (a virtual display) maximising does nothing; size it anyway.
  if (const QScreen* s = screen()) setGeometry(s->availableGeometry());
  setWindowState(Qt::WindowMaximized);
}

TForm_zu_trace_single::~TForm_zu_trace_single() = default;

void TForm_zu_trace_single::build_pages() {
  using trace::TraceTab;
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setToolTip(tracewin::page_hint());
  PageControl1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  sheets_ = {TabSheet1 = new tracewin::SingleNumberSheet(links_),
             TabSheet2 = new tracewin::CombinationSheet(links_, TraceTab::Pair),
             TabSheet7 = new tracewin::CombinationSheet(links_, TraceTab::Triple),
             TabSheet3 = new tracewin::PositionSheet(links_, TraceTab::Ascending),
             TabSheet4 = new tracewin::PositionSheet(links_, TraceTab::Drawn),
             TabSheet5 = new tracewin::AddSheet(links_),
             TabSheet6 = new tracewin::CycleSheet(links_)};
  const char* captions[] = {"不定位單支拖牌", "不定位雙星拖牌", "不定位三星拖牌", "大小定位拖牌",
                            "落球定位拖牌",   "大小加減版路",   "週期法"};
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    PageControl1->addTab(sheets_[i], QString::fromUtf8(captions[i]));
    connect_sheet(sheets_[i]);
  }
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
    // What was typed on the tab left behind is finished there before the new tab traces.
    (void)ui::finish_entries(this);
    PageControl1Change();
  });
}

void TForm_zu_trace_single::connect_sheet(TraceSheet* sheet) {
  connect(sheet, &TraceSheet::pairs_requested, this, [this] { follow_up(&TForm_zu_trace_single::two_of_one_requested); });
  connect(sheet, &TraceSheet::triples_requested, this,
          [this] { follow_up(&TForm_zu_trace_single::three_of_one_requested); });
  connect(sheet, &TraceSheet::sorted_requested, this, [this] { follow_up(&TForm_zu_trace_single::grid_sort_requested); });
  connect(sheet, &TraceSheet::close_requested, this, &QDialog::close);
}

void TForm_zu_trace_single::build_menu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  N1 = PopupMenu1->addAction(QStringLiteral("版路分析及拖牌結果"), this, [this] { N1Click(); });
  // The rule definition command has nothing bound to it yet.
  N2 = PopupMenu1->addAction(QStringLiteral("版路定義"));
  N3 = PopupMenu1->addAction(QStringLiteral("操作說明"), this, [this] { N3Click(); });
  N4 = PopupMenu1->addAction(tracewin::kSaveTraceAction, this, [this] { N4Click(); });
  N1->setEnabled(false);
  N2->setEnabled(false);
}

void TForm_zu_trace_single::connectNotify(const QMetaMethod& signal) {
  ui::FormDialog::connectNotify(signal);
  if (signal == QMetaMethod::fromSignal(&TForm_zu_trace_single::number_analysis_requested)) N1->setEnabled(true);
}

void TForm_zu_trace_single::contextMenuEvent(QContextMenuEvent* event) {
  // The menu's commands read the trace on screen: a typed entry is finished first.
  if (ui::finish_entries(this)) PopupMenu1->exec(event->globalPos());
}

void TForm_zu_trace_single::FormShow() {
  TabSheet1->end_pinned_mode();
  // The columns derived afresh from the loaded lines: this also puts the working ball
  // column back in draw order for the windows that read it (the trace table reads only
  // the drawn and sorted columns).
  if (const auto derived = draw_table_.derive_again(); !derived) ui::show_error(this, derived.error());
  table_ = trace::make_trace_table(history_);
  source_list_ = trace::all_draws(table_);
  const tracewin::OpeningItems items{core::ball_texts(table_.max_ball), trace::latest_issues(table_)};
  for (TraceSheet* sheet : sheets_) sheet->open(items);
  // The number box's trace stands until a draw is chosen (an empty table has none).
  TabSheet1->cb_trnoChange();
  select_page(0);
  PageControl1Change();
  if (pending_page_) {
    select_page(*pending_page_);
    PageControl1Change();
    pending_page_.reset();
  }
}

void TForm_zu_trace_single::show_page(int page) {
  if (!isVisible()) {
    pending_page_ = page;
    return;
  }
  select_page(page);
  PageControl1Change();
}

void TForm_zu_trace_single::refresh() {
  if (isVisible()) FormShow();
}

void TForm_zu_trace_single::select_page(int page) {
  const QSignalBlocker blocker(PageControl1);
  PageControl1->setCurrentIndex(page);
}

void TForm_zu_trace_single::PageControl1Change() {
  chk_highlight();
  const int page = PageControl1->currentIndex();
  if (page >= 0) sheets_[static_cast<std::size_t>(page)]->enter();
}

void TForm_zu_trace_single::chk_highlight() {
  QTabBar* tabs = PageControl1->tabBar();
  for (int i = 0; i < tabs->count(); ++i)
    tabs->setTabTextColor(i, i == PageControl1->currentIndex() ? kHighlight : QColor());
}

core::Status TForm_zu_trace_single::show_trace(const trace::TraceBoxes& boxes, int distance,
                                               const trace::ExportBound& export_bound) {
  auto traced = trace::trace_tab(table_, boxes, distance, source_list_);
  if (!traced) return traced.error();
  auto shown = std::make_shared<tracewin::ShownTrace>();
  shown->result = std::move(traced).value();
  shown->max_ball = table_.max_ball;
  shown->export_bound = export_bound;
  tracewin::show_trace_grid(sgmap, shown->result.grid);
  shown_ = std::move(shown);
  return {};
}

void TForm_zu_trace_single::pin(bool pinned) {
  source_list_ = pinned && shown_ ? shown_->result.trace_list : trace::all_draws(table_);
}

void TForm_zu_trace_single::follow_up(void (TForm_zu_trace_single::*request)(tracewin::SharedTrace)) {
  if (shown_) emit(this->*request)(shown_);
}

void TForm_zu_trace_single::N1Click() {
  if (shown_) emit number_analysis_requested(trace::export_trace(shown_->result, shown_->export_bound), shown_->result.title);
}

void TForm_zu_trace_single::N3Click() { emit help_requested(); }

void TForm_zu_trace_single::N4Click() {
  if (shown_) tracewin::save_text_form(this, shown_->result.grid, shown_->max_ball, shown_->result.title);
}
