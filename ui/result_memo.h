// A result memo and its command buttons, the way every report area of the program works:
//
//   清除      empties the memo, then runs the window's refill (e.g. the query that fills it)
//   複製      puts the whole text on the clipboard, then says "資料已複製Copy"
//   存檔(txt) asks for a file name, then writes the memo's lines in Big5, each ended by
//   存檔(csv) CR LF, atomically: a failed write keeps the old file whole, says why and
//             leaves the dialog open (ui::save_file);
//             the same dialog also offers a spreadsheet (ui/spreadsheet_save.h): one row
//             per line, one cell per ","-separated field, named after the window
//
// The ResultMemo creates the memo and the buttons it is given, named as given, as
// children of `parent`; the window lays them out (beside() puts the buttons in a column
// to the right of the memo) and keeps the pointers it needs:
//
//   auto* period = new ui::ResultMemo(sheet, "Memo1",
//                                     ui::ResultMemo::every_command("Button3", "Button4", "Button5", "Button6"));
//   period->set_refill([this] { return rerun_query(); });
//   layout->addLayout(period->beside(), 1);
//   Memo1 = period->memo();
//
// A copy-only memo: new ui::ResultMemo(sheet, "mm", {{ui::ResultMemo::Command::Copy, "BitBtn1"}}).
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "ui/memo.h"
#include "ui/spreadsheet_save.h"

class QHBoxLayout;
class QPushButton;

namespace ui {

class ResultMemo : public QObject {
  Q_OBJECT

 public:
  enum class Command { Clear, Copy, SaveText, SaveCsv };
  struct Button {
    Command command;
    QString name;  // the button's object name
  };
  // The texts of the commands; the defaults are the program's usual ones.
  struct Texts {
    QString copied = QStringLiteral("資料已複製Copy");  // empty: copy silently
    QString save_title = QStringLiteral("儲存開獎資料");
    QString text_filter = kTextFilter;
    QString csv_filter = kCsvFilter;
  };

  ResultMemo(QWidget* parent, const QString& memo_name, const std::vector<Button>& buttons, Texts texts);
  ResultMemo(QWidget* parent, const QString& memo_name, const std::vector<Button>& buttons)
      : ResultMemo(parent, memo_name, buttons, Texts()) {}
  // 清除, 複製, 存檔(txt) and 存檔(csv), named in that order.
  [[nodiscard]] static std::vector<Button> every_command(const QString& clear, const QString& copy,
                                                         const QString& save_text, const QString& save_csv);

  [[nodiscard]] Memo* memo() const { return memo_; }
  // The button of a command; nullptr when this memo has none.
  [[nodiscard]] QPushButton* button(Command command) const;
  // The memo with its buttons in a column to its right, for the window's layout.
  [[nodiscard]] QHBoxLayout* beside() const;

  // What 清除 runs after emptying the memo; false when it refused (the memo stays empty).
  void set_refill(std::function<bool()> refill) { refill_ = std::move(refill); }

  // The commands, as their buttons run them. clear() returns the refill's answer.
  bool clear();
  void copy();
  void save(Command format);  // Command::SaveText or Command::SaveCsv

 private:
  Memo* memo_ = nullptr;
  std::vector<std::pair<Command, QPushButton*>> buttons_;
  Texts texts_;
  std::function<bool()> refill_;
};

}  // namespace ui
