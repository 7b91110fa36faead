// The files the program keeps for itself: the draw files and their backups, the help
// texts and the data-server address file. A save of a picture, a text, a note or a report
// never replaces one of them (typing "TW539.txt" into a picture's save dialog must not turn
// the draw history into a picture); every other file may be replaced (the windows ask first, the command line does not).
// The windows' save dialog and the command line's file-writing options both ask here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/result.h"

namespace core {

// The draw files of both games, in the working directory.
inline constexpr std::array<std::string_view, 2> kDrawFileNames{"TW539.txt", "US539.txt"};
inline constexpr std::array<std::string_view, 3> kHelpFileNames{"help_record.txt", "help_single.txt",
                                                                "help_moving.txt"};
inline constexpr std::string_view kServerAddressFileName = "FtpServerIp.txt";
// Backups of a draw file: "<draw file>.bak" beside it and every file in this folder
// beside it (dated copies).
inline constexpr std::string_view kBackupSuffix = ".bak";
inline constexpr std::string_view kBackupFolderName = "backup";

// Where the program's own files are.
struct OwnFilePlaces {
  std::string draw_file;    // the open draw file
  std::string working_dir;  // help texts, address file, both games' draw files; "" = current
};

enum class OwnFileKind { DrawFile, DrawBackup, HelpText, ServerAddress };

// What `target` is to the program, or nullopt for a file of the user's. Paths are compared
// after resolving "..", symbolic links and the current directory; file names ignore ASCII
// case (a case-insensitive disk would reach the same file), and an existing target that is
// the same file as an own one (a hard link) counts too.
[[nodiscard]] std::optional<OwnFileKind> own_file_kind(const std::string& target, const OwnFilePlaces& places);

// A save over an own file is refused, naming it:
// "「TW539.txt」是本程式的開獎資料檔,不能覆蓋,請另選檔名".
[[nodiscard]] Status refuse_own_file(const std::string& target, const OwnFilePlaces& places);

}  // namespace core
