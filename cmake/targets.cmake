# One helper per kind of target, so every target reads the same.

# vantor_library(NAME SOURCES ... [DEPS ...] [QT component ...] [PRIVATE_QT component ...])
# A library without QT links only the standard library and its DEPS, so a toolkit-free
# folder cannot include a Qt header. QT components are public: the library's headers show
# Qt types, so its users get the same components without naming them again. PRIVATE_QT
# components stay behind headers without Qt types: a toolkit-free user of such a library
# still cannot include a Qt header.
function(vantor_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;QT;PRIVATE_QT" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  vantor_link_qt(${name} PUBLIC ${ARG_QT})
  vantor_link_qt(${name} PRIVATE ${ARG_PRIVATE_QT})
  if(NOT ARG_QT AND NOT ARG_PRIVATE_QT)
    vantor_optimise_in_debug(${name})
  endif()
  if(Widgets IN_LIST ARG_QT)
    vantor_precompile(${name} VANTOR_WINDOWS_PCH ${PROJECT_SOURCE_DIR}/cmake/windows_pch.h)
  endif()
endfunction()

# vantor_optimise_in_debug(TARGET): the computations (and the tests that run reference
# models of them) stay optimised in a debug build: the tests run them millions of times,
# and a window or a test body gains nothing from it but compile time.
function(vantor_optimise_in_debug target)
  target_compile_options(${target} PRIVATE $<$<CONFIG:Debug>:-O1>)
endfunction()

# vantor_precompile(TARGET GROUP HEADER): the first target of a group precompiles HEADER and
# the others reuse it. The targets of a group compile with the same options (a library's
# precompiled header does not serve an executable: -fPIC against -fPIE).
function(vantor_precompile target group header)
  get_property(first GLOBAL PROPERTY ${group})
  if(first)
    target_precompile_headers(${target} REUSE_FROM ${first})
  else()
    target_precompile_headers(${target} PRIVATE ${header})
    set_property(GLOBAL PROPERTY ${group} ${target})
  endif()
endfunction()

# vantor_window_library(NAME SOURCES ... DEPS ... QT component ...): a library of windows.
# app/ links every window library, so a subsystem's windows reach the program without a
# further list.
function(vantor_window_library name)
  vantor_library(${name} ${ARGN})
  set_property(GLOBAL APPEND PROPERTY VANTOR_WINDOW_LIBRARIES ${name})
endfunction()

# vantor_link_qt(TARGET PUBLIC|PRIVATE component ...): Qt components, with moc for the target.
function(vantor_link_qt target scope)
  if(ARGN)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    list(TRANSFORM ARGN PREPEND Qt6::)
    target_link_libraries(${target} ${scope} ${ARGN})
  endif()
endfunction()

# The computation library of every subsystem (folder analysis/trace: vantor_trace).
function(vantor_subsystem_libraries out)
  set(libraries)
  foreach(subsystem IN LISTS VANTOR_SUBSYSTEMS)
    get_filename_component(name ${subsystem} NAME)
    list(APPEND libraries vantor_${name})
  endforeach()
  set(${out} ${libraries} PARENT_SCOPE)
endfunction()

# vantor_system_library(TARGET HEADER LIBRARY): an interface target for a C library Debian
# installs without a usable CMake package, found by its header and library name.
function(vantor_system_library target header library)
  string(TOUPPER ${target} var)
  find_path(${var}_INCLUDE_DIR ${header} REQUIRED)
  find_library(${var}_LIBRARY ${library} REQUIRED)
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${${var}_INCLUDE_DIR})
  target_link_libraries(${target} INTERFACE ${${var}_LIBRARY})
endfunction()
