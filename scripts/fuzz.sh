#!/usr/bin/env bash
# Fuzzes the parsers a user can reach with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer).
#   scripts/fuzz.sh [SECONDS] [TARGET ...]     default: 300 seconds each for loader memo period cli import
# New inputs that widen coverage go to build-fuzz/corpus/<target>; a crash leaves its input
# in build-fuzz/crash-*: copy it into tests/fuzz/corpus/<target>/ so the normal test run
# replays it from then on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" fuzz
seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(loader memo period cli import)
build="$root/build-fuzz"
CC=clang CXX=clang++ "$root/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=ON
cmake --build "$build" -j"$(nproc)" --target $(printf '%s_fuzz ' "${targets[@]}")
cd "$build"
for t in "${targets[@]}"; do
  mkdir -p "corpus/$t"
  echo "== $t: fuzzing for $seconds s"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "./tests/fuzz/${t}_fuzz" "corpus/$t" "$root/tests/fuzz/corpus/$t" \
      -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
      2>&1 | tee "fuzz-$t.log" | grep -E "^#[0-9]+ *(DONE|pulse)|stat::number_of_executed_units|ERROR|SUMMARY" || true
done
