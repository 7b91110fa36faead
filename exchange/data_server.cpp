#include "exchange/data_server.h"

#include "core/numbers.h"

#ifndef VANTOR_DATA_SERVER_HOST
#define VANTOR_DATA_SERVER_HOST "data.vantor39.example"
#endif

namespace exchange {
namespace {

core::Error bad_endpoint(std::string_view text) {
  return core::Error::error("資料伺服器位址「" + std::string(text) + "」不正確，應為 主機 或 主機:埠號");
}

bool valid_host(std::string_view host) {
  if (host.empty()) return false;
  for (const char c : host)
    if (static_cast<unsigned char>(c) <= 32 || c == '/' || c == '?' || c == '#' || c == '@' || c == '[' ||
        c == ']')
      return false;
  return true;
}

}  // namespace

core::Result<ServerEndpoint> parse_endpoint(std::string_view text) {
  ServerEndpoint endpoint;
  std::string_view host = text, port;
  if (!text.empty() && text.front() == '[') {  // [::1]:8080
    const auto close = text.find(']');
    if (close == std::string_view::npos) return bad_endpoint(text);
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return bad_endpoint(text);
      port = rest.substr(1);
      if (port.empty()) return bad_endpoint(text);
    }
    if (host.empty() || host.find_first_not_of("0123456789abcdefABCDEF:.") != std::string_view::npos)
      return bad_endpoint(text);
  } else {
    const auto colon = text.rfind(':');
    if (colon != std::string_view::npos) {
      host = text.substr(0, colon);
      port = text.substr(colon + 1);
      if (port.empty()) return bad_endpoint(text);
    }
    if (!valid_host(host) || host.find(':') != std::string_view::npos) return bad_endpoint(text);
  }
  if (!port.empty()) {
    const auto number = core::to_int_strict(port);
    if (!number || port.front() == '+' || port.front() == '-' || *number < 1 || *number > 65535)
      return bad_endpoint(text);
    endpoint.port = *number;
  }
  endpoint.host = std::string(host);
  return endpoint;
}

std::string_view built_in_server() { return VANTOR_DATA_SERVER_HOST; }

core::Result<ServerEndpoint> data_server_endpoint(const char* override_text) {
  if (override_text && *override_text) {
    auto endpoint = parse_endpoint(override_text);
    if (!endpoint) return core::Error::error(std::string(kServerVariable) + "：" + endpoint.error().text);
    return endpoint;
  }
  return parse_endpoint(built_in_server());
}

std::string download_path(std::string_view draw_file_name) {
  return "/HISTORYDATA/" + std::string(draw_file_name);
}

std::string download_url(const ServerEndpoint& endpoint, std::string_view draw_file_name) {
  const bool v6 = endpoint.host.find(':') != std::string::npos;
  std::string url = "http://" + (v6 ? "[" + endpoint.host + "]" : endpoint.host);
  // Appended piece by piece: GCC 12 wrongly warns (-Wrestrict) about ":" + std::string.
  if (endpoint.port != kHttpPort) url.append(":").append(std::to_string(endpoint.port));
  return url + download_path(draw_file_name);
}

}  // namespace exchange
