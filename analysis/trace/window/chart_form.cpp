#include "analysis/trace/window/chart_form.h"

#include <QHBoxLayout>
#include <QMainWindow>
#include <QShowEvent>
#include <QVBoxLayout>

#include "analysis/trace/chart_titles.h"
#include "analysis/trace/window/chart_bars.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace {

constexpr core::Date kFirstDay{2005, 1, 1};
const QString kShowDetail = QStringLiteral("顯示拖牌明細");
const QString kHideDetail = QStringLiteral("隱藏拖牌明細");

}  // namespace

using chartwin::BarChart;

TForm_zu_chart1::TForm_zu_chart1(const core::DrawHistory& history, const core::Clock& clock, QWidget* parent)
    : ui::FormDialog(parent), history_(history), clock_(clock) {
  setObjectName("TForm_zu_chart1");
  setWindowTitle(QStringLiteral("拖牌匯總統計圖"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  build();
  resize(kDefaultWidth, kDefaultHeight);
}

void TForm_zu_chart1::build() {
  Panel1 = new chartwin::ChartSettingsPanel(this);
  // The charts sit in a main window of their own, so the query panel can dock beside them.
  auto* charts = new QMainWindow(this);
  charts->setWindowFlags(Qt::Widget);  // a main window is a window of its own unless told
  charts->setObjectName("charts");
  Chart1 = new BarChart({"Chart1", QStringLiteral("號碼統計"), true, QStringLiteral("儲存圖片(BMP檔案)"),
                         QStringLiteral("複製統計表 (COPY)")});
  Chart2 = new BarChart({"Chart2", QStringLiteral("頭數統計"), false, QStringLiteral("儲存圖片 (BMP檔案)"),
                         QStringLiteral("複製 (COPY)")});
  Chart3 = new BarChart({"Chart3", QStringLiteral("尾數統計"), false, QStringLiteral("儲存圖片(BMP檔案)"),
                         QStringLiteral("複製 (COPY)")});
  Chart2->setFixedWidth(326);
  // Room for every bar's label: the number chart's 39 and the tail chart's 10.
  Chart1->setMinimumWidth(420);
  Chart3->setMinimumWidth(320);
  Chart3->setFixedHeight(184);
  Chart2->setFixedHeight(184);
  add_detail_items(Chart3, kShowDetail, kHideDetail);
  add_detail_items(Chart2, QStringLiteral("顯示合格期數明細"), QStringLiteral("隱藏合格期數明細"));
  Button1 = ui::push_button(this, kShowDetail, "Button1");
  Panel4 = new chartwin::ChartDetailPanel(this);
  Panel4->setFixedWidth(400);
  Panel4->hide();
  Panel3 = new chartwin::ChartQueryPanel(charts);
  charts->addDockWidget(Qt::TopDockWidgetArea, Panel3);
  Panel3->hide();

  auto* central = new QWidget(charts);
  auto* panel2 = new QHBoxLayout;
  panel2->addWidget(Chart3, 1);
  panel2->addWidget(Chart2);
  auto* numbers = new QHBoxLayout;
  numbers->addWidget(Chart1, 1);
  numbers->addWidget(Panel4);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(panel2);
  column->addWidget(Button1, 0, Qt::AlignLeft);
  column->addLayout(numbers, 1);
  charts->setCentralWidget(central);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(Panel1);
  layout->addWidget(charts, 1);

  connect(Panel1, &chartwin::ChartSettingsPanel::summary_changed, this, [this] { cb_next01Click(); });
  connect(Panel1, &chartwin::ChartSettingsPanel::period_changed, this, [this] { period_changed(); });
  connect(Panel1, &chartwin::ChartSettingsPanel::query_mode_clicked, this, [this] { cb_star234Click(); });
  connect(Panel3, &chartwin::ChartQueryPanel::query_requested, this,
          [this](const trace::ChartQuery& query) { run_query(query); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm_zu_chart1::add_detail_items(BarChart* chart, const QString& show, const QString& hide) {
  chart->menu->addSeparator();
  chart->menu->addAction(show, this, [this] { set_detail_visible(true); });
  chart->menu->addAction(hide, this, [this] { set_detail_visible(false); });
}

void TForm_zu_chart1::set_logo(const QPixmap& logo) {
  Panel1->Image1->setPixmap(logo.scaled(Panel1->Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TForm_zu_chart1::FormShow() {
  table_ = trace::make_trace_table(history_);
  {
    const QSignalBlocker from(Panel1->DateTimePicker1), to(Panel1->DateTimePicker2);
    Panel1->DateTimePicker1->setDate(ui::qdate(kFirstDay));
    Panel1->DateTimePicker2->setDate(ui::qdate(clock_.today()));
  }
  const int newest = table_.draw_count();
  Panel1->Label10->setText(newest ? ui::qs(table_.date(newest)) : QString());
  QStringList balls;
  if (newest)
    for (const std::string& ball : trace::sorted_texts(table_, newest)) balls << ui::qs(ball);
  Panel1->Label7->setText(balls.join(','));
  ResetArray();
  {
    const QSignalBlocker blocker(Panel1->cb_star234);
    Panel1->cb_star234->setChecked(false);
  }
  cb_star234Click();
  {
    const QSignalBlocker blocker(Panel1->distances[0]);
    Panel1->distances[0]->setChecked(true);
  }
  cb_next01Click();
  Button1->setText(kHideDetail);
  Button1Click();
}

void TForm_zu_chart1::ResetArray() {
  for (BarChart* chart : {Chart1, Chart2, Chart3}) chart->clear_bars();
}

void TForm_zu_chart1::cb_next01Click() {
  if (Panel1->cb_star234->isChecked()) return;
  shown_query_.reset();
  show_run(Panel1->settings());
}

void TForm_zu_chart1::run_query(const trace::ChartQuery& query) {
  shown_query_ = query;
  trace::ChartSettings settings = Panel1->settings();
  settings.query = query;
  show_run(settings);
}

void TForm_zu_chart1::period_changed() {
  if (!Panel1->cb_star234->isChecked()) return cb_next01Click();
  if (shown_query_) return run_query(*shown_query_);
  show_run(Panel1->settings());  // the summary still on display from before query mode
}

// With no distance ticked nothing is counted: the memos keep their headers only and the
// charts stay empty.
void TForm_zu_chart1::show_run(const trace::ChartSettings& settings) {
  ResetArray();
  if (!Panel1->any_distance()) {
    const std::vector<std::string> header{std::string(trace::kChartMemoHeader)};
    Panel4->show_lines(header, header);
    return;
  }
  trace::ChartData data = trace::run_chart(table_, settings, history_.game_name);
  data.number_title = trace::shown_number_title(data, settings, history_.game_name);
  Panel1->Label5->setText(QString::number(data.period_draws));
  show_charts(data);
  Panel4->show_lines(data.resembling_draws, data.following_draws);
  for (const std::string& message : data.messages) ui::message(this, ui::MessageKind::Information, ui::qs(message));
}

void TForm_zu_chart1::show_charts(const trace::ChartData& data) {
  Chart1->show_bars(data.numbers, data.number_title);
  Chart2->show_bars(data.heads, data.head_title);
  Chart3->show_bars(data.tails, data.tail_title);
}

void TForm_zu_chart1::cb_star234Click() {
  const bool querying = Panel1->cb_star234->isChecked();
  Panel1->enable_levels(!querying);
  Panel3->setVisible(querying);
  if (querying) Panel3->start();
}

void TForm_zu_chart1::Button1Click() { set_detail_visible(Button1->text() == kShowDetail); }

void TForm_zu_chart1::set_detail_visible(bool visible) {
  Panel4->setVisible(visible);
  Button1->setText(visible ? kHideDetail : kShowDetail);
}
