// One asynchronous HTTP GET of the draw file, through Qt Network. The window starts it
// and stays responsive; progress() reports the bytes received; finished() hands the
// outcome over as an exchange::HttpReply for review_download.
#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "exchange/data_server.h"
#include "exchange/download.h"

class QNetworkReply;

namespace exchange {

class HttpRequest : public QObject {
  Q_OBJECT
 public:
  explicit HttpRequest(QObject* parent = nullptr);
  ~HttpRequest() override;

  // Milliseconds without data before the transfer is given up (20000 unless a test
  // shortens it).
  void set_transfer_timeout(int milliseconds) { timeout_ms_ = milliseconds; }
  [[nodiscard]] int transfer_timeout() const { return timeout_ms_; }
  // Milliseconds the whole transfer may take, however steadily bytes arrive.
  void set_total_time_limit(int milliseconds) { total_limit_.setInterval(milliseconds); }

  // Starts GET http://host:port<path>; a running request is cancelled first.
  void start(const ServerEndpoint& endpoint, const std::string& path);
  // Abandons a running request; finished() is not emitted for it.
  void cancel();
  [[nodiscard]] bool running() const { return !reply_.isNull(); }

 signals:
  void progress(qint64 received, qint64 total);  // total < 0 when the server did not say
  void finished(const exchange::HttpReply& reply);

 private:
  void read_available();
  void complete();

  QNetworkAccessManager manager_;
  QPointer<QNetworkReply> reply_;
  QByteArray body_;
  bool too_large_ = false;
  bool too_slow_ = false;
  int timeout_ms_ = kTransferTimeoutMs;
  QTimer total_limit_;
};

}  // namespace exchange
