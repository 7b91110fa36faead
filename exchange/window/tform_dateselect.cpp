#include "exchange/window/tform_dateselect.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "exchange/print_lines.h"
#include "exchange/report_layout.h"
#include "exchange/window/trpt.h"
#include "ui/controls.h"
#include "ui/widgets.h"

TForm_dateselect::TForm_dateselect(const core::DrawHistory& history, const core::Clock& clock, Trpt& report,
                                   QWidget* parent)
    : ui::FormDialog(parent), history_(history), clock_(clock), report_(report) {
  setObjectName("TForm_dateselect");
  setWindowTitle(QStringLiteral("列印日期區間選擇"));
  build();
}

void TForm_dateselect::build() {
  DateTimePicker1 = ui::date_picker(this, "DateTimePicker1");
  DateTimePicker2 = ui::date_picker(this, "DateTimePicker2");
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  Edit1->setFixedWidth(80);
  Edit1->setAlignment(Qt::AlignRight);
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText(QStringLiteral("列印"));
  SpeedButton1->setMinimumSize(90, 32);

  auto* title = new QLabel(QStringLiteral("列印區間"), this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("自"), this), 0, 0);
  grid->addWidget(DateTimePicker1, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("到"), this), 1, 0);
  grid->addWidget(DateTimePicker2, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("期數"), this), 2, 0);
  grid->addWidget(Edit1, 2, 1, Qt::AlignLeft);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(grid);
  layout->addWidget(SpeedButton1, 0, Qt::AlignRight);

  connect(DateTimePicker1, &QDateEdit::dateChanged, this, [this] { CountUpdate(); });
  connect(DateTimePicker2, &QDateEdit::dateChanged, this, [this] { CountUpdate(); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
}

core::Date TForm_dateselect::from() const { return ui::date_of(DateTimePicker1->date()); }
core::Date TForm_dateselect::to() const { return ui::date_of(DateTimePicker2->date()); }

void TForm_dateselect::FormShow() {
  DateTimePicker1->setDate(ui::qdate(exchange::kFirstPrintDate));
  DateTimePicker2->setDate(ui::qdate(clock_.today()));
  CountUpdate();
}

void TForm_dateselect::CountUpdate() {
  Edit1->setText(QString::number(exchange::count_draws_between(history_, from(), to())));
}

void TForm_dateselect::SpeedButton1Click() {
  mm.clear();
  report_.set_body_points(exchange::kPrintBodyPoints);  // holds for every later report
  mm = exchange::date_range_lines(records_, from(), to());
  report_.show_memo_rpt(mm);
}
