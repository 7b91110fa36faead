#include "cli/chart_pictures.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "analysis/trace/chart_picture_lines.h"

extern char** environ;

namespace cli {
namespace {

constexpr const char* kDrawer = "vantor39-chart-picture";
const std::string kCannotDraw = "無法輸出圖片: ";

std::filesystem::path own_folder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
}

// Beside the CLI in the build tree; an installed CLI (<prefix>/bin) finds it in
// <prefix>/lib/vantor39, out of the users' command path.
std::filesystem::path drawer_path() {
  const std::filesystem::path beside = own_folder() / kDrawer;
  const std::filesystem::path installed = own_folder().parent_path() / "lib" / "vantor39" / kDrawer;
  if (::access(beside.c_str(), X_OK) != 0 && ::access(installed.c_str(), X_OK) == 0) return installed;
  return beside;
}

// Both ends of a pipe, closed on destruction and in the drawing program, which gets
// only the ends it is given.
struct Pipe {
  int ends[2] = {-1, -1};
  Pipe() {
    if (pipe2(ends, O_CLOEXEC) != 0) ends[0] = ends[1] = -1;
  }
  ~Pipe() {
    close_end(0);
    close_end(1);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  [[nodiscard]] bool ok() const { return ends[0] >= 0; }
  void close_end(int i) {
    if (ends[i] >= 0) ::close(ends[i]);
    ends[i] = -1;
  }
};

// Writes all of `bytes` into the pipe before the reader starts: the chart lines are a few
// kilobytes, well within a pipe's buffer, so the write never waits and the reader can
// never leave it stranded.
bool fill(Pipe& pipe, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(pipe.ends[1], bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  pipe.close_end(1);
  return true;
}

std::string read_all(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return text;
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

std::string last_line(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  const std::size_t start = text.rfind('\n');
  return start == std::string::npos ? text : text.substr(start + 1);
}

// Runs the drawing program with the files as its arguments and `input` on its standard
// input; returns its exit status (-1 when it did not end normally) and its error output.
std::pair<int, std::string> run_drawer(const std::string& drawer, const std::array<std::string, 3>& files,
                                       const std::string& input) {
  Pipe in, errors;
  if (!in.ok() || !errors.ok() || !fill(in, input)) return {-1, {}};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.ends[0], STDIN_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, errors.ends[1], STDERR_FILENO);
  std::vector<char*> argv{const_cast<char*>(drawer.c_str())};
  for (const std::string& file : files) argv.push_back(const_cast<char*>(file.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, drawer.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return {-1, {}};
  in.close_end(0);
  errors.close_end(1);
  const std::string said = read_all(errors.ends[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, said};
}

}  // namespace

std::array<std::string, 3> chart_picture_files(const std::string& file) {
  constexpr std::string_view kPng = ".png";
  const bool png = file.size() > kPng.size() &&
                   std::equal(kPng.begin(), kPng.end(), file.end() - static_cast<std::ptrdiff_t>(kPng.size()),
                              [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  const std::string stem = png ? file.substr(0, file.size() - kPng.size()) : file;
  return {file, stem + "-heads.png", stem + "-tails.png"};
}

core::Status draw_chart_pictures(const trace::ChartData& data, const std::string& file) {
  if (file.empty()) return core::Error::error(kCannotDraw + "--png 需要一個檔名");
  const std::filesystem::path drawer = drawer_path();
  if (::access(drawer.c_str(), X_OK) != 0) return core::Error::error(kCannotDraw + "找不到繪圖程式 " + drawer.string());
  const auto [status, said] = run_drawer(drawer.string(), chart_picture_files(file), trace::chart_picture_lines(data));
  if (status == 0) return {};
  const std::string reason = last_line(said);
  return core::Error::error(reason.empty() ? kCannotDraw + "繪圖程式 " + drawer.string() + " 未能完成" : reason);
}

}  // namespace cli
