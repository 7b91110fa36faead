#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test (core and window tests; windows run offscreen). The build is unoptimised but for the
# computations (cmake/targets.cmake), and each target's sources compile in batches of
# sixteen: most of a source's compile time goes to the headers it shares with its neighbours.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build-test"
"$root/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF \
  -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600
