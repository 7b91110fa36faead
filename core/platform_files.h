// What the program's file reads and writes need of the system, in one place: POSIX calls on
// Linux (platform_files_posix.cpp), the Windows API on Windows (platform_files_windows.cpp).
// Failures come back as errno values (ENOSPC, EACCES, EROFS, ...), which core/system_error.h
// turns into the user's words; the Windows side maps its own codes onto them.
#pragma once

#include <string>
#include <string_view>

namespace core::platform {

// Returned by read_file for a path that names something other than a regular file.
inline constexpr int kNotRegularFile = -1;
// The errno value of an exceeded disk quota, where the system has one (Windows has none).
extern const int kQuotaExceeded;

// The whole file into `bytes`: 0, an errno value, or kNotRegularFile.
[[nodiscard]] int read_file(const std::string& path, std::string& bytes);

[[nodiscard]] bool exists(const std::string& path);

// The file a write really replaces: a symbolic link is followed to its target, so the
// user's one draw file is updated instead of being split into a link and a copy.
[[nodiscard]] std::string final_target(const std::string& path);

// True when `path` is an existing regular file whose permissions refuse writing.
[[nodiscard]] bool is_read_only_file(const std::string& path);

// Replaces the contents of `target` (a final_target) whole or not at all: the bytes go to a
// new file beside it, reach the disk, take the old file's permissions (and owner, where the
// system has one) and then take its place in one step. 0, or the errno value of the step
// that failed, the old file then untouched.
[[nodiscard]] int replace_contents(const std::string& target, std::string_view bytes);

// A new, empty file beside `target` whose name ends in `suffix`, for a library that writes
// its own file: 0 with its path in `created`, or an errno value.
[[nodiscard]] int create_beside(const std::string& target, std::string_view suffix, std::string& created);

// Puts the file `from` in the place of `to` in one step, replacing a file there (never a
// folder): 0, or an errno value with both untouched.
[[nodiscard]] int move_replacing(const std::string& from, const std::string& to);

void remove_file(const std::string& path);

// Whether this process may write the existing file `path`.
[[nodiscard]] bool may_write(const std::string& path);
// 0 when this process may create files in `folder`, else the errno value that says why not.
[[nodiscard]] int folder_refusal(const std::string& folder);

}  // namespace core::platform
