# The test helpers: only a build with BUILD_TESTING needs GoogleTest and Qt Test.
find_package(GTest REQUIRED)
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
include(GoogleTest)

# Common CTest environment: offscreen windows, a fixed locale and time zone.
set(VANTOR_TEST_ENV QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TZ=Asia/Taipei ASAN_OPTIONS=detect_leaks=0
    UBSAN_OPTIONS=print_stacktrace=1)

# vantor_gtest(NAME SOURCES ... DEPS ...): a GoogleTest binary over toolkit-free code.
function(vantor_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE VANTOR_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  # gtest_discover_tests hands PROPERTIES on as one flat list, so an ENVIRONMENT of several
  # variables kept only the first. The tests run (and are listed) through env instead.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "env;${VANTOR_TEST_ENV}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# vantor_qtest(NAME SOURCES ... DEPS ... [QT component ...]): a QtTest binary, run offscreen.
function(vantor_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;QT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  vantor_link_qt(${name} PRIVATE Test Widgets ${ARG_QT})
  target_compile_definitions(${name} PRIVATE VANTOR_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${VANTOR_TEST_ENV}" TIMEOUT 300)
endfunction()
