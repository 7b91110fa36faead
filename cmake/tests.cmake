# The test helpers: only a build with BUILD_TESTING needs GoogleTest and Qt Test. A build
# for Windows runs the toolkit-free tests and the command line's under Wine
# (scripts/windows.sh --test), and its screenshot tour; the window tests run on Linux only.
find_package(GTest REQUIRED)
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
include(GoogleTest)
if(WIN32)
  set(VANTOR_WINDOW_TESTS OFF)
else()
  set(VANTOR_WINDOW_TESTS ON)
endif()

# Common CTest environment: offscreen windows, a fixed locale and time zone.
set(VANTOR_TEST_ENV QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TZ=Asia/Taipei ASAN_OPTIONS=detect_leaks=0
    UBSAN_OPTIONS=print_stacktrace=1)

# What the tests need of the system (tests/support/test_platform.h), for Linux or Windows.
if(WIN32)
  add_library(vantor_test_platform STATIC ${PROJECT_SOURCE_DIR}/tests/support/test_platform_windows.cpp)
else()
  add_library(vantor_test_platform STATIC ${PROJECT_SOURCE_DIR}/tests/support/test_platform_posix.cpp)
endif()
target_include_directories(vantor_test_platform PUBLIC ${PROJECT_SOURCE_DIR}/tests)
if(WIN32)
  # The test programs run with the programs' manifest: UTF-8 as the C library's code page,
  # which the narrow file names throughout the code rely on.
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/manifest.rc.in ${PROJECT_BINARY_DIR}/windows/manifest.rc @ONLY)
endif()

# vantor_test_code(TARGET): how test code compiles. It is not the code under test: in a
# sanitizer build it keeps AddressSanitizer but not UndefinedBehaviorSanitizer, whose checks
# around every assertion macro cost more compile time than the test bodies run.
function(vantor_test_code target)
  # A test class is seen by moc, so it stays outside the anonymous namespace that its
  # fixtures live in; in a batch its source is an included file, where GCC warns of that.
  target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  if(VANTOR_SANITIZE)
    target_compile_options(${target} PRIVATE -fno-sanitize=undefined)
  endif()
endfunction()

# vantor_light_moc_compilation(TARGET): the test classes' moc output is included by their
# sources, so the target's moc compilation unit is empty and needs no precompiled header,
# whose loading would be all its compile time.
function(vantor_light_moc_compilation target)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp
    PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

# vantor_gtest(NAME SOURCES ... DEPS ... [REFERENCE_MODELS]): a GoogleTest binary over
# toolkit-free code. REFERENCE_MODELS: the tests run the slow reference models of
# tests/support, which compile optimised like the computations (with a header of their own).
function(vantor_gtest name)
  cmake_parse_arguments(ARG "REFERENCE_MODELS" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} vantor_test_platform GTest::gtest GTest::gtest_main)
  if(WIN32)
    target_sources(${name} PRIVATE ${PROJECT_BINARY_DIR}/windows/manifest.rc)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE VANTOR_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  # -fPIC as Qt asks of its users (cli_tests links Qt), so every binary shares the header.
  target_compile_options(${name} PRIVATE -fPIC)
  vantor_test_code(${name})
  if(ARG_REFERENCE_MODELS)
    vantor_optimise_in_debug(${name})
    vantor_precompile(${name} VANTOR_GTEST_OPTIMISED_PCH ${PROJECT_SOURCE_DIR}/cmake/gtest_pch.h)
  else()
    vantor_precompile(${name} VANTOR_GTEST_PCH ${PROJECT_SOURCE_DIR}/cmake/gtest_pch.h)
  endif()
  if(CMAKE_CROSSCOMPILING)
    # Under Wine (the build's CMAKE_CROSSCOMPILING_EMULATOR) a process costs about a second:
    # each binary runs whole, as one test.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 900)
  else()
    # gtest_discover_tests hands PROPERTIES on as one flat list, so an ENVIRONMENT of several
    # variables kept only the first. The tests run (and are listed) through env instead.
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "env;${VANTOR_TEST_ENV}")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# What every QtTest executable compiles and links with, the same for all of them so they
# share one precompiled header (cmake/qtests_pch.h). Qt Test is linked without its
# QT_TESTCASE_BUILDDIR and QT_TESTCASE_SOURCEDIR, which name each test folder and would keep
# the folders from sharing the header; only QFINDTESTDATA reads them, and no test does.
add_library(vantor_qtest_support INTERFACE)
target_link_libraries(vantor_qtest_support INTERFACE
  $<LINK_ONLY:Qt6::Test> Qt6::Widgets Qt6::PrintSupport Qt6::Network Qt6::Charts)
target_include_directories(vantor_qtest_support SYSTEM INTERFACE
  $<TARGET_PROPERTY:Qt6::Test,INTERFACE_INCLUDE_DIRECTORIES>)
target_include_directories(vantor_qtest_support INTERFACE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(vantor_qtest_support INTERFACE
  QT_TESTLIB_LIB VANTOR_DATA_DIR="${PROJECT_SOURCE_DIR}/data")

# The main that runs one registered test class by the name of its file.
add_library(vantor_test_main STATIC ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/test_classes.h)
target_link_libraries(vantor_test_main PUBLIC vantor_qtest_support vantor_test_platform)
vantor_test_code(vantor_test_main)
vantor_precompile(vantor_test_main VANTOR_QTESTS_PCH ${PROJECT_SOURCE_DIR}/cmake/qtests_pch.h)

# vantor_qtests(NAME SOURCES ... DEPS ...): one QtTest executable for the window tests of a
# folder (or tests that need Qt's event loop), run offscreen. Each source holds one test
# class (VANTOR_TEST_CLASS, tests/support/test_classes.h) and is one CTest test named after
# the file, run in a process of its own.
function(vantor_qtests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} vantor_test_main)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  vantor_test_code(${name})
  vantor_light_moc_compilation(${name})
  vantor_precompile(${name} VANTOR_QTESTS_PCH ${PROJECT_SOURCE_DIR}/cmake/qtests_pch.h)
  foreach(source IN LISTS ARG_SOURCES)
    get_filename_component(test ${source} NAME_WE)
    add_test(NAME ${test} COMMAND ${name} ${test})
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "${VANTOR_TEST_ENV}" TIMEOUT 300)
  endforeach()
endfunction()
