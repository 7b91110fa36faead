# The test stage of scripts/windows.sh --test (sourced by it): the Windows build under Wine.
# The window tests stay on Linux; here run the toolkit-free and command-line tests, the
# command line against the Linux one byte for byte, the installer, and pictures of the
# program for a person to look at.

# The packed programs under Wine, with no DLL folder but their own.
packed_run() { VANTOR39_WINE_PACKED=1 "$root/scripts/wine-run.sh" "$@"; }

# Every command of the command line with its defaults, and a few with options, on the bundled
# history: the Windows program must print the same bytes and end with the same status as the
# Linux one (a command that refuses its defaults refuses them in the same words).
compare_command_lines() {
  local linux=$out/host/cli/vantor39-cli windows=$stage/bin/vantor39-cli.exe folder=$out/compare
  local history=$folder/開獎資料/今彩539.txt failed=0 command words picture
  rm -rf "$folder" && mkdir -p "$(dirname "$history")"
  cp "$root/data/TW539.txt" "$history"
  local -a runs=(--help)
  while read -r command; do runs+=("$command"); done < <("$linux" --help | sed -n 's/^  \([a-z][a-z-]*\)  .*/\1/p' |
    grep -v -x -e download -e import -e report)
  runs+=("statistics --view tails" "moving --view notes" "trace-chart" "backtest --method all")
  for words in "${runs[@]}"; do
    # shellcheck disable=SC2086 # the words of one run
    (cd "$folder" && "$linux" --file "$history" --today 2026/12/09 $words >linux.out 2>&1; echo "status $?" >>linux.out)
    # shellcheck disable=SC2086
    (cd "$folder" && packed_run "$windows" --file "$history" --today 2026/12/09 $words >windows.out 2>&1; echo "status $?" >>windows.out)
    if ! cmp -s "$folder/linux.out" "$folder/windows.out"; then
      echo "differs: vantor39-cli $words"; diff "$folder/linux.out" "$folder/windows.out" | head -10; failed=1
    fi
  done
  # The chart pictures come from the helper program the command line starts, into a folder
  # with a Chinese name; they are also the pictures of a chart for a person to look at.
  mkdir -p "$folder/圖表"
  packed_run "$windows" --file "$history" --today 2026/12/09 trace-chart --png "$folder/圖表/走勢.png" >/dev/null || failed=1
  for picture in 走勢.png 走勢-heads.png 走勢-tails.png; do
    [ -s "$folder/圖表/$picture" ] || { echo "trace-chart --png did not write $picture"; failed=1; }
  done
  # The spreadsheet library opens its file by a narrow name: the manifest's UTF-8 code page
  # keeps a Chinese one.
  packed_run "$windows" --file "$history" --today 2026/12/09 --xlsx "$folder/圖表/統計.xlsx" statistics >/dev/null || failed=1
  [ -s "$folder/圖表/統計.xlsx" ] || { echo "--xlsx did not write 統計.xlsx"; failed=1; }
  [ $failed = 0 ] && log "The command line prints the same bytes on Windows (${#runs[@]} runs, a Chinese file name)"
  return $failed
}

# The installer installs silently, the installed command line runs, and the uninstaller
# removes the program but leaves the user's folder.
check_installer() {
  local setup=$out/$stage_name-setup.exe wineprefix=${VANTOR39_WINEPREFIX:-$cache/wine}
  local installed="$wineprefix/drive_c/Program Files/vantor39" user_file
  user_file=$(ls -d "$wineprefix/drive_c/users/"*/ | head -1)vantor39/mine.txt
  mkdir -p "$(dirname "$user_file")" && echo keep >"$user_file"
  packed_run "$setup" /S
  [ -f "$installed/bin/vantor39.exe" ] || { echo "the installer did not install vantor39.exe"; return 1; }
  [ -n "$(find "$wineprefix/drive_c/ProgramData/Microsoft/Windows/Start Menu" -name '３９Vantor 今彩539 分析工具.lnk')" ] ||
    { echo "no Start-menu entry"; return 1; }
  packed_run "$installed/bin/vantor39-cli.exe" --version | grep -q "vantor39-cli $version" ||
    { echo "the installed vantor39-cli.exe does not run"; return 1; }
  # The uninstaller runs a copy of itself and returns at once: wait for the prefix's
  # processes to end.
  packed_run "$installed/uninstall.exe" /S
  WINEPREFIX=$wineprefix /usr/lib/wine/wineserver -w
  [ ! -e "$installed/bin" ] || { echo "the uninstaller left the program"; return 1; }
  [ -f "$user_file" ] || { echo "the uninstaller removed the user's files"; return 1; }
  rm -rf "$(dirname "$user_file")"
  log "The installer installs, adds the Start-menu entry, and uninstalls leaving the user's files"
}

# Pictures of the Windows program under Wine on a virtual display: the main window as the
# program starts, then every window through the screenshot tour.
screenshots() {
  local shots=$out/shots home=$out/shots-home
  rm -rf "$shots" "$home" && mkdir -p "$shots"
  # The program runs until the picture is taken; then its Wine session is ended.
  VANTOR39_HOME=$home xvfb-run -a -s "-screen 0 1366x768x24" bash -c "
    VANTOR39_WINE_PACKED=1 '$root/scripts/wine-run.sh' '$stage/bin/vantor39.exe' & sleep 25
    import -window root '$shots/main-window.png'
    WINEPREFIX='${VANTOR39_WINEPREFIX:-$cache/wine}' /usr/lib/wine/wineserver -k" || true
  cp "$(find "$out/program" -name screenshot_tour.exe -print -quit)" "$stage/bin/"
  xvfb-run -a -s "-screen 0 1366x768x24" "$root/scripts/wine-run.sh" "$stage/bin/screenshot_tour.exe" "$shots" || true
  rm -f "$stage/bin/screenshot_tour.exe"
  log "Pictures in $shots ($(ls "$shots" | wc -l))"
}

test_under_wine() {
  local start=$SECONDS
  log "Testing under Wine"
  (cd "$out/program" && ctest --output-on-failure -j2) || exit 1
  compare_command_lines || exit 1
  check_installer || exit 1
  screenshots
  log "Tested in $((SECONDS - start)) s"
}
