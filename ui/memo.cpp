#include "ui/memo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>

namespace ui {
namespace {

QString joined(const std::vector<std::string>& lines) {
  std::string text;
  size_t size = 0;
  for (const auto& l : lines) size += l.size() + 1;
  text.reserve(size);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += '\n';
    text += lines[i];
  }
  return QString::fromStdString(text);
}

}  // namespace

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setUndoRedoEnabled(false);  // programmatic fills of thousands of lines need no undo
}

std::vector<std::string> Memo::lines() const {
  std::vector<std::string> result;
  if (document()->isEmpty()) return result;
  const QStringList parts = toPlainText().split(QChar('\n'));
  result.reserve(parts.size());
  for (const auto& p : parts) result.push_back(p.toStdString());
  return result;
}

int Memo::line_count() const { return document()->isEmpty() ? 0 : document()->blockCount(); }

std::string Memo::line(int index) const {
  if (index < 0 || index >= line_count()) return {};
  return document()->findBlockByNumber(index).text().toStdString();
}

void Memo::set_lines(const std::vector<std::string>& lines) { setPlainText(joined(lines)); }

void Memo::append_lines(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  if (document()->isEmpty()) return set_lines(lines);
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QStringLiteral("\n") + joined(lines));
}

void Memo::copy_all() {
  selectAll();
  QGuiApplication::clipboard()->setText(toPlainText());
}

}  // namespace ui
