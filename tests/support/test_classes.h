// Window tests share executables, one per test folder, so the test build links a few programs
// over one precompiled header instead of one program per test file. Each test file keeps
// its own QtTest class and registers it under the file's name in place of QTEST_MAIN:
//
//   class MovingWindowTest : public QObject { Q_OBJECT ... };
//   VANTOR_TEST_CLASS(MovingWindowTest)
//   #include "tform_zu_moving_test.moc"
//
// CTest runs every class in a process of its own, by that name (tests/support/test_main.cpp):
//   moving_window_tests tform_zu_moving_test [QtTest options]
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testclasses {

struct TestClass {
  std::string name;  // the name of the file that defines it, without folder and extension
  std::function<std::unique_ptr<QObject>()> make;
};

// Adds a class under the name of `file` (its __FILE__); returns true so it can initialise
// a namespace-scope constant.
bool add(const char* file, std::function<std::unique_ptr<QObject>()> make);

// Every class added, in the order the executable's files were linked.
[[nodiscard]] const std::vector<TestClass>& all();

}  // namespace testclasses

#define VANTOR_TEST_CLASS(Class)                                                                     \
  namespace {                                                                                        \
  [[maybe_unused]] const bool registered_##Class = testclasses::add(__FILE__, [] { return std::unique_ptr<QObject>(new Class); }); \
  }
