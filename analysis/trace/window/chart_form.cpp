#include "analysis/trace/window/chart_form.h"

#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

#include "analysis/trace/window/chart_bars.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace {

constexpr core::Date kFirstDay{2005, 1, 1};
const QString kShowDetail = QStringLiteral("顯示拖牌明細");
const QString kHideDetail = QStringLiteral("隱藏拖牌明細");

const char* const kHelp[] = {
    "1.拖牌統計圖表是計算近期開出的號碼,在歷史開獎記錄中所拖出的號碼累計",
    "2.請選擇所需要之統計期間,拖牌類別,拖牌期數,是否包含特別號等參數",
    "3.本表所顯示的統計數據是每一參數所拖牌的總合,包括尾數,頭數和號碼的個別總數",
    "4.在圖表處按滑鼠右鍵可儲存成圖片檔案(BMP)或複製(COPY)"};
const char* const kQueryHelp[] = {
    "1.當您在[個別查詢]打勾時,在下面尾數統計圖上會出現查詢小視窗",
    "2.查詢小視窗共分有不定位號碼,尾數和定位號碼,尾數四種",
    "3.不定位號碼查詢可查獨支和二三星(2,4,6碼,如031530表示三星查詢)",
    "4.不定位尾數查詢可查1-4尾(1-4碼,如123表示查詢曾經開過123尾)",
    "5.定位號碼和尾數查詢,請在特定位置填上號碼或尾數,並請選落球或順球",
    "6.請選妥要查詢下幾期(在上面打勾)",
    "7.再選擇是否含特別號和按大小排列",
    "8.按計算機按鈕後計算,您就可以得到答案",
    "9.如要看每一期明細,請按顯示拖牌明細即可",
    "10.如要回復匯總統計,請將[個別查詢]取消即可"};

// Help lines separated by blank lines.
template <std::size_t N>
QString help_text(const char* const (&lines)[N]) {
  QStringList all;
  for (const char* line : lines) all << QString::fromUtf8(line);
  return all.join(QStringLiteral("\n\n"));
}

}  // namespace

using chartwin::BarChart;

TForm_zu_chart1::TForm_zu_chart1(const core::DrawHistory& history, const core::Clock& clock, QWidget* parent)
    : QDialog(parent), history_(history), clock_(clock) {
  setObjectName("TForm_zu_chart1");
  setWindowTitle(QStringLiteral("拖牌匯總統計圖"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  build();
  resize(1010, 720);
}

void TForm_zu_chart1::build() {
  Panel1 = new chartwin::ChartSettingsPanel(this);
  Chart1 = new BarChart({"Chart1", QStringLiteral("號碼統計"), true, QStringLiteral("儲存圖片(BMP檔案)"),
                         QStringLiteral("複製統計表 (COPY)")});
  Chart2 = new BarChart({"Chart2", QStringLiteral("頭數統計"), false, QStringLiteral("儲存圖片 (BMP檔案)"),
                         QStringLiteral("複製 (COPY)")});
  Chart3 = new BarChart({"Chart3", QStringLiteral("尾數統計"), false, QStringLiteral("儲存圖片(BMP檔案)"),
                         QStringLiteral("複製 (COPY)")});
  Chart2->setFixedWidth(326);
  add_detail_items(Chart3, kShowDetail, kHideDetail);
  add_detail_items(Chart2, QStringLiteral("顯示合格期數明細"), QStringLiteral("隱藏合格期數明細"));
  Button1 = ui::push_button(this, kShowDetail, "Button1");
  Panel4 = new chartwin::ChartDetailPanel(this);
  Panel4->setFixedWidth(400);
  Panel4->hide();
  Panel3 = new chartwin::ChartQueryPanel(this);  // floats over the tail chart
  Panel3->hide();

  auto* panel2 = new QHBoxLayout;
  panel2->addWidget(Chart3, 1);
  panel2->addWidget(Chart2);
  auto* numbers = new QHBoxLayout;
  numbers->addWidget(Chart1, 1);
  numbers->addWidget(Panel4);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(Panel1);
  layout->addLayout(panel2);
  Chart3->setFixedHeight(184);
  Chart2->setFixedHeight(184);
  layout->addWidget(Button1, 0, Qt::AlignLeft);
  layout->addLayout(numbers, 1);

  connect(Panel1, &chartwin::ChartSettingsPanel::summary_changed, this, [this] { cb_next01Click(); });
  connect(Panel1, &chartwin::ChartSettingsPanel::query_mode_clicked, this, [this] { cb_star234Click(); });
  connect(Panel1, &chartwin::ChartSettingsPanel::help_clicked, this, [this] { Label6Click(); });
  connect(Panel1, &chartwin::ChartSettingsPanel::query_help_clicked, this, [this] { Label11Click(); });
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

void TForm_zu_chart1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
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
  show_run(Panel1->settings());
}

void TForm_zu_chart1::run_query(const trace::ChartQuery& query) {
  trace::ChartSettings settings = Panel1->settings();
  settings.query = query;
  show_run(settings);
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
  const trace::ChartData data = trace::run_chart(table_, settings, history_.game_name);
  Panel1->Label5->setText(QString::number(data.period_draws));
  Chart1->show_bars(data.numbers, data.number_title);
  Chart2->show_bars(data.heads, data.head_title);
  Chart3->show_bars(data.tails, data.tail_title);
  Panel4->show_lines(data.memo1, data.memo2);
  for (const std::string& message : data.messages) ui::message(this, ui::MessageKind::Information, ui::qs(message));
}

void TForm_zu_chart1::cb_star234Click() {
  const bool querying = Panel1->cb_star234->isChecked();
  Panel1->enable_levels(!querying);
  Panel3->setVisible(querying);
  if (!querying) return;
  Panel3->adjustSize();
  Panel3->move(Chart3->mapTo(this, QPoint(40, 6)));
  Panel3->raise();
  Panel3->start();
}

void TForm_zu_chart1::Button1Click() { set_detail_visible(Button1->text() == kShowDetail); }

void TForm_zu_chart1::set_detail_visible(bool visible) {
  Panel4->setVisible(visible);
  Button1->setText(visible ? kHideDetail : kShowDetail);
}

void TForm_zu_chart1::Label6Click() { ui::message(this, ui::MessageKind::Information, help_text(kHelp)); }
void TForm_zu_chart1::Label11Click() { ui::message(this, ui::MessageKind::Information, help_text(kQueryHelp)); }
