#include "core/working_folder.h"

#include <algorithm>

#include "core/system_error.h"
#include "core/utf8_path.h"

namespace core {
namespace fs = std::filesystem;

namespace {

constexpr const char* kFolderName = "vantor39";

Error cannot(const std::string& what, const fs::path& path, const std::error_code& error) {
  return Error::error(what + " " + path.string() + ": " + system_error_text(error.value()));
}

// Names in `bundle` of the regular files it holds, sorted so the seeding order is fixed.
Result<std::vector<fs::path>> bundled_files(const fs::path& bundle) {
  std::error_code error;
  fs::directory_iterator entries(bundle, error);
  if (error) return cannot("無法讀取資料夾", bundle, error);
  std::vector<fs::path> names;
  for (const fs::directory_entry& entry : entries) {
    if (entry.is_regular_file(error)) names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::optional<fs::path> user_working_folder(const char* vantor39_home, const char* home) {
  if (vantor39_home && *vantor39_home) return utf8_path(vantor39_home);
  if (home && *home) return utf8_path(home) / kFolderName;
  return std::nullopt;
}

std::optional<fs::path> installed_bundle(const fs::path& executable_folder) {
  const fs::path bundle = executable_folder.parent_path() / "share" / kFolderName;
  std::error_code error;
  if (executable_folder.empty() || !fs::is_directory(bundle, error)) return std::nullopt;
  return bundle;
}

Result<std::vector<std::string>> seed_working_folder(const fs::path& folder, const fs::path& bundle) {
  const auto names = bundled_files(bundle);
  if (!names) return names.error();
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return cannot("無法建立資料夾", folder, error);
  std::vector<std::string> copied;
  for (const fs::path& name : *names) {
    const fs::path target = folder / name;
    // symlink_status: a dangling link under the name is the user's too and stays.
    if (fs::symlink_status(target, error).type() != fs::file_type::not_found) continue;
    if (!fs::copy_file(bundle / name, target, fs::copy_options::skip_existing, error)) {
      if (error) return cannot("無法複製檔案到", target, error);
      continue;
    }
    // An installed bundle is read-only; the user's copy is theirs to edit.
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    copied.push_back(name.string());
  }
  return copied;
}

}  // namespace core
