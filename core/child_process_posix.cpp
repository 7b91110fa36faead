#include "core/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace core {
namespace {

// Both ends of a pipe, closed on destruction and in the child, which gets only the ends
// it is given.
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

// Writes all of `bytes` into the pipe before the child starts: the input is a few
// kilobytes, well within a pipe's buffer, so the write never waits and the child can
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

}  // namespace

std::optional<ChildOutcome> run_child(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                      const std::string& input) {
  Pipe in, errors;
  if (!in.ok() || !errors.ok() || !fill(in, input)) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.ends[0], STDIN_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, errors.ends[1], STDERR_FILENO);
  const std::string path = program.string();
  std::vector<char*> argv{const_cast<char*>(path.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return std::nullopt;
  in.close_end(0);
  errors.close_end(1);
  ChildOutcome outcome;
  outcome.error_output = read_all(errors.ends[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  outcome.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

std::filesystem::path own_program_folder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
}

std::string program_file(const std::string& name) { return name; }

bool can_run(const std::filesystem::path& program) { return ::access(program.c_str(), X_OK) == 0; }

}  // namespace core
