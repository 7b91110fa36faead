#!/usr/bin/env bash
# configure.sh BUILD_DIR [cmake options...]
# Runs CMake's configuration quietly. When it fails, prints one line naming the Debian
# package that is missing (the full log stays in BUILD_DIR/configure.log) and exits 1.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1; shift
mkdir -p "$build"
log="$build/configure.log"
if cmake -S "$root" -B "$build" -G Ninja "$@" >"$log" 2>&1; then
  exit 0
fi

# What CMake could not find, mapped to the package that provides it.
hint=""
while read -r package pattern; do
  if grep -qE "$pattern" "$log"; then hint=$package; break; fi
done <<'MAP'
libqt6opengl6-dev   dependency[[:space:]]+Qt6OpenGL
qt6-charts-dev      Qt6Charts[^ ]*[.]cmake|Qt component "Charts"
libgl-dev           WrapOpenGL|OPENGL_|GL_INCLUDE_DIR
qt6-base-dev        Qt6Config|Qt6[A-Za-z]*Config[.]cmake|Qt component
libgtest-dev        Could NOT find GTest|GTestConfig
libbenchmark-dev    benchmarkConfig|provided by "benchmark"
libzip-dev          LIBZIP_(INCLUDE_DIR|LIBRARY)
libxlsxwriter-dev   LIBXLSXWRITER_(INCLUDE_DIR|LIBRARY)
ninja-build         build program corresponding to "Ninja"
g++                 No CMAKE_CXX_COMPILER
MAP
if [ -n "$hint" ]; then
  echo "Configuration failed: Debian package $hint is missing (apt-get install $hint); details in $log" >&2
else
  echo "Configuration failed: $(grep -m1 -E 'CMake Error|Could not|could not' "$log"); details in $log" >&2
fi
exit 1
