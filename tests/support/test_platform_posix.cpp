#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "support/test_platform.h"

namespace test_support {

const bool kPosixFiles = true;

long process_id() { return static_cast<long>(::getpid()); }

FileSizeLimit::FileSizeLimit(unsigned long long bytes) {
  previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  previous_ = limit.rlim_cur;
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(previous_);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous_handler_);
}

std::string as_ordinary_user(const std::function<std::string()>& work) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return "child failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_ends[0]);
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(1);
    const std::string said = work();
    (void)!::write(pipe_ends[1], said.data(), said.size());
    ::_exit(0);
  }
  ::close(pipe_ends[1]);
  std::string said;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipe_ends[0], buffer, sizeof buffer)) > 0;) said.append(buffer, static_cast<std::size_t>(n));
  ::close(pipe_ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? said : "child failed";
}

EnvironmentSetting::EnvironmentSetting(const char* name, const std::string& value) : name_(name) {
  if (const char* old = std::getenv(name)) previous_ = old;
  ::setenv(name, value.c_str(), 1);
}

EnvironmentSetting::~EnvironmentSetting() {
  if (previous_) ::setenv(name_.c_str(), previous_->c_str(), 1);
  else ::unsetenv(name_.c_str());
}

}  // namespace test_support
