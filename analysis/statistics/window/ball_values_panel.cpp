#include "analysis/statistics/window/ball_values_panel.h"

#include "ui/controls.h"
#include "ui/logo.h"

namespace statwin {
namespace {

constexpr int kBall = 32;          // picture size
constexpr int kPerRow = 10;
constexpr int kColumnPitch = 58;
constexpr int kRowPitch = 70;
constexpr QPoint kOrigin(24, 14);
constexpr QPoint kLabelOffset(-8, 32);  // the value label stands under its picture
constexpr int kLabelWidth = kBall + 16;

}  // namespace

void set_value_look(QLabel* label, bool highlighted) {
  QFont font = label->font();
  font.setPointSize(highlighted ? 12 : 10);
  font.setBold(highlighted);
  label->setFont(font);
  ui::set_look(label, highlighted ? Qt::red : Qt::blue, highlighted);
}

QPoint BallValuesPanel::spot(int k) {
  return kOrigin + QPoint(((k - 1) % kPerRow) * kColumnPitch, ((k - 1) / kPerRow) * kRowPitch);
}

BallValuesPanel::BallValuesPanel(int max_ball, QWidget* parent) : QWidget(parent) {
  setObjectName("Panel_F1");
  setAutoFillBackground(true);
  for (int n = 1; n <= max_ball; ++n) {
    const QString two = QString::asprintf("%02d", n);
    auto* picture = new QLabel(this);
    picture->setObjectName("Image" + two);
    picture->setPixmap(ui::ball_picture(two, ui::ball_colour((n - 1) / 10), kBall));
    picture->setFixedSize(kBall, kBall);
    auto* value = new QLabel(this);
    value->setObjectName("lb" + two);
    value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    value->setFixedSize(kLabelWidth, 22);
    set_value_look(value, false);
    pictures_.push_back(picture);
    values_.push_back(value);
    picture->move(spot(n));
    value->move(spot(n) + kLabelOffset);
  }
  const int rows = (max_ball + kPerRow - 1) / kPerRow;
  F1_avrlb = new QLabel(this);
  F1_avrlb->setObjectName("F1_avrlb");
  ui::set_look(F1_avrlb, QColor(0, 0, 128), true);
  F1_avrlb->setGeometry(kOrigin.x(), spot(rows * kPerRow).y() + kRowPitch, 300, 24);
  setFixedSize(kOrigin.x() * 2 + (kPerRow - 1) * kColumnPitch + kBall, F1_avrlb->geometry().bottom() + 12);
}

void BallValuesPanel::show_view(const statistics::NumberView& view, statistics::View kind) {
  for (std::size_t k = 0; k < view.positions.size(); ++k) {
    const auto [number, value] = view.positions[k];
    if (number < 1 || number > static_cast<int>(pictures_.size())) continue;
    const QPoint at = spot(static_cast<int>(k) + 1);
    picture(number)->move(at);
    QLabel* label = value_label(number);
    label->move(at + kLabelOffset);
    label->setText(ui::qs(statistics::value_text(kind, value)));
    set_value_look(label, statistics::highlighted(kind, value));
  }
  F1_avrlb->setText(ui::qs(view.average));
}

}  // namespace statwin
