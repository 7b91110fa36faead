// Every message box, confirmation, save-file dialog and modal showing of the program goes
// through here, so tests can script the answers and never block on a dialog.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "core/own_files.h"
#include "core/result.h"

class QWidget;

namespace ui {

using MessageKind = core::ErrorKind;

// A message box with an OK button.
void message(QWidget* parent, MessageKind kind, const QString& text);
// A computation's refusal, in the message box of its kind.
void show_error(QWidget* parent, const core::Error& error);
// A question with Yes and No; true for Yes.
[[nodiscard]] bool confirm(QWidget* parent, const QString& text,
                           MessageKind kind = MessageKind::Warning);
// The box confirm() shows. Its buttons read "是 (Yes)" and "否 (No)": a question that
// says which one to press ("請按 Yes，否則按 No") names buttons the user can see.
[[nodiscard]] std::unique_ptr<QMessageBox> question_box(QWidget* parent, const QString& text, MessageKind kind);
// Writes the file a save dialog chose; a refusal keeps the dialog open.
using FileWriter = std::function<core::Status(const QString& path)>;

// A save-file dialog that writes the chosen file while it is still open, as every save of
// the program does. `filter` is written "描述(*.ext)|*.ext". A name without extension gets
// the chosen format's (`default_suffix` until another is picked). The dialog stays open with
// the typed name, saying why, while the name is refused or the write fails:
//  - the spreadsheet choice takes only ".xlsx" names (core::spreadsheet_path);
//  - the program's own files (core/own_files.h) are refused by name;
//  - an existing file is replaced only when the user says so.
// It opens in the folder of the last save, at first the working folder. The path written,
// or nullopt when the user cancelled. Under a test script each look at the open dialog is
// a new on_save_file answer, and the question about replacing goes to on_replace.
[[nodiscard]] std::optional<QString> save_file(QWidget* parent, const QString& title, const QString& default_suffix,
                                               const QString& filter, const FileWriter& write);
// An open-files dialog for one or more existing files, `filter` written as for save_file;
// the chosen paths, or nullopt when the user cancels.
[[nodiscard]] std::optional<QStringList> open_files(QWidget* parent, const QString& title, const QString& filter);
// Where the program's own files are, asked at every save so a change of game is followed.
// Until the application sets it: the draw file "TW539.txt" in the current directory.
void set_own_files(std::function<core::OwnFilePlaces()> places);
// Where they are now, for a writer that checks again.
[[nodiscard]] core::OwnFilePlaces own_file_places();
// Shows a window modally. After-close work belongs to the window's finished signal, so it
// runs the same way when a test script closes the window.
void show_modal(QDialog* dialog);
// Shows a window without blocking.
void show_modeless(QWidget* window);
// Sizes a window to `preferred`, shrunk where needed to the available area of the screen
// it opens on (less room for a window frame), and centres it there: nothing of it is
// beyond the screen's edge.
void fit_to_screen(QWidget* window, QSize preferred);

// The test seam: while a script is installed, the functions above ask it instead of the
// user. Tests derive from DialogScript (or use DialogRecorder) and install it.
class DialogScript {
 public:
  virtual ~DialogScript() = default;
  virtual void on_message(MessageKind kind, const QString& text) = 0;
  virtual bool on_confirm(const QString& text) = 0;
  virtual std::optional<QString> on_save_file(const QString& title, const QString& filter) = 0;
  // Called instead of a blocking exec(); the window has already been shown.
  virtual void on_show_modal(QDialog* dialog) = 0;
  // Whether to replace an existing file the save dialog chose; scripts that do not care
  // replace it.
  virtual bool on_replace(const QString& /*path*/) { return true; }
  // Scripts that never expect an open-files dialog cancel it.
  virtual std::optional<QStringList> on_open_files(const QString& /*title*/, const QString& /*filter*/) {
    return std::nullopt;
  }
};

void install_script(DialogScript* script);  // nullptr restores the real dialogs

// Records every message and answers from queues; an empty queue answers No / cancel,
// except the question about replacing a file, which an empty queue answers Yes.
class DialogRecorder : public DialogScript {
 public:
  struct Message {
    MessageKind kind;
    QString text;
  };
  QList<Message> messages;
  QStringList questions;
  QList<bool> confirm_answers;
  QList<std::optional<QString>> save_answers;
  QStringList replace_questions;  // the files it was asked about
  QList<bool> replace_answers;
  QList<std::optional<QStringList>> open_answers;
  QList<QDialog*> shown_modal;

  void on_message(MessageKind kind, const QString& text) override { messages.append({kind, text}); }
  bool on_confirm(const QString& text) override {
    questions.append(text);
    return confirm_answers.isEmpty() ? false : confirm_answers.takeFirst();
  }
  std::optional<QString> on_save_file(const QString&, const QString&) override {
    return save_answers.isEmpty() ? std::nullopt : save_answers.takeFirst();
  }
  bool on_replace(const QString& path) override {
    replace_questions.append(path);
    return replace_answers.isEmpty() ? true : replace_answers.takeFirst();
  }
  void on_show_modal(QDialog* dialog) override { shown_modal.append(dialog); }
  std::optional<QStringList> on_open_files(const QString&, const QString&) override {
    return open_answers.isEmpty() ? std::nullopt : open_answers.takeFirst();
  }
  [[nodiscard]] QStringList texts() const {
    QStringList all;
    for (const auto& m : messages) all << m.text;
    return all;
  }
};

// Installs a recorder for the lifetime of the guard.
class ScopedRecorder {
 public:
  ScopedRecorder() { install_script(&recorder); }
  ~ScopedRecorder() { install_script(nullptr); }
  DialogRecorder recorder;
};

}  // namespace ui
