// Running a helper program of our own (the chart-picture drawer of the command line): its
// arguments, a few kilobytes on its standard input, its error output and exit status back.
// POSIX spawning on Linux (child_process_posix.cpp), CreateProcess on Windows
// (child_process_windows.cpp); nothing else in the program starts a process.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace core {

struct ChildOutcome {
  int exit_status = -1;      // -1 when the program did not end normally
  std::string error_output;  // what it wrote on its standard error
};

// Runs `program` with `arguments` (UTF-8), `input` on its standard input and its standard
// output discarded, and waits for it. nullopt when it could not be started.
[[nodiscard]] std::optional<ChildOutcome> run_child(const std::filesystem::path& program,
                                                    const std::vector<std::string>& arguments,
                                                    const std::string& input);

// The folder of the running program's file; empty when the system does not say.
[[nodiscard]] std::filesystem::path own_program_folder();

// The file name of our program `name` on this system ("name", or "name.exe" on Windows).
[[nodiscard]] std::string program_file(const std::string& name);

// True when `program` names a file this process may run.
[[nodiscard]] bool can_run(const std::filesystem::path& program);

}  // namespace core
