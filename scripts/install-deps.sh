#!/usr/bin/env bash
# Installs the Debian packages the program, its tests and benchmarks need (as root).
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev qt6-charts-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-noto-cjk fonts-arphic-ukai xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
