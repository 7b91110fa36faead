#!/usr/bin/env bash
# Builds the program for 64-bit Windows from this Debian machine and packs a zip and an NSIS
# installer; --test also runs the cross-built tests under Wine.
#   windows.sh            dependencies (once), the program, the zip and the installer
#   windows.sh --deps     only the cross-built dependencies
#   windows.sh --test     as the first form, then the tests under Wine
# Not one of the README's set-up commands and not part of CI: the first run builds Qt for
# Windows (about 40 minutes on two idle cores). The dependencies are kept in
# $VANTOR39_WINDOWS_CACHE (~/.cache/vantor39-windows) and reused while their versions match;
# the program builds in build-windows/, where the zip and the installer are written.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-all}
cache=${VANTOR39_WINDOWS_CACHE:-$HOME/.cache/vantor39-windows}
prefix=$cache/prefix
export VANTOR_WINDOWS_PREFIX=$prefix
toolchain=$root/cmake/mingw-w64.cmake
jobs=$(nproc)
out=$root/build-windows
version=$(sed -n 's/^project(vantor39 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

log() { printf '== %s\n' "$*"; }

# Debian's source packages through a deb-src index of our own, so the system's apt
# configuration stays untouched.
apt_private() {
  apt-get -o APT::Sandbox::User=root -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$cache/apt/sources.list.d" \
    -o Dir::State::Lists="$cache/apt/lists" "$@"
}

fetch_sources() {
  mkdir -p "$cache/apt/sources.list.d" "$cache/apt/lists/partial" "$cache/src"
  local suite
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  cat >"$cache/apt/sources.list.d/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  apt_private update -qq
  (cd "$cache/src" && for p in qt6-base libzip libxlsxwriter googletest; do
     ls -d "$cache/src/$p"-*/ >/dev/null 2>&1 || apt_private source -qq "$p"
   done)
  # Debian's qt6-charts tarball cannot be had here; the upstream source of the same version
  # is shipped beside the project.
  ls -d "$cache/src/qtcharts-"*/ >/dev/null 2>&1 ||
    tar -C "$cache/src" -xf "$root/../shared/vendor/qtcharts-everywhere-src-6.4.2.tar.xz"
}

source_dir() { ls -d "$cache/src/$1"-*/ | head -1; }

# Qt 6.4.2's Windows platform plugin compiles its software-GL probe whenever dynamic GL is
# configured, which it is by default even with OpenGL off; the probe then names OpenGL classes
# that do not exist. Guard it by OpenGL too (an idempotent edit of the unpacked source).
patch_qtbase() {
  local file
  file="$(source_dir qt6-base)src/plugins/platforms/windows/qwindowswindow.cpp"
  sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$file"
}

# Runs a dependency's build once per source version: a stamp names the version it built.
once() {
  local name=$1 dir stamp
  dir=$(source_dir "$2")
  stamp="$cache/stamps/$name-$(basename "$dir")"
  if [ -f "$stamp" ]; then return; fi
  log "Building $name ($(basename "$dir"))"
  local start=$SECONDS
  "build_$name" "$dir"
  mkdir -p "$cache/stamps" && touch "$stamp"
  log "$name built in $((SECONDS - start)) s"
}

cross_cmake() {
  local src=$1 build=$2; shift 2
  mkdir -p "$(dirname "$build")"
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" "$@" >"$build.configure.log" 2>&1 ||
    { tail -40 "$build.configure.log"; exit 1; }
  nice cmake --build "$build" -j"$jobs" >"$build.build.log" 2>&1 || { tail -40 "$build.build.log"; exit 1; }
  cmake --install "$build" >/dev/null
}

build_qtbase() {
  cross_cmake "$1" "$cache/build/qtbase" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_pkg_config=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_tabletevent=OFF -DFEATURE_testlib=ON
}

build_qtcharts() {
  cross_cmake "$1" "$cache/build/qtcharts" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
}

build_libzip() {
  cross_cmake "$1" "$cache/build/libzip" -DBUILD_SHARED_LIBS=ON -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF \
    -DENABLE_ZSTD=OFF -DENABLE_OPENSSL=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF \
    -DENABLE_COMMONCRYPTO=OFF -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
}

build_libxlsxwriter() {
  cross_cmake "$1" "$cache/build/libxlsxwriter" -DBUILD_SHARED_LIBS=ON -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
}

build_googletest() {
  cross_cmake "$1" "$cache/build/googletest" -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON
}

dependencies() {
  fetch_sources
  once libzip libzip
  once libxlsxwriter libxlsxwriter
  once googletest googletest
  patch_qtbase
  once qtbase qt6-base
  once qtcharts qtcharts
}

"$root/scripts/install-deps.sh" windows
started=$SECONDS
dependencies
[ "$mode" = --deps ] && exit 0
. "$root/scripts/windows_program.sh"
program
pack
if [ "$mode" = --test ]; then
  . "$root/scripts/windows_test.sh"
  test_under_wine
fi
log "Done in $((SECONDS - started)) s: $out"
