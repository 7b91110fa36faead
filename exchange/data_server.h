// Where the draw file is downloaded from.
//
// The data server's host is fixed when the program is built (the CMake cache variable
// VANTOR_DATA_SERVER_HOST, "host" or "host:port"). The environment variable
// VANTOR39_DATA_SERVER ("host[:port]") overrides it, for the tests' loopback server and
// for users who keep their own mirror. The address kept in "FtpServerIp.txt" is a
// different thing: it only switches the download button off (see server_address.h).
//
//   parse_endpoint("127.0.0.1:8080") -> {host "127.0.0.1", port 8080}
//   download_path("TW539.txt")       -> "/HISTORYDATA/TW539.txt"
#pragma once

#include <string>
#include <string_view>

#include "core/result.h"

namespace exchange {

inline constexpr int kHttpPort = 80;
inline constexpr int kTransferTimeoutMs = 20000;
inline constexpr const char* kServerVariable = "VANTOR39_DATA_SERVER";

struct ServerEndpoint {
  std::string host;
  int port = kHttpPort;
  bool operator==(const ServerEndpoint&) const = default;
};

// "host", "host:port" or "[v6-address]:port". Refuses an empty host, blanks or URL
// punctuation in the host, and a port outside 1..65535.
[[nodiscard]] core::Result<ServerEndpoint> parse_endpoint(std::string_view text);

// The host the program was built with.
[[nodiscard]] std::string_view built_in_server();

// The endpoint a download uses: `override_text` (the environment variable's value, or
// nullptr when it is unset or empty) wins over the built-in host.
[[nodiscard]] core::Result<ServerEndpoint> data_server_endpoint(const char* override_text);

// "/HISTORYDATA/" followed by the draw file's name.
[[nodiscard]] std::string download_path(std::string_view draw_file_name);

// "http://host[:port]/HISTORYDATA/name", for messages and logs.
[[nodiscard]] std::string download_url(const ServerEndpoint& endpoint, std::string_view draw_file_name);

}  // namespace exchange
