# One helper per kind of target, so every target reads the same.

# vantor_library(NAME SOURCES ... [QT] [DEPS ...])
# A library without QT links only the standard library and its DEPS.
function(vantor_library name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport Qt6::Network Qt6::Charts)
  endif()
endfunction()

# Common CTest environment: offscreen windows, a fixed locale and time zone.
set(VANTOR_TEST_ENV "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=Asia/Taipei;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1")

# vantor_gtest(NAME SOURCES ... DEPS ...): a GoogleTest binary over toolkit-free code.
function(vantor_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE VANTOR_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "${VANTOR_TEST_ENV}" DISCOVERY_TIMEOUT 60)
endfunction()

# vantor_qtest(NAME SOURCES ... DEPS ...): a QtTest binary for a window, run offscreen.
function(vantor_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} Qt6::Test)
  target_compile_definitions(${name} PRIVATE VANTOR_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${VANTOR_TEST_ENV}" TIMEOUT 300)
endfunction()
