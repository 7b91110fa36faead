#include "analysis/trace/window/trace_sheet.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "analysis/trace/number_entry.h"
#include "analysis/trace/trace_messages.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace tracewin {

QString page_hint() { return QStringLiteral("將滑鼠放在裡面按一下,使用上下移動鍵可快速選擇"); }

TraceSheet::TraceSheet(const TraceLinks& links, const Names& names, QWidget* parent)
    : QWidget(parent), links_(links) {
  panel = new QFrame(this);
  panel->setObjectName(names.panel);
  back = ui::tool_button(panel, QStringLiteral("上一期"), names.back);
  distance_label = ui::label(panel, QStringLiteral("本期"), names.label);
  distance_label->setMinimumWidth(distance_label->fontMetrics().horizontalAdvance(QStringLiteral("上 2500 期")) + 8);
  distance_label->setAlignment(Qt::AlignCenter);
  forward = ui::tool_button(panel, QStringLiteral("下一期"), names.forward);
  pairs = ui::push_button(panel, QStringLiteral("二中一"), names.pairs);
  triples = ui::push_button(panel, QStringLiteral("三中一"), names.triples);
  sorted = ui::push_button(panel, QStringLiteral("進階"), names.sorted);
  close = ui::push_button(panel, QStringLiteral("關閉"), names.close);
  connect(back, &QToolButton::clicked, this, [this] { step(-1); });
  connect(forward, &QToolButton::clicked, this, [this] { step(+1); });
  connect(pairs, &QPushButton::clicked, this, &TraceSheet::pairs_requested);
  connect(triples, &QPushButton::clicked, this, &TraceSheet::triples_requested);
  connect(sorted, &QPushButton::clicked, this, &TraceSheet::sorted_requested);
  connect(close, &QPushButton::clicked, this, &TraceSheet::close_requested);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(2, 2, 2, 2);
  v->setSpacing(2);
  v->addWidget(panel);
}

void TraceSheet::step(int delta) {
  if (retrace_at(distance_ + delta)) stepped();
}

bool TraceSheet::retrace_at(int distance) {
  const int kept = distance_;
  distance_ = distance;
  if (retrace()) return true;
  distance_ = kept;
  return false;
}

bool TraceSheet::show(const trace::TraceBoxes& boxes, const trace::ExportBound& export_bound,
                      const std::vector<const QComboBox*>& read) {
  if (const core::Status shown = links_.show_trace(boxes, distance_, export_bound); !shown) {
    refuse(shown.error(), read);
    return false;
  }
  ui::set_label(distance_label, trace::distance_label(distance_));
  return true;
}

void TraceSheet::refuse(const core::Error& error, const std::vector<const QComboBox*>& read) {
  ui::show_refusal(window(), error, read);
}

QComboBox* TraceSheet::issue_box(const QString& name) {
  QComboBox* issue = box(name, {}, {}, 0);
  issue->setMinimumWidth(issue->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 40);
  ui::set_look(issue, Qt::red, true);
  issue->setToolTip(page_hint());
  ui::refill_when_emptied(issue);
  return issue;
}

QComboBox* TraceSheet::box(const QString& name, const std::vector<std::string>& items, const std::string& text,
                           int width) {
  QComboBox* combo = ui::make_combo(panel, items, text);
  combo->setObjectName(name);
  combo->setMaxVisibleItems(20);
  if (width > 0) combo->setFixedWidth(width);
  return combo;
}

QLabel* TraceSheet::caption(const char* text) { return ui::label(panel, QString::fromUtf8(text)); }

void TraceSheet::lay_out(std::initializer_list<QWidget*> own, std::initializer_list<QWidget*> after) {
  QHBoxLayout* row = ui::row();
  row->setContentsMargins(4, 2, 4, 2);
  for (QWidget* w : own) row->addWidget(w);
  row->addSpacing(8);
  for (QWidget* w : {static_cast<QWidget*>(back), static_cast<QWidget*>(distance_label),
                     static_cast<QWidget*>(forward)})
    row->addWidget(w);
  for (QWidget* w : after) row->addWidget(w);
  row->addStretch();
  for (QPushButton* b : {pairs, triples, sorted, close}) row->addWidget(b);
  panel->setLayout(row);
}

void TraceSheet::set_issue_items(QComboBox* issue, const OpeningItems& items) {
  ui::set_items(issue, items.issues);
  issue_ = items.issues.empty() ? std::string() : items.issues.front();
  ui::set_text(issue, issue_);
}

std::optional<int> TraceSheet::choose_draw(const QComboBox* issue, QComboBox* numbers, trace::TraceTab tab) {
  const auto s = trace::find_issue(links_.table, ui::text_of(issue));
  if (!s) {
    ui::message(window(), ui::MessageKind::Warning, ui::qs(trace::msg::unknown_issue(ui::text_of(issue))));
    return s;
  }
  issue_ = ui::text_of(issue);
  distance_ = trace::next_draw_distance(links_.table, *s);
  offer(numbers, trace::number_box(links_.table, *s, tab));
  return s;
}

void TraceSheet::offer(QComboBox* numbers, const trace::NumberBox& offered) {
  ui::set_items(numbers, offered.items);
  ui::set_text(numbers, offered.text);
}

std::optional<std::string> TraceSheet::read_numbers(const QComboBox* numbers, trace::TraceTab tab) {
  if (numbers->currentText().isEmpty()) {
    ui::message(window(), ui::MessageKind::Warning, ui::empty_box_message(numbers));
    return std::nullopt;
  }
  auto read = trace::read_number_entry(tab, ui::text_of(numbers), links_.table.max_ball);
  if (!read) {
    ui::show_error(window(), read.error());
    return std::nullopt;
  }
  return std::move(read).value();
}

void TraceSheet::show_read(QComboBox* numbers, const std::string& read) {
  if (ui::text_of(numbers) != read) ui::set_text(numbers, read);
}

}  // namespace tracewin
