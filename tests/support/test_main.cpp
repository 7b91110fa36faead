// The main of the window-test executables (tests/support/test_classes.h). With the name of
// a test file as its first argument it runs that file's class, passing the remaining
// arguments to QtTest; without one it runs every class in turn and fails if any fails.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "support/test_classes.h"
#include "support/test_classes.h"

namespace testclasses {
namespace {

std::vector<TestClass>& registry() {
  static std::vector<TestClass> classes;
  return classes;
}

int run(const TestClass& test_class, std::vector<char*> arguments) {
  const std::unique_ptr<QObject> test = test_class.make();
  return QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
}

}  // namespace

bool add(const char* file, std::function<std::unique_ptr<QObject>()> make) {
  registry().push_back({std::filesystem::path(file).stem().string(), std::move(make)});
  return true;
}

const std::vector<TestClass>& all() { return registry(); }

}  // namespace testclasses

int main(int argc, char** argv) {
  // As QTEST_MAIN sets a widget test up.
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);

  const bool named = argc > 1 && argv[1][0] != '-';
  std::vector<char*> arguments{argv[0]};
  arguments.insert(arguments.end(), argv + (named ? 2 : 1), argv + argc);
  if (named) {
    for (const testclasses::TestClass& test_class : testclasses::all())
      if (test_class.name == argv[1]) return testclasses::run(test_class, arguments);
    std::fprintf(stderr, "No test class from a file named %s in %s\n", argv[1], argv[0]);
    return 2;
  }
  int failed = 0;
  for (const testclasses::TestClass& test_class : testclasses::all())
    failed += testclasses::run(test_class, arguments) != 0 ? 1 : 0;
  return failed;
}
