#include "ui/result_memo.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs.h"
#include "ui/spreadsheet_save.h"
#include "ui/widgets.h"

namespace ui {
namespace {

QString caption_of(ResultMemo::Command command) {
  switch (command) {
    case ResultMemo::Command::Clear: return QStringLiteral("清除");
    case ResultMemo::Command::Copy: return QStringLiteral("複製");
    case ResultMemo::Command::SaveText: return QStringLiteral("存檔(txt)");
    case ResultMemo::Command::SaveCsv: return QStringLiteral("存檔(csv)");
  }
  return {};
}

}  // namespace

ResultMemo::ResultMemo(QWidget* parent, const QString& memo_name, const std::vector<Button>& buttons,
                       Texts texts)
    : QObject(parent), memo_(fixed_pitch_memo(parent, memo_name)), texts_(std::move(texts)) {
  for (const Button& b : buttons) {
    QPushButton* button = push_button(parent, caption_of(b.command), b.name);
    buttons_.emplace_back(b.command, button);
    connect(button, &QPushButton::clicked, this, [this, command = b.command] {
      switch (command) {
        case Command::Clear: clear(); break;
        case Command::Copy: copy(); break;
        case Command::SaveText:
        case Command::SaveCsv: save(command); break;
      }
    });
  }
}

std::vector<ResultMemo::Button> ResultMemo::every_command(const QString& clear, const QString& copy,
                                                          const QString& save_text, const QString& save_csv) {
  return {{Command::Clear, clear}, {Command::Copy, copy}, {Command::SaveText, save_text}, {Command::SaveCsv, save_csv}};
}

QPushButton* ResultMemo::button(Command command) const {
  for (const auto& [c, button] : buttons_)
    if (c == command) return button;
  return nullptr;
}

QHBoxLayout* ResultMemo::beside() const {
  auto* h = new QHBoxLayout;
  h->addWidget(memo_, 1);
  auto* column = new QVBoxLayout;
  for (const auto& entry : buttons_) {
    entry.second->setMinimumWidth(96);
    column->addWidget(entry.second);
  }
  column->addStretch();
  h->addLayout(column);
  return h;
}

bool ResultMemo::clear() {
  memo_->clear_lines();
  return refill_ ? refill_() : true;
}

void ResultMemo::copy() {
  memo_->copy_all();
  if (!texts_.copied.isEmpty()) message(memo_->window(), MessageKind::Information, texts_.copied);
}

void ResultMemo::save(Command format) {
  const bool csv = format == Command::SaveCsv;
  QWidget* window = memo_->window();
  const std::vector<std::string> lines = memo_->lines();
  const core::Sheet sheet = core::sheet_of_lines(window->windowTitle().toStdString(), lines);
  (void)save_file(window, texts_.save_title, csv ? QStringLiteral("csv") : QStringLiteral("txt"),
                  with_spreadsheet(csv ? texts_.csv_filter : texts_.text_filter),
                  [&](const QString& path) { return write_lines_or_sheet(path, lines, sheet); });
}

}  // namespace ui
