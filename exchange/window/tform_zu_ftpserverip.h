// The data-server address window: shows the address kept in "FtpServerIp.txt" and sets a
// new one from four parts. The address "1.1.1.1" switches the records window's download
// button off from its next showing; any other address switches it on.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "ui/form_dialog.h"

class TForm_zu_FtpServerIP : public ui::FormDialog {
  Q_OBJECT
 public:
  explicit TForm_zu_FtpServerIP(QString working_dir, QWidget* parent = nullptr);

  void FormShow() override;
  void Button2Click();

  [[nodiscard]] bool download_enabled() const { return download_enabled_; }

  QLabel* Label2 = nullptr;  // the current address
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QLineEdit* Edit4 = nullptr;
  QPushButton* Button2 = nullptr;  // "確定"
  QPushButton* Button1 = nullptr;  // "離開"

 signals:
  void download_enabled_changed(bool enabled);

 private:
  void build();

  QString working_dir_;
  bool download_enabled_ = true;
};
