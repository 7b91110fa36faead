// The download window: "開始下載" fetches the data server's copy of the draw file over
// HTTP without blocking the window, shows the bytes received, and replaces the draw file
// only when the copy is sound (exchange/download.h). Every close reloads the draw table.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <optional>

#include "core/clock.h"
#include "core/draw_history.h"
#include "core/draw_table.h"
#include "exchange/data_server.h"
#include "ui/form_dialog.h"

namespace exchange {
class HttpRequest;
struct HttpReply;
}  // namespace exchange

class TForm_Download_TxT_from_http : public ui::FormDialog {
  Q_OBJECT
 public:
  TForm_Download_TxT_from_http(core::DrawTable& table, const core::Clock& clock, QString working_dir,
                               QWidget* parent = nullptr);

  // The server to ask instead of the built-in one or VANTOR39_DATA_SERVER.
  void set_endpoint(const exchange::ServerEndpoint& endpoint) { endpoint_ = endpoint; }
  [[nodiscard]] exchange::HttpRequest& request() { return *request_; }

  void FormShow() override;
  void Button1Click();

  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;  // "開獎檔案"
  QLabel* Label2 = nullptr;  // the draw file's name
  QLabel* lb_progress = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QPushButton* Button1 = nullptr;

 signals:
  // Every close asks for a reload of the draw table. The program's reload refreshes every
  // open window as well, so a connected receiver takes the reload over; a window that no
  // one listens to (alone in a test) reloads the table itself.
  void reload_requested();

 private:
  void build();
  void show_progress(qint64 received, qint64 total);
  void take_reply(const exchange::HttpReply& reply);
  void FormClose();
  [[nodiscard]] std::string draw_path() const;

  core::DrawTable& draw_table_;
  const core::DrawHistory& history_;
  const core::Clock& clock_;
  QString working_dir_;
  std::optional<exchange::ServerEndpoint> endpoint_;
  exchange::HttpRequest* request_;  // a child of the window
};
