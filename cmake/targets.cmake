# One helper per kind of target, so every target reads the same.

# vantor_library(NAME SOURCES ... [DEPS ...] [QT component ...])
# A library without QT links only the standard library and its DEPS, so a toolkit-free
# folder cannot include a Qt header. QT components are linked PRIVATE; a target whose own
# headers show Qt types names the components its users need in their QT list too.
function(vantor_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;QT" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  vantor_link_qt(${name} ${ARG_QT})
endfunction()

# vantor_link_qt(TARGET component ...): Qt components, PRIVATE, with moc for the target.
function(vantor_link_qt target)
  if(ARGN)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    foreach(component ${ARGN})
      target_link_libraries(${target} PRIVATE Qt6::${component})
    endforeach()
  endif()
endfunction()

# Common CTest environment: offscreen windows, a fixed locale and time zone.
set(VANTOR_TEST_ENV "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=Asia/Taipei;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1")

# vantor_gtest(NAME SOURCES ... DEPS ...): a GoogleTest binary over toolkit-free code.
function(vantor_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE VANTOR_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "${VANTOR_TEST_ENV}" DISCOVERY_TIMEOUT 60)
endfunction()

# vantor_qtest(NAME SOURCES ... DEPS ... [QT component ...]): a QtTest binary, run offscreen.
function(vantor_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;QT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  vantor_link_qt(${name} Test Widgets ${ARG_QT})
  target_compile_definitions(${name} PRIVATE VANTOR_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${VANTOR_TEST_ENV}" TIMEOUT 300)
endfunction()
