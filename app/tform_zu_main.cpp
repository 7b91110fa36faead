#include "app/tform_zu_main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>

#include "app/tform_zu_help.h"
#include "app/tform_zu_lotto_record.h"
#include "app/tform_zu_stk_txtfile.h"
#include "app/window_registry.h"
#include "core/loader.h"
#include "core/reload.h"
#include "core/text_file.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace {

const QString kPublisherAddress = QStringLiteral("www.vantor39.example");

struct GameChoice {
  const char* draw_file_name;
  const char* game_name;
  const char* record_caption;
  ui::Game logo;
};

const GameChoice kGames[2] = {
    {"TW539.txt", "今彩539", "開獎紀錄  今彩５３９", ui::Game::Daily539},
    {"US539.txt", "加州夢幻５", "開獎紀錄  美國夢幻５", ui::Game::California5},
};

}  // namespace

TForm_zu_main::TForm_zu_main(core::DrawTable& table, core::RuleSettings& rule_settings, const core::Clock& clock,
                             QString working_dir, QWidget* parent)
    : QMainWindow(parent),
      draw_table_(table),
      history_(table.history()),
      rule_settings_(rule_settings),
      clock_(clock),
      working_dir_(std::move(working_dir)) {
  setObjectName("TForm_zu_main");
  setWindowTitle(QStringLiteral("３９Vantor "));
  build_menu();
  build_body();
}

void TForm_zu_main::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The show handler runs the load sequence; later reloads are asked for explicitly.
  if (!shown_once_) {
    shown_once_ = true;
    load_sequence();
  }
}

void TForm_zu_main::closeEvent(QCloseEvent* event) {
  if (ui::confirm(this, QStringLiteral("您即將結束作業,請再一次確認!"))) {
    event->accept();
    QCoreApplication::quit();
  } else {
    event->ignore();
  }
}

bool TForm_zu_main::load_sequence() {
  setWindowTitle(QStringLiteral("３９Vantor   @2018/12/21   ") + kPublisherAddress);
  const auto loaded =
      draw_table_.reload(core::draw_file_path(history_, ui::u8(working_dir_)), clock_.today_text(), &rule_settings_);
  // After a derivation error the lines are loaded and shown; after a read error the table
  // is as it was.
  const core::LatestDrawLabels labels = core::latest_draw_labels(history_);
  apply_labels(labels.date, labels.issue, labels.balls);
  if (windows_) windows_->announce_reload();
  if (!loaded) ui::show_error(this, loaded.error());
  return loaded.ok();
}

void TForm_zu_main::apply_labels(const std::string& date, const std::string& issue,
                                 const std::string& balls) {
  ui::set_label(lb_data, date);
  ui::set_label(lb_data1, issue);
  ui::set_label(lb_data2, balls);
}

void TForm_zu_main::show_memo(const QString& file_name) {
  const QString path = working_dir_ + "/" + file_name;
  if (!QFileInfo::exists(path)) {
    ui::message(this, ui::MessageKind::Information,
                QStringLiteral("說明檔 ") + file_name + QStringLiteral(" 不存在"));
    return;
  }
  const auto read = core::read_lines(ui::u8(path));
  if (!read) return ui::show_error(this, read.error());
  auto* help = windows_ ? windows_->find<TForm_zu_help>() : nullptr;
  if (!help) return;
  help->mm->set_lines(*read);
  ui::show_modal(help);
}

void TForm_zu_main::open_editor() {
  if (auto* editor = windows_ ? windows_->find<TForm_ZU_stk_txtfile>() : nullptr) editor->open_file();
}

QPixmap TForm_zu_main::game_logo() const { return ui::game_logo(game_); }

void TForm_zu_main::set_windows(app::WindowRegistry& windows) {
  windows_ = &windows;
  windows.build_menu(tools_menu);
}

void TForm_zu_main::open(std::string_view command) {
  if (windows_) windows_->open(command);
}

void TForm_zu_main::rb_biglottoClick() {
  const int choice = rb_mark6->isChecked() ? 1 : 0;
  const GameChoice& game = kGames[choice];
  draw_table_.choose_game(game.draw_file_name, game.game_name);
  game_ = game.logo;
  Panel3->setStyleSheet(choice == 0 ? "background: rgb(255,128,0);" : "background: white;");
  Panel4->setStyleSheet(choice == 1 ? "background: rgb(255,0,255);" : "background: white;");
  QFont bold = rb_biglotto->font(), regular = rb_biglotto->font();
  bold.setBold(true);
  regular.setBold(false);
  rb_biglotto->setFont(choice == 0 ? bold : regular);
  rb_mark6->setFont(choice == 1 ? bold : regular);
  Image1->setPixmap(game_logo());
  if (auto* records = windows_ ? windows_->find<TForm_zu_lotto_record>() : nullptr)
    records->setWindowTitle(QString::fromUtf8(game.record_caption));
  Label4->setText(ui::qs(history_.draw_file_name));
  load_sequence();
}

void TForm_zu_main::SpeedButton19Click() { Panel5->hide(); }
void TForm_zu_main::SpeedButton20Click() { Panel5->show(); }
