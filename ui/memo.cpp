#include "ui/memo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>

namespace ui {
namespace {

// Every line is held with its line break, as in a classic memo: a user's final Enter
// adds no line, and a report's final empty line survives.
QString terminated(const std::vector<std::string>& lines) {
  std::string text;
  size_t size = 0;
  for (const auto& l : lines) size += l.size() + 1;
  text.reserve(size);
  for (const auto& l : lines) {
    text += l;
    text += '\n';
  }
  return QString::fromStdString(text);
}

}  // namespace

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // What the user types can be undone; the program's own fills start a fresh history
  // (set_lines) or stay out of it (append_lines), so reports cost no undo memory.
  setUndoRedoEnabled(true);
}

int Memo::line_count() const {
  const QTextDocument* doc = document();
  const int blocks = doc->blockCount();
  return doc->lastBlock().text().isEmpty() ? blocks - 1 : blocks;
}

std::vector<std::string> Memo::lines() const {
  std::vector<std::string> result;
  const int count = line_count();
  result.reserve(count);
  QTextBlock block = document()->firstBlock();
  for (int i = 0; i < count && block.isValid(); ++i, block = block.next())
    result.push_back(block.text().toStdString());
  return result;
}

std::string Memo::line(int index) const {
  if (index < 0 || index >= line_count()) return {};
  return document()->findBlockByNumber(index).text().toStdString();
}

void Memo::set_lines(const std::vector<std::string>& lines) {
  setPlainText(terminated(lines));
  document()->setModified(false);
}

void Memo::append_lines(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  const bool undo = isUndoRedoEnabled();
  setUndoRedoEnabled(false);
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  const bool open_line = !document()->lastBlock().text().isEmpty();
  cursor.insertText((open_line ? QStringLiteral("\n") : QString()) + terminated(lines));
  setUndoRedoEnabled(undo);
}

bool Memo::modified_by_user() const { return document()->isModified(); }

void Memo::copy_all() {
  selectAll();
  QGuiApplication::clipboard()->setText(toPlainText());
}

}  // namespace ui
