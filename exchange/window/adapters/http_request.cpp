#include "exchange/window/adapters/http_request.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "ui/qt_text.h"

namespace exchange {
namespace {

// Why a transfer failed, in the program's words: Qt's own texts are English.
std::string transfer_failure(QNetworkReply::NetworkError error) {
  switch (error) {
    case QNetworkReply::ConnectionRefusedError: return "伺服器拒絕連線";
    case QNetworkReply::RemoteHostClosedError: return "伺服器中斷了連線";
    case QNetworkReply::HostNotFoundError: return "找不到伺服器";
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: return "連線逾時";  // the transfer timeout aborts the reply
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError: return "網路暫時無法使用";
    case QNetworkReply::ContentNotFoundError: return "伺服器上沒有這個檔案";
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::AuthenticationRequiredError: return "伺服器拒絕提供這個檔案";
    case QNetworkReply::InternalServerError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::UnknownServerError: return "伺服器發生錯誤";
    default: return "網路錯誤（代碼 " + std::to_string(static_cast<int>(error)) + "）";
  }
}

}  // namespace

HttpRequest::HttpRequest(QObject* parent) : QObject(parent) {
  total_limit_.setSingleShot(true);
  total_limit_.setInterval(kTotalTimeLimitMs);
  connect(&total_limit_, &QTimer::timeout, this, [this] {
    if (reply_.isNull()) return;
    too_slow_ = true;
    reply_->abort();  // finished() follows with OperationCanceledError
  });
}

HttpRequest::~HttpRequest() { cancel(); }

void HttpRequest::start(const ServerEndpoint& endpoint, const std::string& path) {
  cancel();
  body_.clear();
  too_large_ = false;
  too_slow_ = false;
  QUrl url;
  url.setScheme(QStringLiteral("http"));
  url.setHost(ui::qs(endpoint.host));
  url.setPort(endpoint.port);
  url.setPath(ui::qs(path));
  QNetworkRequest request(url);
  request.setTransferTimeout(timeout_ms_);
  // Always the server's current copy, never a cached one.
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  reply_ = manager_.get(request);
  connect(reply_, &QNetworkReply::readyRead, this, [this] { read_available(); });
  connect(reply_, &QNetworkReply::finished, this, [this] { complete(); });
  total_limit_.start();
}

void HttpRequest::cancel() {
  total_limit_.stop();
  if (reply_.isNull()) return;
  QNetworkReply* reply = reply_;
  reply_.clear();
  reply->disconnect(this);
  reply->abort();
  reply->deleteLater();
}

void HttpRequest::read_available() {
  if (reply_.isNull()) return;
  body_ += reply_->readAll();
  if (static_cast<std::size_t>(body_.size()) > kMaxDownloadBytes) {
    too_large_ = true;
    reply_->abort();  // finished() follows with OperationCanceledError
    return;
  }
  // Reported on every arrival: Qt's own progress signal holds back the first 100 ms.
  const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
  emit progress(body_.size(), length.isValid() ? length.toLongLong() : -1);
}

void HttpRequest::complete() {
  if (reply_.isNull()) return;
  total_limit_.stop();
  QNetworkReply* reply = reply_;
  reply_.clear();
  if (reply->isOpen()) body_ += reply->readAll();  // an aborted reply is closed
  HttpReply outcome;
  outcome.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  // An HTTP error status also arrives as an error here; a time-out, a refused connection
  // and a body cut short before its announced length are transport errors.
  outcome.completed = reply->error() == QNetworkReply::NoError && !too_large_ && !too_slow_;
  outcome.too_large = too_large_;
  outcome.too_slow = too_slow_;
  if (!outcome.completed)
    outcome.failure = too_large_  ? "回應超過 " + std::to_string(kMaxDownloadBytes) + " 位元組"
                      : too_slow_ ? "超過 " + std::to_string(total_limit_.interval() / 1000) + " 秒仍未完成"
                                  : transfer_failure(reply->error());
  outcome.body.assign(body_.constData(), static_cast<std::size_t>(body_.size()));
  body_.clear();
  reply->deleteLater();
  emit finished(outcome);
}

}  // namespace exchange
