#!/usr/bin/env bash
# Builds the best-subset search and the workbench window with ThreadSanitizer and runs the
# tests that start, stop and restart the two-thread search. Any data race fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build-tsan"
"$root/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_TSAN=ON -DVANTOR_BENCH=OFF
window_tests=${TSAN_WINDOW_TESTS:-best_subset_restart_test optimise_panel_test}
targets=(arith_tests pillars_tests $window_tests)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
cd "$build"
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/scripts/tsan.supp"
export QT_QPA_PLATFORM=offscreen
./tests/arith_tests --gtest_filter='BestSubset*'
./tests/pillars_tests --gtest_filter='BestSubset*'
for t in $window_tests; do "./tests/$t"; done
echo "ThreadSanitizer: no data race found"
