#include "exchange/server_address.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/text_file.h"
#include "core/utf8_path.h"

namespace exchange {
namespace {

std::string_view trim_blanks(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string in_directory(const std::string& directory, const std::string& name) {
  return directory.empty() ? name : directory + "/" + name;
}

bool same_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The exact name when it exists; otherwise the first differently cased match by name.
std::string existing_address_file(const std::string& directory) {
  const std::string exact = in_directory(directory, kServerAddressFile);
  if (core::file_exists(exact)) return exact;
  std::error_code ec;
  std::string found;
  for (const auto& entry : std::filesystem::directory_iterator(core::utf8_path(directory.empty() ? "." : directory), ec)) {
    const std::string name = entry.path().filename().string();
    if (same_ignoring_case(name, kServerAddressFile) && (found.empty() || name < found)) found = name;
  }
  return found.empty() ? std::string() : in_directory(directory, found);
}

}  // namespace

std::string confirm_address_question(std::string_view address) {
  return "請確定新的IP為 " + std::string(address);
}

core::Result<std::string> compose_address(const std::array<std::string, 4>& parts) {
  std::string address;
  for (const auto& part : parts) {
    const std::string_view trimmed = trim_blanks(part);
    if (trimmed.empty()) return core::Error::error(kBlankAddressPart);
    if (!address.empty()) address += '.';
    address += trimmed;
  }
  return address;
}

core::Result<std::string> read_server_address(const std::string& directory) {
  const std::string path = existing_address_file(directory);
  if (path.empty()) return std::string();
  const auto lines = core::read_lines(path);
  if (!lines) return lines.error();
  return lines->empty() ? std::string() : lines->front();
}

core::Status write_server_address(const std::string& directory, std::string_view address) {
  return core::write_lines_atomic(in_directory(directory, kServerAddressFile), {std::string(address)});
}

bool download_enabled_for(std::string_view address) { return trim_blanks(address) != kDisabledAddress; }

}  // namespace exchange
