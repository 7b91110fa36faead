// Command-line arguments of vantor39-cli: "--name value" options and "--flag" switches.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class Args {
 public:
  explicit Args(std::vector<std::string> words) : words_(std::move(words)) {}

  // The word after "--name", if the option is present and followed by a word.
  [[nodiscard]] std::optional<std::string> value(std::string_view name) const {
    for (size_t i = 0; i + 1 < words_.size(); ++i)
      if (words_[i] == name) return words_[i + 1];
    return std::nullopt;
  }
  [[nodiscard]] bool has(std::string_view name) const {
    for (const auto& w : words_)
      if (w == name) return true;
    return false;
  }
  [[nodiscard]] const std::vector<std::string>& words() const { return words_; }

 private:
  std::vector<std::string> words_;
};

}  // namespace cli
