# The program stage of scripts/windows.sh (sourced by it): the Windows build of the program
# against the cross-built dependencies, its installed tree with every DLL and plugin it
# loads, and the zip and the installer made from that tree.

mingw=x86_64-w64-mingw32
stage_name=vantor39-$version-windows-x64
stage=$out/$stage_name

# The Linux build of the icon drawer (a cross build cannot run its own) and of the command
# line the Windows one is compared with.
host_tools() {
  local build=$out/host
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVANTOR_BENCH=OFF \
      "${launcher[@]}" >"$build.configure.log" 2>&1 || { tail -40 "$build.configure.log"; exit 1; }
  fi
  nice cmake --build "$build" -j"$jobs" --target vantor39-icon vantor39-cli >"$build.build.log" 2>&1 ||
    { tail -40 "$build.build.log"; exit 1; }
}

program() {
  mkdir -p "$out"
  launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  fi
  log "Building the program for Windows"
  local start=$SECONDS build=$out/program testing=OFF
  [ "$mode" = --test ] && testing=ON
  host_tools
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DVANTOR_BENCH=OFF -DBUILD_TESTING=$testing -DVANTOR_HOST_ICON_TOOL="$out/host/vantor39-icon" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" "${launcher[@]}" \
    >"$build.configure.log" 2>&1 || { tail -40 "$build.configure.log"; exit 1; }
  local targets=(all)
  [ "$testing" = ON ] && targets+=(screenshot_tour)
  nice cmake --build "$build" -j"$jobs" --target "${targets[@]}" >"$build.build.log" 2>&1 ||
    { grep -m20 -B2 -A8 'error' "$build.build.log" || tail -40 "$build.build.log"; exit 1; }
  rm -rf "$stage"
  cmake --install "$build" --prefix "$stage" >/dev/null
  deploy_runtime
  log "Program built in $((SECONDS - start)) s"
}

# The DLLs a file imports by name (objdump's import table), one per line.
imports() { "$mingw-objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'; }

# Where a DLL we ship is found: the cross-built prefix, the compiler's runtime, the mingw
# sysroot. A name found in none of them is the system's (KERNEL32.dll, USER32.dll...).
find_dll() {
  local dir
  for dir in "$prefix/bin" "$(dirname "$("$mingw-g++-posix" -print-libgcc-file-name)")" "/usr/$mingw/lib"; do
    find "$dir" -maxdepth 1 -iname "$1" -print -quit | grep . && return
  done
  return 0
}

# windeployqt cannot deploy across systems: Qt's plugins are copied by name, and the DLLs that
# any shipped file imports are followed until nothing new is imported.
deploy_runtime() {
  local bin=$stage/bin kind file dll found
  for kind in platforms styles tls imageformats; do
    mkdir -p "$bin/$kind"
    cp "$prefix/plugins/$kind/"*.dll "$bin/$kind/"
  done
  # The chart-picture helper draws offscreen; no other platform is used.
  rm -f "$bin/platforms/"q{direct2d,minimal}.dll
  local queue=("$bin"/*.exe "$bin"/*/*.dll)
  while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
      [ -n "$(find "$bin" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
      found=$(find_dll "$dll")
      [ -n "$found" ] || continue
      cp "$found" "$bin/"
      queue+=("$bin/$(basename "$found")")
    done < <(imports "$file")
  done
  "$mingw-strip" --strip-unneeded "$bin"/*.exe "$bin"/*.dll "$bin"/*/*.dll
  # Qt's own buttons and dialogs in Traditional Chinese (the catalogue is the same file as
  # on Linux), and a qt.conf so Qt finds it and the plugins beside the programs.
  mkdir -p "$bin/translations"
  cp /usr/share/qt6/translations/qtbase_zh_TW.qm "$bin/translations/"
  printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' >"$bin/qt.conf"
  licences
}

# The licences of what the zip ships, as Debian's sources state them.
licences() {
  local to=$stage/share/doc/vantor39/licenses
  mkdir -p "$to"
  cp "$(source_dir qt6-base)debian/copyright" "$to/Qt-base.txt"
  cp "$(source_dir qtcharts)LICENSES/GPL-3.0-only.txt" "$to/Qt-Charts-GPL-3.0.txt"
  cp "$(source_dir libzip)debian/copyright" "$to/libzip.txt"
  cp "$(source_dir libxlsxwriter)debian/copyright" "$to/libxlsxwriter.txt"
  cp /usr/share/doc/libz-mingw-w64-dev/copyright "$to/zlib.txt"
  cp /usr/share/doc/gcc-mingw-w64-base/copyright "$to/gcc-runtime.txt"
  cp /usr/share/doc/mingw-w64-common/copyright "$to/mingw-w64.txt"
}

pack() {
  log "Packing"
  local zip=$out/$stage_name.zip setup=$out/$stage_name-setup.exe
  rm -f "$zip" "$setup"
  (cd "$out" && zip -qr9 "$zip" "$stage_name")
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" \
    -DICON="$out/program/icons/vantor39.ico" "$root/packaging/windows/vantor39.nsi"
  log "Written: $zip ($(du -h "$zip" | cut -f1)), $setup ($(du -h "$setup" | cut -f1))"
}
