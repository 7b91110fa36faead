// Where an installed program keeps the user's files, and how that folder is first filled.
//
// The installed program reads and writes its draw file and help texts in a folder of the
// user's own (~/vantor39, or the one VANTOR39_HOME names). On every start it copies there
// whatever the installation bundles (the draw history, the help texts) that the folder
// does not yet hold; a file that is already there is never touched, so the user's own
// draw history stays theirs.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/result.h"

namespace core {

// The user's working folder: `vantor39_home` when it is set and not empty, else
// `home`/vantor39. Arguments are the environment's values (nullptr when unset); nullopt
// when neither is usable.
[[nodiscard]] std::optional<std::filesystem::path> user_working_folder(const char* vantor39_home,
                                                                       const char* home);

// The bundled files of an installed program whose executable is in `executable_folder`
// (<prefix>/bin): <prefix>/share/vantor39 when it exists, nullopt otherwise (a program
// started from its build tree).
[[nodiscard]] std::optional<std::filesystem::path> installed_bundle(const std::filesystem::path& executable_folder);

// Creates `folder` when needed and copies into it each regular file of `bundle` that
// `folder` lacks, writable by the user. Anything already in the folder under that name
// (a file, a folder, a link) is left as it is. Returns the names of the files copied.
[[nodiscard]] Result<std::vector<std::string>> seed_working_folder(const std::filesystem::path& folder,
                                                                   const std::filesystem::path& bundle);

}  // namespace core
