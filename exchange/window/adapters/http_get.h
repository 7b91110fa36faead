// The blocking form of the draw-file download, for the command line: no Qt type in this
// header. It runs its own event loop until the reply is complete or the transfer times
// out, creating an application object first when the process has none.
#pragma once

#include <string>

#include "exchange/data_server.h"
#include "exchange/download.h"

namespace exchange {

[[nodiscard]] HttpReply http_get(const ServerEndpoint& endpoint, const std::string& path,
                                 int timeout_ms = kTransferTimeoutMs);

}  // namespace exchange
