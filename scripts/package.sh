#!/usr/bin/env bash
# Builds the release build (build-release, as scripts/run.sh does) and packs it as a Debian
# package, build-release/vantor39_<version>-<revision>_<arch>.deb, then checks the package as a user
# meets it (tests/package/check_install.sh). Install it with:
#   apt-get install ./build-release/vantor39_<version>-<revision>_<arch>.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-release
"$root/scripts/install-deps.sh" package
"$root/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVANTOR_BENCH=OFF
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/vantor39_*.deb
(cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$(ls "$build"/vantor39_"$version"-*_*.deb)
bash "$root/tests/package/check_install.sh" --deb "$deb" "$version"
echo "$deb"
