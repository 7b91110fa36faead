#!/usr/bin/env bash
# Pictures of every window on the bundled draw history, for a person to look at:
#   scripts/screenshots.sh [OUTPUT_FOLDER]     (default: build-dev/shots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-dev"
[ -d "$build" ] || "$root/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DVANTOR_BENCH=OFF
cmake --build "$build" --target screenshot_tour
out=${1:-$build/shots}
xvfb-run -a -s "-screen 0 1366x768x24" "$build/tests/screenshot_tour" "$out"
echo "pictures in $out"
