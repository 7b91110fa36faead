#include "ui/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

DialogScript* g_script = nullptr;  // only tests set it

// "描述(*.txt)|*.txt" -> "描述(*.txt)"
QString qt_filter(const QString& filter) {
  QStringList parts = filter.split('|');
  QStringList names;
  for (int i = 0; i < parts.size(); i += 2) names << parts[i];
  return names.join(";;");
}

QString title_for(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return QStringLiteral("警告");
    case MessageKind::Error: return QStringLiteral("錯誤");
    case MessageKind::Information: return QStringLiteral("訊息");
  }
  return {};
}

}  // namespace

void install_script(DialogScript* script) { g_script = script; }
DialogScript* installed_script() { return g_script; }

void message(QWidget* parent, MessageKind kind, const QString& text) {
  if (g_script) return g_script->on_message(kind, text);
  const auto icon = kind == MessageKind::Warning  ? QMessageBox::Warning
                    : kind == MessageKind::Error ? QMessageBox::Critical
                                                 : QMessageBox::Information;
  QMessageBox box(icon, title_for(kind), text, QMessageBox::Ok, parent);
  box.exec();
}

void show_error(QWidget* parent, const core::Error& error) {
  message(parent, error.kind, QString::fromStdString(error.text));
}

std::unique_ptr<QMessageBox> question_box(QWidget* parent, const QString& text, MessageKind kind) {
  const auto icon = kind == MessageKind::Information ? QMessageBox::Question : QMessageBox::Warning;
  auto box = std::make_unique<QMessageBox>(icon, QStringLiteral("確認"), text, QMessageBox::Yes | QMessageBox::No,
                                           parent);
  box->button(QMessageBox::Yes)->setText(QStringLiteral("是 (Yes)"));
  box->button(QMessageBox::No)->setText(QStringLiteral("否 (No)"));
  box->setDefaultButton(QMessageBox::No);
  return box;
}

bool confirm(QWidget* parent, const QString& text, MessageKind kind) {
  if (g_script) return g_script->on_confirm(text);
  return question_box(parent, text, kind)->exec() == QMessageBox::Yes;
}

std::optional<QString> save_file(QWidget* parent, const QString& title,
                                 const QString& default_suffix, const QString& filter) {
  if (g_script) return g_script->on_save_file(title, filter);
  QFileDialog dialog(parent, title, QString(), qt_filter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // Saving over an existing file is what the user asked for; no second question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(default_suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<QStringList> open_files(QWidget* parent, const QString& title, const QString& filter) {
  if (g_script) return g_script->on_open_files(title, filter);
  QFileDialog dialog(parent, title, QString(), qt_filter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles();
}

void show_modal(QDialog* dialog) {
  if (g_script) {
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    return g_script->on_show_modal(dialog);
  }
  dialog->exec();
}

void show_modeless(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace ui
