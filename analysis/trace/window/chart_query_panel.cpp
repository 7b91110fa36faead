#include "analysis/trace/window/chart_query_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QMainWindow>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/widgets.h"

namespace chartwin {
namespace {

QToolButton* start_button(QWidget* parent, const char* name) {
  QToolButton* button = ui::tool_button(parent, QStringLiteral("查詢"), name);
  button->setToolTip(QStringLiteral("開始查詢"));
  button->setCursor(Qt::ArrowCursor);
  return button;
}

}  // namespace

using trace::ChartQueryKind;

ChartQueryPanel::ChartQueryPanel(QWidget* parent) : QDockWidget(QStringLiteral("個別查詢"), parent) {
  setObjectName("Panel3");
  setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  auto* boxes = new QWidget(this);
  setWidget(boxes);
  grid_ = new QGridLayout(boxes);
  grid_->setContentsMargins(4, 2, 4, 2);
  Panel6 = text_box({QStringLiteral("不定位號碼查詢(獨二三星)"), "Panel6", "Edit1", "SpeedButton4"}, 6,
                    QStringLiteral("請輸入單支(如01),二星(如0618),三星(如152339)"), Edit1, SpeedButton4);
  Panel8 = text_box({QStringLiteral("不定位尾數查詢(1,2,3,4尾)"), "Panel8", "Edit1T", "SpeedButton3"}, 4,
                    QStringLiteral("請輸入1-3尾如035),表是查詢0,3,5尾之期數"), Edit1T, SpeedButton3);
  Panel7 = position_box({QStringLiteral("定位號碼拖牌查詢"), "Panel7", "Editno", "SpeedButton1"}, 2, Editno, RBL, RBS,
                        SpeedButton1);
  Panel5 = position_box({QStringLiteral("定位尾數拖牌查詢"), "Panel5", "EditT", "SpeedButton2"}, 1, EditT, RBLT, RBST,
                        SpeedButton2);
  arrange(4);
  connect(this, &QDockWidget::dockLocationChanged, this, [this] { follow_dock_area(); });
  connect(this, &QDockWidget::topLevelChanged, this, [this] { follow_dock_area(); });
  connect(SpeedButton4, &QToolButton::clicked, this, [this] { emit query_requested(query(ChartQueryKind::Numbers)); });
  connect(SpeedButton3, &QToolButton::clicked, this, [this] { emit query_requested(query(ChartQueryKind::Tails)); });
  connect(SpeedButton1, &QToolButton::clicked, this,
          [this] { emit query_requested(query(ChartQueryKind::Positions)); });
  connect(SpeedButton2, &QToolButton::clicked, this,
          [this] { emit query_requested(query(ChartQueryKind::PositionTails)); });
}

void ChartQueryPanel::arrange(int columns) {
  QGroupBox* const order[] = {Panel6, Panel8, Panel7, Panel5};
  for (int i = 0; i < 4; ++i) {
    grid_->removeWidget(order[i]);
    grid_->addWidget(order[i], i / columns, i % columns);
    grid_->setRowStretch(i, 0);
    grid_->setColumnStretch(i, 0);
  }
  // The spare room goes after the boxes, not into them.
  grid_->setRowStretch((3 + columns) / columns, 1);
  grid_->setColumnStretch(columns, 1);
}

// Dropped at a side, the panel is no wider than its column of boxes, above or below no
// taller than its row, whatever size it had where it came from; floating, it starts at
// the size of its boxes and is free.
void ChartQueryPanel::follow_dock_area() {
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (isFloating()) {
    arrange(2);
    widget()->layout()->activate();
    resize(sizeHint());
    return;
  }
  const auto* window = qobject_cast<QMainWindow*>(parentWidget());
  const Qt::DockWidgetArea area = window ? window->dockWidgetArea(this) : Qt::TopDockWidgetArea;
  const bool side = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
  arrange(side ? 1 : 4);
  widget()->layout()->activate();
  const QSize wanted = sizeHint();
  if (side) setMaximumWidth(wanted.width());
  else setMaximumHeight(wanted.height());
}

QGroupBox* ChartQueryPanel::text_box(const BoxNames& names, int length, const QString& hint, QLineEdit*& edit,
                                     QToolButton*& button) {
  auto* box = new QGroupBox(names.caption, this);
  box->setObjectName(names.box);
  edit = new QLineEdit(box);
  edit->setObjectName(names.field);
  edit->setMaxLength(length);
  edit->setToolTip(hint);
  edit->setFixedWidth(90);
  button = start_button(box, names.button);
  auto* row = new QHBoxLayout(box);
  row->addWidget(edit);
  row->addWidget(button);
  row->addStretch();
  return box;
}

QGroupBox* ChartQueryPanel::position_box(const BoxNames& names, int length, std::array<QLineEdit*, 5>& edits,
                                         QRadioButton*& drawn, QRadioButton*& ascending, QToolButton*& button) {
  const QString prefix = QString::fromLatin1(names.field);
  auto* box = new QGroupBox(names.caption, this);
  box->setObjectName(names.box);
  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(3);
  fields->setVerticalSpacing(0);
  for (int j = 0; j < 5; ++j) {
    auto* edit = new QLineEdit(box);
    edit->setObjectName(QStringLiteral("%1%2").arg(prefix).arg(j + 1));
    edit->setMaxLength(length);
    edit->setFixedWidth(28);
    edit->setAlignment(Qt::AlignCenter);
    edits[static_cast<std::size_t>(j)] = edit;
    fields->addWidget(ui::label(box, QString::number(j + 1)), 0, j, Qt::AlignCenter);
    fields->addWidget(edit, 1, j);
  }
  const QString suffix = prefix == "EditT" ? QStringLiteral("T") : QString();
  drawn = new QRadioButton(QStringLiteral("落球"), box);
  drawn->setObjectName("RBL" + suffix);
  drawn->setChecked(true);
  ascending = new QRadioButton(QStringLiteral("順球"), box);
  ascending->setObjectName("RBS" + suffix);
  auto* order = new QVBoxLayout;
  order->setSpacing(0);
  order->addWidget(drawn);
  order->addWidget(ascending);
  button = start_button(box, names.button);
  auto* row = new QHBoxLayout(box);
  row->addLayout(fields);
  row->addLayout(order);
  row->addWidget(button, 0, Qt::AlignBottom);
  row->addStretch();
  return box;
}

trace::ChartQuery ChartQueryPanel::query(ChartQueryKind kind) const {
  trace::ChartQuery q;
  q.kind = kind;
  switch (kind) {
    case ChartQueryKind::Numbers: q.text = ui::u8(Edit1->text()); break;
    case ChartQueryKind::Tails: q.text = ui::u8(Edit1T->text()); break;
    case ChartQueryKind::Positions:
    case ChartQueryKind::PositionTails: {
      const auto& edits = kind == ChartQueryKind::Positions ? Editno : EditT;
      for (std::size_t j = 0; j < edits.size(); ++j) q.fields[j] = ui::u8(edits[j]->text());
      q.ascending = (kind == ChartQueryKind::Positions ? RBS : RBST)->isChecked();
      break;
    }
  }
  return q;
}

void ChartQueryPanel::start() {
  Edit1->clear();
  Edit1->setFocus();
}

}  // namespace chartwin
