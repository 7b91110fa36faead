#include "pillars/window/tform_bestpillars_widgets.h"

#include <QFontDatabase>
#include <QVBoxLayout>

#include "ui/controls.h"

namespace bestpillars_widgets {

QPushButton* button(QWidget* parent, const QString& text, const char* name) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  b->setDefault(false);
  return b;
}

QLabel* label(QWidget* parent, const QString& text, const char* name) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(name);
  return l;
}

QLabel* heading(QWidget* parent, const QString& text, const QColor& colour) {
  auto* l = new QLabel(text, parent);
  ui::set_look(l, colour, true);
  return l;
}

QCheckBox* check(QWidget* parent, const QString& text, const QString& name) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(name);
  return c;
}

QComboBox* combo(QWidget* parent, const std::vector<std::string>& items, const std::string& text,
                 const char* name, int width) {
  QComboBox* c = ui::make_combo(parent, items, text);
  c->setObjectName(name);
  c->setFixedWidth(width);
  c->setMaxVisibleItems(20);
  return c;
}

ui::Memo* memo(QWidget* parent, const char* name) {
  auto* m = new ui::Memo(parent);
  m->setObjectName(name);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  m->setFont(font);
  return m;
}

QHBoxLayout* row() {
  auto* h = new QHBoxLayout;
  h->setSpacing(6);
  return h;
}

QHBoxLayout* row_of(std::initializer_list<QWidget*> widgets) {
  QHBoxLayout* h = row();
  for (QWidget* widget : widgets) h->addWidget(widget);
  h->addStretch();
  return h;
}

QHBoxLayout* memo_with_buttons(ui::Memo* memo, std::initializer_list<QPushButton*> buttons) {
  auto* h = new QHBoxLayout;
  h->addWidget(memo, 1);
  auto* column = new QVBoxLayout;
  for (QPushButton* b : buttons) {
    b->setMinimumWidth(96);
    column->addWidget(b);
  }
  column->addStretch();
  h->addLayout(column);
  return h;
}

QHBoxLayout* result_area(QWidget* parent, ui::Memo*& memo_out, const char* memo_name,
                         const std::array<QPushButton**, 4>& buttons,
                         const std::array<const char*, 4>& button_names) {
  static const char* const kCaptions[4] = {"清除", "複製", "存檔(txt)", "存檔(csv)"};
  memo_out = memo(parent, memo_name);
  for (int i = 0; i < 4; ++i) *buttons[i] = button(parent, QString::fromUtf8(kCaptions[i]), button_names[i]);
  return memo_with_buttons(memo_out, {*buttons[0], *buttons[1], *buttons[2], *buttons[3]});
}

}  // namespace bestpillars_widgets
