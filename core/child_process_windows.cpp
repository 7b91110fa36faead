#include "core/child_process.h"

#include "core/windows_text.h"

#include <string>
#include <thread>

namespace core {
namespace {

// One argument quoted as the C runtime's command-line parser reads it back: backslashes
// are literal except before a quote, where they and the quote are escaped.
void append_quoted(std::wstring& line, const std::wstring& argument) {
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

struct Handle {
  HANDLE h = nullptr;
  ~Handle() { close(); }
  void close() {
    if (h != nullptr && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    h = nullptr;
  }
};

// A pipe whose `child_end` (0 read, 1 write) is inherited by the child and whose other end
// is not.
bool make_pipe(Handle ends[2], int child_end) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  if (!CreatePipe(&ends[0].h, &ends[1].h, &inherit, 0)) return false;
  return SetHandleInformation(ends[1 - child_end].h, HANDLE_FLAG_INHERIT, 0) != 0;
}

}  // namespace

std::optional<ChildOutcome> run_child(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                      const std::string& input) {
  Handle in[2], errors[2];
  if (!make_pipe(in, 0) || !make_pipe(errors, 1)) return std::nullopt;
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  Handle null_output;
  null_output.h = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
  std::wstring line;
  append_quoted(line, program.wstring());
  for (const std::string& argument : arguments) {
    line += L' ';
    append_quoted(line, windows::wide_of_utf8(argument));
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in[0].h;
  startup.hStdOutput = null_output.h;
  startup.hStdError = errors[1].h;
  PROCESS_INFORMATION child{};
  if (!CreateProcessW(program.wstring().c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &child))
    return std::nullopt;
  Handle process, thread;
  process.h = child.hProcess;
  thread.h = child.hThread;
  in[0].close();
  errors[1].close();
  // A Windows pipe's buffer may be smaller than the input: feed it while reading the
  // child's errors, so neither side waits for the other.
  std::thread feeder([&] {
    DWORD written = 0;
    for (std::size_t done = 0; done < input.size(); done += written)
      if (!WriteFile(in[1].h, input.data() + done, static_cast<DWORD>(input.size() - done), &written, nullptr)) break;
    in[1].close();
  });
  ChildOutcome outcome;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(errors[0].h, buffer, sizeof buffer, &read, nullptr) && read > 0) outcome.error_output.append(buffer, read);
  feeder.join();
  WaitForSingleObject(process.h, INFINITE);
  DWORD status = 0;
  outcome.exit_status = GetExitCodeProcess(process.h, &status) ? static_cast<int>(status) : -1;
  return outcome;
}

std::filesystem::path own_program_folder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) return std::filesystem::path(path.substr(0, n)).parent_path();
    path.resize(path.size() * 2);
  }
}

std::string program_file(const std::string& name) { return name + ".exe"; }

bool can_run(const std::filesystem::path& program) {
  std::error_code error;
  return std::filesystem::is_regular_file(program, error);
}

}  // namespace core
