#include "analysis/trace/window/chart_settings_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

namespace chartwin {
namespace {

const char* const kDistanceCaptions[trace::kChartDistances] = {"一", "二", "三", "四",   "五",   "六",
                                                                "七", "八", "九", "十", "十一", "十二"};

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
    connect(picker, &QDateEdit::dateChanged, this, [this] { emit period_changed(); });
  connect(Label6, &QLabel::linkActivated, this, [this] { Label6Click(); });
  connect(Label11, &QLabel::linkActivated, this, [this] { Label11Click(); });
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

void ChartSettingsPanel::Label6Click() { ui::message(this, ui::MessageKind::Information, help_text(kHelp)); }
void ChartSettingsPanel::Label11Click() { ui::message(this, ui::MessageKind::Information, help_text(kQueryHelp)); }

}  // namespace chartwin
