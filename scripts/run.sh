#!/usr/bin/env bash
# Builds the program and starts it in the user's working directory, seeded with the
# bundled draw history and help texts (existing files are never overwritten).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/configure.sh" "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVANTOR_BENCH=OFF
cmake --build "$root/build-release" -j"$(nproc)"

workdir=${VANTOR39_HOME:-$HOME/vantor39}
mkdir -p "$workdir"
# The same files an installed program seeds its folder with (cmake/install.cmake).
for source in "$root"/data/*.txt; do
  f=$(basename "$source")
  if [ ! -e "$workdir/$f" ] && [ ! -L "$workdir/$f" ]; then
    cp "$source" "$workdir/$f"
    chmod u+w "$workdir/$f"
  fi
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat <<MSG
No display is available, so the window cannot open here.
The working directory is ready: $workdir
Use the command-line front end instead, for example:
  $root/build-release/cli/vantor39-cli --file $workdir/TW539.txt draws
  $root/build-release/cli/vantor39-cli --file $workdir/TW539.txt stats --recent 100
  $root/build-release/cli/vantor39-cli --help
Or run the window on a virtual display: xvfb-run -a $0
MSG
  exit 0
fi
cd "$workdir"
exec "$root/build-release/app/vantor39"
