// The command line's side of the platform: its words and its standard streams. On Linux the
// words are bytes already in UTF-8 and the streams pass bytes through (console_posix.cpp). On
// Windows the C library's argv is in the ANSI code page, which loses a Chinese file name on a
// Western system, and its text-mode streams turn "\n" into "\r\n"; console_windows.cpp takes
// the words from the UTF-16 command line and puts the streams in binary mode, so the output is
// the same bytes on both systems.
#pragma once

#include <string>
#include <vector>

namespace core {

// The program's arguments after its own name, in UTF-8.
[[nodiscard]] std::vector<std::string> command_line_words(int argc, char* argv[]);

// Standard output and error write exactly the bytes given, and a console shows them as UTF-8.
void use_exact_standard_streams();

}  // namespace core
