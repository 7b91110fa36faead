// LC_NUMERIC with a comma as the decimal point, as a German desktop gives the program
// (Qt sets the process locale from the environment at start-up), for the whole scope:
//
//   const test_support::CommaDecimalLocale comma;
//   ASSERT_TRUE(comma.active()) << comma.missing();
//
// scripts/install-deps.sh generates the locale on Linux, and Windows has it; a machine
// without it fails the test rather than passing it unseen.
#pragma once

#include <clocale>
#include <string>

namespace test_support {

class CommaDecimalLocale {
 public:
  CommaDecimalLocale() : before_(std::setlocale(LC_NUMERIC, nullptr)) {
    // Linux's name first, then the Windows C library's.
    for (const char* name : {"de_DE.UTF-8", "German_Germany.1252", "de-DE"}) {
      if (std::setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point[0] == ',') {
        active_ = true;
        return;
      }
    }
  }
  ~CommaDecimalLocale() { std::setlocale(LC_NUMERIC, before_.c_str()); }
  CommaDecimalLocale(const CommaDecimalLocale&) = delete;
  CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

  [[nodiscard]] bool active() const { return active_; }
  [[nodiscard]] static std::string missing() {
    return "no de_DE.UTF-8 locale: scripts/install-deps.sh generates it (localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
  }

 private:
  std::string before_;
  bool active_ = false;
};

}  // namespace test_support
