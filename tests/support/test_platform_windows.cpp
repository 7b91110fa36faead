#include <windows.h>

#include <cstdlib>

#include "support/test_platform.h"

namespace test_support {

const bool kPosixFiles = false;

long process_id() { return static_cast<long>(GetCurrentProcessId()); }

// Windows has no per-process file-size limit: the tests that need one skip themselves.
FileSizeLimit::FileSizeLimit(unsigned long long) {}
FileSizeLimit::~FileSizeLimit() = default;

std::string as_ordinary_user(const std::function<std::string()>& work) { return work(); }

EnvironmentSetting::EnvironmentSetting(const char* name, const std::string& value) : name_(name) {
  if (const char* old = std::getenv(name)) previous_ = old;
  _putenv_s(name, value.c_str());
}

EnvironmentSetting::~EnvironmentSetting() { _putenv_s(name_.c_str(), previous_ ? previous_->c_str() : ""); }

}  // namespace test_support
