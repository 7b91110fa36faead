#include "analysis/trace/window/chart_settings_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/controls.h"
#include "ui/widgets.h"

namespace chartwin {
namespace {

const char* const kDistanceCaptions[trace::kChartDistances] = {"一", "二", "三", "四",   "五",   "六",
                                                                "七", "八", "九", "十", "十一", "十二"};

// A label that reads as a link and tells when it is clicked.
QLabel* link(QWidget* parent, const QString& text, const QString& name) {
  QLabel* l = ui::label(parent, QStringLiteral("<a href=\"#\">%1</a>").arg(text), name);
  l->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  return l;
}

}  // namespace

ChartSettingsPanel::ChartSettingsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("Panel1");
  setFixedHeight(137);
  auto* left = new QVBoxLayout;
  left->addLayout(build_period_row());
  left->addLayout(build_choice_rows());
  Image1 = ui::label(this, QString(), "Image1");
  Image1->setFixedSize(150, 64);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->addLayout(left, 1);
  layout->addWidget(Image1, 0, Qt::AlignTop);

  for (QCheckBox* box : levels) ui::on_click(box, this, [this] { emit summary_changed(); });
  for (QCheckBox* box : distances) ui::on_click(box, this, [this] { emit summary_changed(); });
  ui::on_click(cb_sort, this, [this] { emit summary_changed(); });
  ui::on_click(cb_star234, this, [this] { emit query_mode_clicked(); });
  for (QDateEdit* picker : {DateTimePicker1, DateTimePicker2})
    connect(picker, &QDateEdit::dateChanged, this, [this] { emit summary_changed(); });
  connect(Label6, &QLabel::linkActivated, this, [this] { emit help_clicked(); });
  connect(Label11, &QLabel::linkActivated, this, [this] { emit query_help_clicked(); });
}

QLayout* ChartSettingsPanel::build_period_row() {
  DateTimePicker1 = ui::date_picker(this, "DateTimePicker1");
  DateTimePicker2 = ui::date_picker(this, "DateTimePicker2");
  Label5 = ui::label(this, QString(), "Label5");
  Label5->setMinimumWidth(50);
  ui::set_look(Label5, QColor(0, 0, 160), true);
  Label6 = link(this, QStringLiteral("說明"), "Label6");
  Label8 = ui::label(this, QStringLiteral("最近開獎"), "Label8");
  Label10 = ui::label(this, QStringLiteral("最近開獎"), "Label10");
  Label7 = ui::label(this, QStringLiteral("最近開獎"), "Label7");
  ui::set_look(Label7, QColor(200, 0, 0), true);
  auto* row = ui::row_of({ui::label(this, QStringLiteral("自")), DateTimePicker1, ui::label(this, QStringLiteral("至")),
                          DateTimePicker2, ui::label(this, QStringLiteral("期數")), Label5, Label6});
  row->addSpacing(20);
  for (QLabel* l : {Label8, Label10, Label7}) row->addWidget(l);
  row->addStretch();
  return row;
}

QLayout* ChartSettingsPanel::build_choice_rows() {
  const QString level_captions[] = {QStringLiteral("獨支拖牌匯總"), QStringLiteral("二星拖牌匯總"),
                                    QStringLiteral("三星拖牌匯總")};
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(2);
  for (int l = 0; l < trace::kChartLevels; ++l) {
    levels[static_cast<std::size_t>(l)] = ui::check_box(this, level_captions[l], QStringLiteral("cb_star%1").arg(l + 1));
    grid->addWidget(levels[static_cast<std::size_t>(l)], l, 0);
  }
  for (int k = 0; k < trace::kChartDistances; ++k) {
    const QString caption = QStringLiteral("拖下%1期").arg(QString::fromUtf8(kDistanceCaptions[k]));
    auto* box = ui::check_box(this, caption, QStringLiteral("cb_next%1").arg(k + 1, 2, 10, QLatin1Char('0')));
    distances[static_cast<std::size_t>(k)] = box;
    grid->addWidget(box, k / 6, 1 + k % 6);
  }
  levels[0]->setChecked(true);
  distances[0]->setChecked(true);
  cb_sort = ui::check_box(this, QStringLiteral("按統計大小排列"), "cb_sort");
  cb_sort->setChecked(true);
  cb_star234 = ui::check_box(this, QStringLiteral("個別查詢"), "cb_star234");
  ui::set_look(cb_star234, QColor(160, 0, 0), true);
  Label11 = link(this, QStringLiteral("個別查詢說明"), "Label11");
  grid->addWidget(cb_sort, 2, 1, 1, 2);
  grid->addWidget(cb_star234, 2, 3);
  grid->addWidget(Label11, 2, 4, 1, 2);
  grid->setColumnStretch(7, 1);
  return grid;
}

trace::ChartSettings ChartSettingsPanel::settings() const {
  trace::ChartSettings s;
  s.from = ui::date_of(DateTimePicker1->date());
  s.to = ui::date_of(DateTimePicker2->date());
  for (std::size_t k = 0; k < distances.size(); ++k) s.next[k] = distances[k]->isChecked();
  for (std::size_t l = 0; l < levels.size(); ++l) s.levels[l] = levels[l]->isChecked();
  s.sorted = cb_sort->isChecked();
  return s;
}

bool ChartSettingsPanel::any_distance() const {
  return std::any_of(distances.begin(), distances.end(), [](const QCheckBox* box) { return box->isChecked(); });
}

void ChartSettingsPanel::enable_levels(bool enabled) {
  for (QCheckBox* box : levels) box->setEnabled(enabled);
}

}  // namespace chartwin
