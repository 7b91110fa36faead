#include "core/own_files.h"
#include "core/utf8_path.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace core {
namespace {

namespace fs = std::filesystem;

// An absolute path with "..", "." and symbolic links of its existing part resolved.
fs::path resolved(const fs::path& path) {
  std::error_code failed;
  fs::path absolute = fs::absolute(path, failed);
  if (failed) absolute = path;
  fs::path canonical = fs::weakly_canonical(absolute, failed);
  return failed ? absolute.lexically_normal() : canonical;
}

std::string lower_ascii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  return text;
}

bool same_file(const fs::path& target, const fs::path& own) {
  if (target.parent_path() == own.parent_path() &&
      lower_ascii(target.filename().string()) == lower_ascii(own.filename().string()))
    return true;
  std::error_code failed;
  return fs::equivalent(target, own, failed) && !failed;
}

// `target` lies somewhere inside `folder`.
bool inside(const fs::path& target, const fs::path& folder) {
  const auto [folder_end, target_at] = std::mismatch(folder.begin(), folder.end(), target.begin(), target.end());
  return folder_end == folder.end() && target_at != target.end();
}

struct OwnFile {
  fs::path path;
  OwnFileKind kind;
};

std::vector<OwnFile> own_files(const OwnFilePlaces& places) {
  const fs::path directory = resolved(places.working_dir.empty() ? fs::path(".") : utf8_path(places.working_dir));
  std::vector<OwnFile> files;
  std::vector<fs::path> draw_files;
  if (!places.draw_file.empty()) draw_files.push_back(resolved(utf8_path(places.draw_file)));
  for (std::string_view name : kDrawFileNames) draw_files.push_back(directory / name);
  for (const fs::path& draw : draw_files) {
    files.push_back({draw, OwnFileKind::DrawFile});
    files.push_back({fs::path(draw).concat(kBackupSuffix), OwnFileKind::DrawBackup});
  }
  for (std::string_view name : kHelpFileNames) files.push_back({directory / name, OwnFileKind::HelpText});
  files.push_back({directory / kServerAddressFileName, OwnFileKind::ServerAddress});
  return files;
}

std::vector<fs::path> backup_folders(const OwnFilePlaces& places) {
  const fs::path directory = resolved(places.working_dir.empty() ? fs::path(".") : utf8_path(places.working_dir));
  std::vector<fs::path> folders{directory / kBackupFolderName};
  if (!places.draw_file.empty()) folders.push_back(resolved(utf8_path(places.draw_file)).parent_path() / kBackupFolderName);
  return folders;
}

std::string_view role_of(OwnFileKind kind) {
  switch (kind) {
    case OwnFileKind::DrawFile: return "開獎資料檔";
    case OwnFileKind::DrawBackup: return "開獎資料的備份檔";
    case OwnFileKind::HelpText: return "說明檔";
    case OwnFileKind::ServerAddress: return "資料伺服器位址檔";
  }
  return {};
}

}  // namespace

std::optional<OwnFileKind> own_file_kind(const std::string& target, const OwnFilePlaces& places) {
  if (target.empty()) return std::nullopt;
  const fs::path path = resolved(utf8_path(target));
  for (const OwnFile& own : own_files(places))
    if (same_file(path, own.path)) return own.kind;
  for (const fs::path& folder : backup_folders(places))
    if (inside(path, folder)) return OwnFileKind::DrawBackup;
  return std::nullopt;
}

Status refuse_own_file(const std::string& target, const OwnFilePlaces& places) {
  const auto kind = own_file_kind(target, places);
  if (!kind) return {};
  const std::string name = utf8_path(target).filename().string();
  return Error::warning("「" + name + "」是本程式的" + std::string(role_of(*kind)) + ",不能覆蓋,請另選檔名");
}

}  // namespace core
