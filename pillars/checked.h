// A value or the message that explains why there is none. Every workbench computation
// that can refuse its input returns one; the window shows the message in a box, the
// command line prints it.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace pillars {

template <class T>
class Checked {
 public:
  Checked(T value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose
  [[nodiscard]] static Checked refused(std::string message) {
    Checked c;
    c.error_ = std::move(message);
    return c;
  }

  [[nodiscard]] bool ok() const { return value_.has_value(); }
  [[nodiscard]] const T& value() const { return *value_; }
  [[nodiscard]] T& value() { return *value_; }
  [[nodiscard]] const T* operator->() const { return &*value_; }
  [[nodiscard]] const T& operator*() const { return *value_; }
  [[nodiscard]] const std::string& error() const { return error_; }

 private:
  Checked() = default;
  std::optional<T> value_;
  std::string error_;
};

}  // namespace pillars
