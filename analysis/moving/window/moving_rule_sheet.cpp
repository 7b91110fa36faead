#include "analysis/moving/window/moving_rule_sheet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/controls.h"
#include "ui/widgets.h"

namespace movingwin {
namespace {

constexpr int kLookBackItems = 30;

// The names the two tabs give their controls.
struct SheetNames {
  const char* sheet;
  const char* look_back;
  std::array<const char*, 3> positions;  // a null name: the tab has no such box
  std::array<const char*, 3> signs, amounts, counts;
  std::array<const char*, 2> or_labels;
  const char* title_button;
  const char* after_look_back;  // the captions around the position boxes
  const char* after_positions;
};

constexpr SheetNames kOnePosition{"TabSheet1",      "cb_lastw",
                                  {"cb_order", nullptr, nullptr},
                                  {"cb_pm1", "cb_pm2", "cb_pm3"},
                                  {"cb_pmx1", "cb_pmx2", "cb_pmx3"},
                                  {"rb_1to1", "rb_2to1", "rb_3to1"},
                                  {"Label3", "Label16"},
                                  "SpeedButton3",   "期         第",
                                  "支"};
constexpr SheetNames kAverage{"TabSheet2",      "cb_av_lastw",
                              {"cb_av1", "cb_av2", "cb_av3"},
                              {"cb_av_pm1", "cb_av_pm2", "cb_av_pm3"},
                              {"cb_av_pmx1", "cb_av_pmx2", "cb_av_pmx3"},
                              {"rb_av_1to1", "rb_av_2to1", "rb_av_3to1"},
                              {"Label8", "Label17"},
                              "SpeedButton4",   "期 第",
                              "支平均數"};

const QString kCountCaptions[moving::kMaxPredictions] = {QStringLiteral("一中一"), QStringLiteral("二中一"),
                                                         QStringLiteral("三中一")};

// Grid columns of the sheet's layout.
enum Column { kUp, kLookBack, kAfterLookBack, kPosition, kAfterPosition, kOr, kSign, kAmount, kThisDraw, kCount };

}  // namespace

RuleSheet::RuleSheet(bool average, QWidget* parent) : QWidget(parent), average_(average) {
  build();
  const auto recompute = [this] {
    refused_ = false;
    emit changed();
    return !refused_;
  };
  ui::on_entry(look_back, this, recompute);
  for (QComboBox* box : positions)
    if (box) ui::on_entry(box, this, recompute);
  for (int i = 0; i < moving::kMaxPredictions; ++i) {
    ui::on_entry(signs[i], this, recompute);
    ui::on_entry(amounts[i], this, recompute);
    // A radio button's handler runs for the button that becomes checked.
    ui::on_click(counts[i], this, [this, i] {
      if (counts[i]->isChecked()) count_chosen();
    });
  }
  connect(title_button, &QPushButton::clicked, this, [this] { emit title_requested(); });
  show_rows();
}

void RuleSheet::build() {
  const SheetNames& names = average_ ? kAverage : kOnePosition;
  setObjectName(names.sheet);
  const auto text = [this](const char* caption) { return ui::label(this, QString::fromUtf8(caption)); };
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(6);
  look_back = ui::number_combo(this, {}, "1", names.look_back, 56);
  ui::describe(look_back, QStringLiteral("往上的期數"));
  grid->addWidget(text("上"), 0, kUp);
  grid->addWidget(look_back, 0, kLookBack);
  grid->addWidget(text(names.after_look_back), 0, kAfterLookBack);
  for (int i = 0; i < 3; ++i) {
    if (!names.positions[i]) continue;
    positions[i] = ui::number_combo(this, {}, std::to_string(i + 1), names.positions[i], 48);
    ui::describe(positions[i], QStringLiteral("第幾支"));
    grid->addWidget(positions[i], i, kPosition);
  }
  grid->addWidget(text(names.after_positions), 0, kAfterPosition);
  for (int i = 0; i < moving::kMaxPredictions; ++i) {
    signs[i] = ui::number_combo(this, {"加", "減"}, "加", names.signs[i], 56);
    amounts[i] = ui::number_combo(this, {}, "0", names.amounts[i], 56);
    ui::describe(amounts[i], QStringLiteral("加減的數"));
    counts[i] = ui::radio_button(this, kCountCaptions[i], names.counts[i], i == 0);
    grid->addWidget(signs[i], i, kSign);
    grid->addWidget(amounts[i], i, kAmount);
    grid->addWidget(counts[i], i, kCount);
  }
  for (int i = 0; i < 2; ++i) {
    or_labels[i] = ui::label(this, QStringLiteral("或"), names.or_labels[i]);
    grid->addWidget(or_labels[i], i + 1, kOr, Qt::AlignRight);
  }
  grid->addWidget(text("本期開"), 0, kThisDraw);
  title_button = ui::push_button(this, QStringLiteral("版路標題"), names.title_button);
  grid->addWidget(title_button, 2, kUp, 1, kPosition, Qt::AlignLeft);
  grid->setColumnStretch(kCount + 1, 1);
}

void RuleSheet::fill_items(int max_ball) {
  ui::set_items(look_back, ui::number_items(1, kLookBackItems));
  for (QComboBox* box : positions)
    if (box) ui::set_items(box, ui::number_items(1, 5));
  for (QComboBox* box : amounts) ui::set_items(box, ui::number_items(0, max_ball - 1));
}

int RuleSheet::count() const {
  for (int i = moving::kMaxPredictions - 1; i > 0; --i)
    if (counts[i]->isChecked()) return i + 1;
  return 1;
}

void RuleSheet::count_chosen() {
  show_rows();
  emit changed();
}

void RuleSheet::show_rows() {
  const int shown = count();
  for (int i = 1; i < moving::kMaxPredictions; ++i) {
    const bool visible = i < shown;
    // Hidden rows keep their room, so choosing 二中一 or 三中一 moves nothing else.
    for (QWidget* part : std::initializer_list<QWidget*>{signs[i], amounts[i], or_labels[i - 1]}) {
      QSizePolicy policy = part->sizePolicy();
      policy.setRetainSizeWhenHidden(true);
      part->setSizePolicy(policy);
      part->setVisible(visible);
    }
  }
}

std::vector<const QComboBox*> RuleSheet::number_boxes() const {
  std::vector<const QComboBox*> boxes;
  for (const QComboBox* box : positions)
    if (box) boxes.push_back(box);
  boxes.push_back(look_back);
  for (int i = 0; i < count(); ++i) boxes.push_back(amounts[i]);
  return boxes;
}

void RuleSheet::set_result(const std::optional<moving::MovingBoxes>& shown) {
  refused_ = !shown;
  if (shown) shown_ = shown;
}

moving::MovingBoxes RuleSheet::shown_boxes() const { return shown_ ? *shown_ : boxes(); }

moving::MovingBoxes RuleSheet::boxes() const {
  moving::MovingBoxes boxes;
  boxes.average = average_;
  boxes.look_back = ui::text_of(look_back);
  for (int i = 0; i < 3; ++i)
    if (positions[i]) boxes.positions[i] = ui::text_of(positions[i]);
  for (int i = 0; i < moving::kMaxPredictions; ++i) {
    boxes.signs[i] = ui::text_of(signs[i]);
    boxes.amounts[i] = ui::text_of(amounts[i]);
  }
  boxes.prediction_count = count();
  return boxes;
}

}  // namespace movingwin
