#include "exchange/window/tform_download_txt_from_http.h"

#include <QHBoxLayout>
#include <QLocale>
#include <QMetaMethod>
#include <algorithm>
#include <QVBoxLayout>
#include <cstdlib>

#include "core/loader.h"
#include "core/reload.h"
#include "exchange/download.h"
#include "exchange/window/adapters/http_request.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/logo.h"
#include "ui/widgets.h"

TForm_Download_TxT_from_http::TForm_Download_TxT_from_http(core::DrawTable& table, const core::Clock& clock,
                                                           QString working_dir, QWidget* parent)
    : ui::FormDialog(parent),
      draw_table_(table), history_(table.history()),
      clock_(clock),
      working_dir_(std::move(working_dir)),
      request_(new exchange::HttpRequest(this)) {
  setObjectName("TForm_Download_TxT_from_http");
  setWindowTitle(QStringLiteral("下載開獎資料"));
  build();
  connect(request_, &exchange::HttpRequest::progress, this,
          [this](qint64 received, qint64 total) { show_progress(received, total); });
  connect(request_, &exchange::HttpRequest::finished, this,
          [this](const exchange::HttpReply& reply) { take_reply(reply); });
  // Every close, after a download or not, by the program or the frame, reloads.
  connect(this, &QDialog::finished, this, [this](int) { FormClose(); });
}

void TForm_Download_TxT_from_http::build() {
  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setPixmap(ui::ball_strip({5, 3, 9}, 40));
  Label1 = new QLabel(QStringLiteral("開獎檔案"), this);
  Label1->setObjectName("Label1");
  QFont bold = Label1->font();
  bold.setBold(true);
  bold.setPixelSize(18);
  Label1->setFont(bold);
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  Label2->setFont(bold);
  Label2->setStyleSheet("color: rgb(0, 90, 45);");
  Button1 = ui::push_button(this, QStringLiteral("開始下載"), "Button1");
  Button1->setMinimumHeight(34);
  lb_progress = new QLabel(this);
  lb_progress->setObjectName("lb_progress");
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 1);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);

  auto* title = new QHBoxLayout;
  title->addWidget(Image1);
  title->addSpacing(8);
  title->addWidget(Label1);
  title->addWidget(Label2);
  title->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(title);
  layout->addSpacing(6);
  layout->addWidget(Button1);
  layout->addWidget(ProgressBar1);
  layout->addWidget(lb_progress);
  setMinimumWidth(420);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm_Download_TxT_from_http::FormShow() { Label2->setText(ui::qs(history_.draw_file_name)); }

std::string TForm_Download_TxT_from_http::draw_path() const {
  return core::draw_file_path(history_, ui::u8(working_dir_));
}

void TForm_Download_TxT_from_http::Button1Click() {
  Button1->setEnabled(false);
  const auto endpoint = endpoint_ ? core::Result<exchange::ServerEndpoint>(*endpoint_)
                                  : exchange::data_server_endpoint(std::getenv(exchange::kServerVariable));
  if (!endpoint) {
    ui::show_error(this, endpoint.error());
    reject();
    return;
  }
  lb_progress->setText(QStringLiteral("連線中: ") + ui::qs(exchange::download_url(*endpoint, history_.draw_file_name)));
  ProgressBar1->setRange(0, 0);  // busy until the size is known
  request_->start(*endpoint, exchange::download_path(history_.draw_file_name));
}

void TForm_Download_TxT_from_http::show_progress(qint64 received, qint64 total) {
  const QLocale c = QLocale::c();
  QString text = QStringLiteral("已接收 ") + c.toString(received);
  if (total > 0) {
    text += QStringLiteral(" / ") + c.toString(total);
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(static_cast<int>(1000 * std::min(received, total) / total));
  }
  lb_progress->setText(text + QStringLiteral(" 位元組"));
}

void TForm_Download_TxT_from_http::take_reply(const exchange::HttpReply& reply) {
  ProgressBar1->setRange(0, 1);
  ProgressBar1->setValue(reply.completed ? 1 : 0);
  const auto review = exchange::review_download(reply, draw_path(), clock_.today_text());
  if (!review) {  // a failed request or a body that is no draw file: the file stays
    ui::show_error(this, review.error());
    reject();
    return;
  }
  if (review->has_fewer_draws() && !ui::confirm(this, ui::qs(exchange::fewer_draws_question(*review)))) {
    reject();
    return;
  }
  if (const core::Status written = exchange::replace_draw_file(draw_path(), review->bytes, clock_.now()); !written) {
    ui::show_error(this, written.error());  // the window stays open, Button1 off, until closed
    return;
  }
  ui::message(this, ui::MessageKind::Information, QString::fromUtf8(exchange::kDownloadDone));
  reject();
}

void TForm_Download_TxT_from_http::FormClose() {
  request_->cancel();
  if (isSignalConnected(QMetaMethod::fromSignal(&TForm_Download_TxT_from_http::reload_requested))) {
    emit reload_requested();
  } else {
    const auto loaded = draw_table_.reload(draw_path(), clock_.today_text());
    if (!loaded) ui::show_error(this, loaded.error());
  }
  lb_progress->clear();
  ProgressBar1->setRange(0, 1);
  ProgressBar1->setValue(0);
  Button1->setEnabled(true);
}
