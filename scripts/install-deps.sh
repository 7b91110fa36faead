#!/usr/bin/env bash
# Installs the Debian packages the project needs (as root). This file is the one list of them.
#   install-deps.sh          what building, running and testing the program needs
#   install-deps.sh fuzz     the above plus clang for the fuzz targets
#   install-deps.sh package  the above plus what packing the Debian package needs
#   install-deps.sh windows  the above plus what the Windows cross-build needs (scripts/windows.sh)
set -euo pipefail

packages=(
  g++ cmake ninja-build                    # compiler and build
  qt6-base-dev qt6-charts-dev              # Qt Widgets, PrintSupport, Network, Test; Qt Charts
  libqt6opengl6-dev libgl-dev              # Qt Charts and Qt Gui look for OpenGL at configure time
  qt6-translations-l10n                    # Qt's own dialogs and buttons in Traditional Chinese
  libzip-dev                               # the operator's result files come in ZIP archives
  libxlsxwriter-dev                        # results saved as spreadsheets (.xlsx)
  libgtest-dev libbenchmark-dev            # tests and benchmarks
  fonts-noto-cjk fonts-arphic-ukai         # CJK screen font and the Kai report font
  xvfb xauth                               # a virtual display for screenshots and the monkey test
  poppler-utils                            # pdftotext: the report PDF test reads the PDF back
  locales                                  # a comma-decimal locale for the number-format tests
)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-dev)        # libFuzzer and the sanitizer runtimes
fi
if [ "${1:-}" = windows ]; then
  packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev  # the cross compiler and zlib
             nsis wine64 fonts-wine dpkg-dev zip      # the installer, the tests under Wine and its Latin fonts, Debian's sources
             imagemagick)                             # pictures of the program under Wine
fi
if [ "${1:-}" = package ]; then
  packages+=(dpkg-dev lintian)             # dpkg-shlibdeps: the package's dependencies; its Debian checks
fi

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

# The tests write numbers under a comma-decimal LC_NUMERIC and fail without it.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
