// The one way a computation says "no": a Result<T> holds either the value or an Error
// carrying the kind of message box a window shows and the user-facing text. Windows show
// an Error through ui::show_error; the command line prints its text to stderr.
//
//   core::Result<int> read_count(std::string_view text) {
//     const auto n = core::to_int(text);
//     if (!n) return core::Error::error(not_an_integer(text));
//     return *n;
//   }
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace core {

enum class ErrorKind { Warning, Error, Information };

struct Error {
  ErrorKind kind = ErrorKind::Warning;
  std::string text;

  [[nodiscard]] static Error warning(std::string text) { return {ErrorKind::Warning, std::move(text)}; }
  [[nodiscard]] static Error error(std::string text) { return {ErrorKind::Error, std::move(text)}; }
  [[nodiscard]] static Error information(std::string text) {
    return {ErrorKind::Information, std::move(text)};
  }
  bool operator==(const Error&) const = default;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: implicit on purpose
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}  // NOLINT

  [[nodiscard]] bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  [[nodiscard]] const T& value() const& { return checked_value(); }
  [[nodiscard]] T& value() & { return checked_value(); }
  [[nodiscard]] T&& value() && { return std::move(checked_value()); }
  [[nodiscard]] const T& operator*() const& { return checked_value(); }
  [[nodiscard]] T& operator*() & { return checked_value(); }
  [[nodiscard]] const T* operator->() const { return &checked_value(); }
  [[nodiscard]] T* operator->() { return &checked_value(); }

  // The refusal; only meaningful when !ok().
  [[nodiscard]] const Error& error() const {
    assert(!ok());
    return std::get<1>(state_);
  }

 private:
  const T& checked_value() const {
    assert(ok());
    return std::get<0>(state_);
  }
  T& checked_value() {
    assert(ok());
    return std::get<0>(state_);
  }
  std::variant<T, Error> state_;
};

// A step that has no value to give back, only success or a refusal.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error)), failed_(true) {}  // NOLINT: implicit on purpose

  [[nodiscard]] bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  [[nodiscard]] const Error& error() const {
    assert(failed_);
    return error_;
  }

 private:
  Error error_;
  bool failed_ = false;
};

using Status = Result<void>;

}  // namespace core
