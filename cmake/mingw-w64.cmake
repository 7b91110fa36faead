# Cross-building for 64-bit Windows with Debian's mingw-w64 (scripts/windows.sh). The -posix
# compilers give std::thread; the system's alternatives stay as they are. Libraries and
# packages come from the mingw sysroot and from the cross-built prefix the script names in
# VANTOR_WINDOWS_PREFIX (read from the environment: try_compile projects re-read this file
# without the cache).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VANTOR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTOR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTOR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTOR_MINGW}-windres)
set(CMAKE_AR /usr/bin/${VANTOR_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${VANTOR_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_FIND_ROOT_PATH /usr/${VANTOR_MINGW} $ENV{VANTOR_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
