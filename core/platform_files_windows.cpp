#include "core/windows_text.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>

#include "core/platform_files.h"

namespace core::platform {

// Windows keeps no quota error of its own in errno terms; a value no call returns.
const int kQuotaExceeded = -2;

namespace {

std::wstring wide(const std::string& utf8) { return windows::wide_of_utf8(utf8); }

// The system's code as the errno value the messages know; an unknown code keeps its
// number (offset, so it cannot pass for an errno value) for the user to report.
int errno_of(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return ENOENT;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return EBUSY;  // another program (a spreadsheet) holds the file
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT: return EIO;
    default: return 10000 + static_cast<int>(code);
  }
}

int last_errno() { return errno_of(GetLastError()); }

struct Handle {
  HANDLE h = INVALID_HANDLE_VALUE;
  ~Handle() { close(); }
  bool close() {
    const bool ok = h == INVALID_HANDLE_VALUE || CloseHandle(h);
    h = INVALID_HANDLE_VALUE;
    return ok;
  }
};

// A name beside `target` that no other writer picks: the process, a counter and the clock.
std::string fresh_name_beside(const std::string& target, std::string_view suffix) {
  static std::atomic<unsigned> counter{0};
  return target + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "-" +
         std::to_string(GetTickCount64()) + std::string(suffix);
}

int create_new(const std::string& path, Handle& file) {
  file.h = CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  return file.h == INVALID_HANDLE_VALUE ? last_errno() : 0;
}

int write_all_to(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return last_errno();
    bytes.remove_prefix(written);
  }
  return 0;
}

}  // namespace

int read_file(const std::string& path, std::string& bytes) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return last_errno();
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EISDIR;
  Handle file;
  file.h = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file.h == INVALID_HANDLE_VALUE) return last_errno();
  if (GetFileType(file.h) != FILE_TYPE_DISK) return kNotRegularFile;
  bytes.clear();
  char buffer[65536];
  DWORD n = 0;
  while (ReadFile(file.h, buffer, sizeof buffer, &n, nullptr)) {
    if (n == 0) return 0;
    bytes.append(buffer, n);
  }
  return last_errno();
}

bool exists(const std::string& path) { return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Links are rare on Windows desktops and a replacement keeps a link's name: the path as given.
std::string final_target(const std::string& path) { return path; }

bool is_read_only_file(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_READONLY);
}

int replace_contents(const std::string& target, std::string_view bytes) {
  // ReplaceFileW can put the new file in a folder's place, and the folder's contents would be
  // gone: a folder is refused before anything is written.
  const DWORD attributes = GetFileAttributesW(wide(target).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return EISDIR;
  const std::string name = fresh_name_beside(target, "");
  Handle file;
  int failure = create_new(name, file);
  if (failure != 0) return failure;
  failure = write_all_to(file.h, bytes);
  if (failure == 0 && !FlushFileBuffers(file.h)) failure = last_errno();
  if (!file.close() && failure == 0) failure = last_errno();
  if (failure == 0) {
    // ReplaceFileW keeps the old file's security and attributes; a new target is moved
    // into place, through to the disk before the call returns.
    const bool replaced =
        exists(target) ? ReplaceFileW(wide(target).c_str(), wide(name).c_str(), nullptr,
                                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                       : MoveFileExW(wide(name).c_str(), wide(target).c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) failure = last_errno();
  }
  if (failure != 0) DeleteFileW(wide(name).c_str());
  return failure;
}

int create_beside(const std::string& target, std::string_view suffix, std::string& created) {
  const std::string name = fresh_name_beside(target, suffix);
  Handle file;
  if (const int failure = create_new(name, file); failure != 0) return failure;
  created = name;
  return 0;
}

int move_replacing(const std::string& from, const std::string& to) {
  const DWORD attributes = GetFileAttributesW(wide(to).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return EISDIR;
  const bool moved = MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  return moved ? 0 : last_errno();
}

void remove_file(const std::string& path) { DeleteFileW(wide(path).c_str()); }

bool may_write(const std::string& path) { return !is_read_only_file(path); }

// Windows decides through access lists no attribute shows: a probe file answers.
int folder_refusal(const std::string& folder) {
  const std::string probe = fresh_name_beside(folder + "\\vantor39-probe", "");
  const HANDLE file = CreateFileW(wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return last_errno();
  CloseHandle(file);
  return 0;
}

}  // namespace core::platform
