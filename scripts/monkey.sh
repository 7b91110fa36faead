#!/usr/bin/env bash
# A long random session of the window monkey test under the sanitizers:
#   scripts/monkey.sh [ACTIONS] [SEED]      default: 200000 actions, a random seed
# The seed is printed first, so a failing session can be replayed exactly. At the end it
# prints the actions done, the questions answered and the slowest action.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build-test"
"$root/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF
cmake --build "$build" -j"$(nproc)" --target app_window_tests
actions=${1:-200000}
seed=${2:-$RANDOM$RANDOM}
# Qt Test ends a test function after 300 s unless told otherwise; a long session needs time
# in proportion to its actions (an action takes a few tens of milliseconds under the
# sanitizers, several times that on a busy machine). Each action still fails beyond
# VANTOR_MONKEY_HANG_MS (default 2 s).
timeout_ms=${QTEST_FUNCTION_TIMEOUT:-$((600000 + actions * 300))}
hang_ms=${VANTOR_MONKEY_HANG_MS:-2000}
echo "monkey seed $seed, $actions actions, time limit $((timeout_ms / 60000)) min, $hang_ms ms an action"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
set +e
QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=$timeout_ms VANTOR_MONKEY_ACTIONS=$actions VANTOR_MONKEY_SEED=$seed \
  VANTOR_MONKEY_HANG_MS=$hang_ms ASAN_OPTIONS=detect_leaks=0 "$build/tests/app_window_tests" monkey_test -maxwarnings 0 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
set -e
echo "---- monkey seed $seed: $(grep -o 'monkey ended: .*' "$log" | tail -1 | sed 's/^monkey ended: //' || true)"
[ "$status" -eq 0 ] && echo "---- passed" || echo "---- FAILED (status $status)"
exit "$status"
