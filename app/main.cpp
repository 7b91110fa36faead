// vantor39: the desktop program. Runs in its working directory: the one given with
// --workdir; for an installed program the user's folder (~/vantor39 or VANTOR39_HOME),
// filled on first start from the installation's bundled files; otherwise (started from
// the build tree) the current directory.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>

#include "app/application.h"
#include "core/utf8_path.h"
#include "core/working_folder.h"
#include "ui/dialogs.h"
#include "ui/locale.h"
#include "ui/logo.h"

namespace {

constexpr const char* kUsage =
    "用法: vantor39 [--workdir 資料夾]\n"
    "       vantor39 --help | --version\n"
    "今彩539 開獎資料分析程式 (視窗版)。\n"
    "\n"
    "  --workdir 資料夾  以此資料夾為工作資料夾\n"
    "  --version         顯示版本後結束\n"
    "  --help            顯示本說明後結束\n"
    "\n"
    "工作資料夾存放開獎資料檔 TW539.txt、備份 (backup/) 與說明檔。\n"
    "未指定 --workdir 時,安裝版使用 ~/vantor39 (或環境變數 VANTOR39_HOME 指定的資料夾),\n"
    "第一次啟動時放入隨附的開獎資料;從建置目錄執行時使用目前的資料夾。\n"
    "\n"
    "沒有圖形畫面時,可改用命令列版 vantor39-cli (vantor39-cli --help 列出所有指令)。\n";

constexpr const char* kNoDisplay =
    "vantor39: 找不到可用的圖形畫面 (DISPLAY 或 WAYLAND_DISPLAY 未設定或無法連線),\n"
    "本程式需要圖形畫面才能執行。\n"
    "沒有圖形畫面時請改用命令列版: vantor39-cli --help\n";

constexpr const char* kNoWorkingFolder =
    "本程式需要一個可以寫入的工作資料夾來存放開獎資料。\n"
    "請以 vantor39 --workdir 資料夾 指定,或設定環境變數 VANTOR39_HOME。";

bool asks_for(int argc, char* argv[], const char* option) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

// Until the window system answers, the toolkit's own English complaints about it are
// held back; a failure to reach it ends the program with the message above instead of
// the toolkit's abort.
void on_start_up_message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(kNoDisplay, stderr);
    std::_Exit(1);
  }
  if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0) return;
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// True when the toolkit would look for a window system that the environment does not
// name: without DISPLAY or WAYLAND_DISPLAY nothing can be shown.
bool no_display_named() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) return false;
  return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The installed program's folder, seeded; the current directory for a build-tree program
// or when the user has no home. A seeding fault is shown and the program starts anyway,
// telling later which file is missing, unless there is no folder to work in at all (a
// read-only home): that is said once, with the way out, and nullopt ends the program.
std::optional<QString> working_folder(const QStringList& args) {
  const int at = args.indexOf(QStringLiteral("--workdir"));
  if (at >= 0 && at + 1 < args.size()) return QDir(args[at + 1]).absolutePath();
  const auto bundle = core::installed_bundle(core::utf8_path(QCoreApplication::applicationDirPath().toStdString()));
  // Read through Qt, which gives Windows' wide environment as UTF-8 (a user name in Chinese);
  // Windows names the user's folder USERPROFILE.
  const QByteArray chosen = qEnvironmentVariable("VANTOR39_HOME").toUtf8();
  const QByteArray home = (qEnvironmentVariableIsSet("HOME") ? qEnvironmentVariable("HOME")
                                                             : qEnvironmentVariable("USERPROFILE")).toUtf8();
  const auto folder = core::user_working_folder(qEnvironmentVariableIsSet("VANTOR39_HOME") ? chosen.constData() : nullptr,
                                                home.isEmpty() ? nullptr : home.constData());
  if (!bundle || !folder) return QDir::currentPath();
  const QString path = QDir(QString::fromStdString(folder->string())).absolutePath();
  if (const auto seeded = core::seed_working_folder(*folder, *bundle); !seeded) {
    const QFileInfo place(path);
    if (!place.isDir() || !place.isWritable()) {
      ui::show_error(nullptr, core::Error::error(seeded.error().text + "\n\n" + kNoWorkingFolder));
      return std::nullopt;
    }
    ui::show_error(nullptr, seeded.error());
  }
  QDir::setCurrent(path);  // file dialogs open where the user's files are
  return path;
}

// Test hook: the package check starts the program offscreen and lets it end by itself.
// exit() rather than quit(): closing the main window would ask for a confirmation.
void quit_after_test_delay(QApplication& qt) {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue("VANTOR39_TEST_QUIT_AFTER_MS", &ok);
  if (ok && ms >= 0) QTimer::singleShot(ms, &qt, [] { QCoreApplication::exit(0); });
}

}  // namespace

int main(int argc, char* argv[]) {
  if (asks_for(argc, argv, "--help") || asks_for(argc, argv, "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (asks_for(argc, argv, "--version")) {
    std::cout << "vantor39 " << VANTOR_VERSION << '\n';
    return 0;
  }
  if (no_display_named()) {
    std::cerr << kNoDisplay;
    return 1;
  }
  qInstallMessageHandler(on_start_up_message);
  QApplication qt(argc, argv);
  qInstallMessageHandler(nullptr);
  ui::use_traditional_chinese(qt);
  QApplication::setWindowIcon(QIcon(ui::program_icon(256)));
  quit_after_test_delay(qt);  // armed first: it also ends a message box shown at start
  const std::optional<QString> folder = working_folder(qt.arguments());
  if (!folder) return 1;
  Application application(*folder, std::make_unique<core::SystemClock>());
  application.start();
  return qt.exec();
}
