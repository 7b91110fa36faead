#include "analysis/statistics/window/tail_values_panel.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "analysis/statistics/window/ball_values_panel.h"
#include "ui/controls.h"
#include "ui/logo.h"
#include "ui/widgets.h"

namespace statwin {

TailValuesPanel::TailValuesPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("Panel_F2");
  setAutoFillBackground(true);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(18);
  for (int d = 0; d < 10; ++d) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image%1").arg(d));
    picture->setPixmap(ui::ball_picture(QString::number(d), ui::ball_colour(d), 40));
    auto* value = new QLabel(this);
    value->setObjectName(QStringLiteral("F2_lb%1").arg(d));
    value->setAlignment(Qt::AlignCenter);
    value->setMinimumWidth(48);
    set_value_look(value, false);
    grid->addWidget(picture, 0, d, Qt::AlignCenter);
    grid->addWidget(value, 1, d, Qt::AlignCenter);
    pictures[static_cast<std::size_t>(d)] = picture;
    values[static_cast<std::size_t>(d)] = value;
  }
  F2_avrlb = new QLabel(this);
  F2_avrlb->setObjectName("F2_avrlb");
  ui::set_look(F2_avrlb, QColor(0, 0, 128), true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 14);
  layout->addWidget(ui::label(this, QStringLiteral("各尾數開出次數")));
  layout->addLayout(grid);
  layout->addSpacing(12);
  layout->addWidget(F2_avrlb);
  layout->addStretch();
}

void TailValuesPanel::show_view(const statistics::TailView& view) {
  for (std::size_t d = 0; d < values.size(); ++d)
    values[d]->setText(ui::qs(statistics::value_text(statistics::View::Tails, view.tails[d])));
  F2_avrlb->setText(ui::qs(view.average));
}

}  // namespace statwin
