#include "exchange/window/adapters/http_get.h"

#include <QEventLoop>

#include "exchange/window/adapters/http_request.h"
#include "exchange/window/adapters/qt_runtime.h"

namespace exchange {

HttpReply http_get(const ServerEndpoint& endpoint, const std::string& path, int timeout_ms) {
  detail::ensure_application();
  HttpRequest request;
  request.set_transfer_timeout(timeout_ms);
  QEventLoop loop;
  HttpReply outcome;
  QObject::connect(&request, &HttpRequest::finished, &loop, [&](const HttpReply& reply) {
    outcome = reply;
    loop.quit();
  });
  request.start(endpoint, path);
  if (request.running()) loop.exec();
  return outcome;
}

}  // namespace exchange
