#!/usr/bin/env bash
# A long random session of the window monkey test under the sanitizers:
#   scripts/monkey.sh [ACTIONS] [SEED]      default: 200000 actions, a random seed
# The seed is printed first, so a failing session can be replayed exactly.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build-test"
"$root/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF
cmake --build "$build" -j"$(nproc)" --target monkey_test
seed=${2:-$RANDOM$RANDOM}
echo "monkey seed $seed"
QT_QPA_PLATFORM=offscreen VANTOR_MONKEY_ACTIONS=${1:-200000} VANTOR_MONKEY_SEED=$seed VANTOR_MONKEY_HANG_MS=2000 \
  ASAN_OPTIONS=detect_leaks=0 "$build/tests/monkey_test" -maxwarnings 0
