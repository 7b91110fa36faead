#include "ui/dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>

#include "core/spreadsheet.h"

namespace ui {
namespace {

DialogScript* g_script = nullptr;  // only tests set it
std::function<core::OwnFilePlaces()> g_own_files;

core::Status refuse_own_file(const QString& path) { return core::refuse_own_file(path.toStdString(), own_file_places()); }

// Qt's own file dialog asks its icon provider for every listed file's type and icon, and
// the stock provider reads the file's first bytes to guess them, in the window thread: a
// name typed as far as "/proc/k" (a kernel file that never ends) froze the program for
// good. These guesses go by the name only and never open the file.
class NameOnlyIconProvider : public QFileIconProvider {
 public:
  QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
  QIcon icon(const QFileInfo& info) const override {
    if (info.isRoot()) return icon(Drive);
    return icon(info.isDir() ? Folder : File);
  }
  QString type(const QFileInfo& info) const override {
    // Drives, folders and what is no regular file (devices, pipes) are named without a read.
    if (!info.isFile()) return QFileIconProvider::type(info);
    const QMimeType mime = mime_types_.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
  }

 private:
  QMimeDatabase mime_types_;
};

// "描述(*.xlsx)" -> "xlsx"; "" when the filter names no single extension.
QString suffix_of(const QString& filter) {
  const auto match = QRegularExpression(QStringLiteral("\\(\\*\\.(\\w+)\\)")).match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

// "描述(*.txt)|*.txt" -> "描述(*.txt)"
QString qt_filter(const QString& filter) {
  QStringList parts = filter.split('|');
  QStringList names;
  for (int i = 0; i < parts.size(); i += 2) names << parts[i];
  return names.join(";;");
}

QString g_last_save_folder;  // where the last save of this session went

// The last save's folder while it is there, else the working folder: the launch folder
// of the program is no place of the user's files.
QString save_folder() {
  if (!g_last_save_folder.isEmpty() && QFileInfo(g_last_save_folder).isDir()) return g_last_save_folder;
  const std::string working = own_file_places().working_dir;
  return working.empty() ? QDir::currentPath() : QFile::decodeName(working.c_str());
}

bool replace_allowed(QWidget* parent, const QString& path) {
  if (g_script) return g_script->on_replace(path);
  return confirm(parent, QStringLiteral("「%1」已經存在。\n要以新的內容取代它嗎？").arg(QFileInfo(path).fileName()));
}

// One try at saving under the name the dialog shows, in the format chosen (its extension,
// "xlsx", "txt"): the name this save wrote, or nullopt after saying why not; the dialog
// then stays open for another name.
std::optional<QString> attempt_save(QWidget* parent, const QString& shown, const QString& chosen_suffix,
                                    const FileWriter& write) {
  if (const core::Status free = refuse_own_file(shown); !free) return show_error(parent, free.error()), std::nullopt;
  QString path = shown;
  if (chosen_suffix == QStringLiteral("xlsx")) {
    const auto named = core::spreadsheet_path(QFile::encodeName(shown).toStdString());
    if (!named) return show_error(parent, named.error()), std::nullopt;
    path = QFile::decodeName(named->c_str());
    if (const core::Status free = refuse_own_file(path); !free) return show_error(parent, free.error()), std::nullopt;
  }
  if (QFileInfo(path).isFile() && !replace_allowed(parent, path)) return std::nullopt;
  if (const core::Status written = write(path); !written) return show_error(parent, written.error()), std::nullopt;
  return path;
}

// Stays open, with the typed name, until a save succeeds or the user cancels.
class SaveDialog : public QFileDialog {
 public:
  SaveDialog(QWidget* parent, const QString& title, const QString& filter, const FileWriter& write)
      : QFileDialog(parent, title, save_folder(), filter), write_(write) {
    // Shared and never destroyed: the dialog's file model may still ask it from its
    // gathering thread while the dialog is being torn down.
    static auto* const icons = new NameOnlyIconProvider;
    setIconProvider(icons);
    setAcceptMode(QFileDialog::AcceptSave);
    setOption(QFileDialog::DontConfirmOverwrite);  // asked in the program's words, before writing
    setViewMode(QFileDialog::Detail);
    // A name typed without extension takes the chosen format's (a text save that also
    // offers a spreadsheet writes "name.xlsx" when that choice is picked).
    connect(this, &QFileDialog::filterSelected, this, [this](const QString& chosen) {
      const QString suffix = suffix_of(chosen);
      if (!suffix.isEmpty()) setDefaultSuffix(suffix);
    });
    // Wide enough that names, sizes, types and dates are read, not guessed from "...".
    fit_to_screen(this, QSize(900, 560));
    if (auto* files = findChild<QTreeView*>(QStringLiteral("treeView"))) {
      constexpr int kWidths[] = {330, 90, 150, 210};  // name, size, type, date
      for (int column = 0; column < 4; ++column) files->header()->resizeSection(column, kWidths[column]);
    }
  }
  [[nodiscard]] const std::optional<QString>& written() const { return written_; }

  void accept() override {
    // The chosen format's extension completes a bare name however the format was chosen.
    if (const QString suffix = suffix_of(selectedNameFilter()); !suffix.isEmpty()) setDefaultSuffix(suffix);
    const QStringList chosen = selectedFiles();
    // A folder typed or picked is opened, as the toolkit does.
    if (chosen.isEmpty() || QFileInfo(chosen.first()).isDir()) return QFileDialog::accept();
    written_ = attempt_save(this, chosen.first(), suffix_of(selectedNameFilter()), write_);
    if (!written_) return;
    g_last_save_folder = QFileInfo(*written_).absolutePath();
    QDialog::accept();
  }

 private:
  const FileWriter& write_;
  std::optional<QString> written_;
};

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

void message(QWidget* parent, MessageKind kind, const QString& text) {
  if (g_script) return g_script->on_message(kind, text);
  const auto icon = kind == MessageKind::Warning  ? QMessageBox::Warning
                    : kind == MessageKind::Error ? QMessageBox::Critical
                                                 : QMessageBox::Information;
  QMessageBox box(icon, title_for(kind), text, QMessageBox::Ok, parent);
  // Messages quote what files and servers hold ("<html>..."): never read as markup.
  box.setTextFormat(Qt::PlainText);
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
  box->setTextFormat(Qt::PlainText);
  return box;
}

bool confirm(QWidget* parent, const QString& text, MessageKind kind) {
  if (g_script) return g_script->on_confirm(text);
  return question_box(parent, text, kind)->exec() == QMessageBox::Yes;
}

void set_own_files(std::function<core::OwnFilePlaces()> places) { g_own_files = std::move(places); }

core::OwnFilePlaces own_file_places() { return g_own_files ? g_own_files() : core::OwnFilePlaces{"TW539.txt", ""}; }

std::optional<QString> save_file(QWidget* parent, const QString& title, const QString& default_suffix,
                                 const QString& filter, const FileWriter& write) {
  if (!g_script) {
    SaveDialog dialog(parent, title, qt_filter(filter), write);
    dialog.setDefaultSuffix(default_suffix);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.written();
  }
  // The script answers again each time the open dialog would take another name.
  const QString first_choice = suffix_of(qt_filter(filter).section(QStringLiteral(";;"), 0, 0));
  while (const std::optional<QString> answer = g_script->on_save_file(title, filter))
    if (auto written = attempt_save(parent, *answer, first_choice, write)) return written;
  return std::nullopt;
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

void fit_to_screen(QWidget* window, QSize preferred) {
  const QWidget* anchor = window->parentWidget() ? window->parentWidget()->window() : window;
  const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
  if (!screen) return window->resize(preferred);
  // The title bar and borders a window manager adds lie outside the geometry set here.
  constexpr int kFrame = 40;
  const QRect area = screen->availableGeometry();
  QRect placed(QPoint(), preferred.boundedTo(QSize(area.width() - kFrame / 4, area.height() - kFrame)));
  placed.moveCenter(area.center());
  placed.moveTop(std::max(area.top() + kFrame * 3 / 4, placed.top()));
  window->setGeometry(placed);
}

}  // namespace ui
