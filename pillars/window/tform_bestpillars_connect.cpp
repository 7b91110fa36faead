// Which handler each control runs. Check boxes and radio buttons run theirs whenever
// their state changes; combo boxes run theirs on user changes only (ui/controls.h).
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "pillars/window/tform_bestpillars.h"
#include "ui/controls.h"

namespace {

template <typename Result>
void on_clicked(QPushButton* button, TForm_bestpillars* window, Result (TForm_bestpillars::*handler)()) {
  QObject::connect(button, &QPushButton::clicked, window, [window, handler] { (window->*handler)(); });
}

}  // namespace

void TForm_bestpillars::connect_handlers() {
  using W = TForm_bestpillars;
  on_clicked(Button1, this, &W::Button1Click);
  on_clicked(Button2, this, &W::Button2Click);
  on_clicked(Button16, this, &W::Button16Click);
  on_clicked(Button17, this, &W::Button17Click);
  on_clicked(Button18, this, &W::Button18Click);
  // A date typed by hand is looked up once it is complete; a chosen one at once.
  connect(cb_date, &QComboBox::textActivated, this, [this] { cb_dateChange(); });
  connect(cb_date->lineEdit(), &QLineEdit::textEdited, this, [this] { cb_dateEdited(); });
  ui::on_change(cb_ii, this, [this] { cb_dateChange(); });
  ui::on_click(cb_ff, this, [this] { cb_dateChange(); });

  on_clicked(SpeedButton2, this, &W::SpeedButton2Click);
  on_clicked(SpeedButton3, this, &W::SpeedButton3Click);
  on_clicked(SpeedButton1, this, &W::SpeedButton1Click);
  connect_selection_boxes();

  ui::on_change(CB_Select, this, [this] { CB_SelectChange(); });
  for (int i = 1; i <= pillars::kMaxPillars; ++i)
    ui::on_change(cb_pillar[i], this, [this] { ComboBox1Change(); });
  on_clicked(Button27, this, &W::Button27Click);
  on_clicked(Button26, this, &W::Button26Click);
  on_clicked(Button9, this, &W::Button9Click);
  connect_optimise();

  wire_memo_commands(Memo1, Button3, Button4, Button5, Button6);
  wire_memo_commands(Memo2, Button20, Button21, Button22, Button23);
  wire_memo_commands(Memo3, Button10, Button11, Button13, Button15);
  wire_memo_commands(mm, nullptr, BitBtn1, nullptr, nullptr);
  wire_memo_commands(mm3, nullptr, BitBtn2, nullptr, nullptr);
  wire_memo_commands(mm9, nullptr, BitBtn3, nullptr, nullptr);
}

void TForm_bestpillars::connect_optimise() {
  using W = TForm_bestpillars;
  on_clicked(Button19, this, &W::Button19Click);
  on_clicked(Button12, this, &W::Button12Click);
  on_clicked(Button29, this, &W::Button29Click);
  on_clicked(Button28, this, &W::Button28Click);
  on_clicked(Button30, this, &W::Button30Click);
  on_clicked(Button31, this, &W::Button31Click);
  on_clicked(Button32, this, &W::Button32Click);
  on_clicked(btn_stop, this, &W::btn_stopClick);
  on_clicked(btn_stop_1510, this, &W::btn_stop_1510Click);
}
