#!/usr/bin/env bash
# Checks the installed program as a user meets it.
#   check_install.sh --build BUILD_DIR VERSION   installs BUILD_DIR into a scratch prefix
#   check_install.sh --deb PACKAGE.deb VERSION   extracts the package (its files under /usr)
# Then: the files are in place (manual pages, copyright, the desktop entry naming the
# installed program), both programs print the version and their usage, the CLI links no
# Qt yet draws a chart picture through its installed helper and writes a PDF through its
# installed Qt module, the window program without a display or
# without a working folder says so once and ends, and a short offscreen start of it fills
# a fresh working folder from the bundled files without touching a file already there.
# A package is also checked by lintian (when installed), which may report nothing at
# warning level or above.
set -euo pipefail
mode=$1 source=$2 version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

case $mode in
  --build)
    cmake --install "$source" --prefix "$scratch/prefix" >/dev/null
    prefix=$scratch/prefix
    installed_prefix=$prefix ;;
  --deb)
    [[ $(basename "$source") == vantor39_"$version"-[0-9]*_*.deb ]] || fail "package file name $(basename "$source")"
    [[ $(dpkg-deb -f "$source" Package) == vantor39 ]] || fail "control field Package: $(dpkg-deb -f "$source" Package)"
    [[ $(dpkg-deb -f "$source" Version) == "$version"-[0-9]* ]] || fail "control field Version: $(dpkg-deb -f "$source" Version)"
    [[ $(dpkg-deb -f "$source" Maintainer) != *localhost* ]] || fail "maintainer address on localhost"
    depends=$(dpkg-deb -f "$source" Depends)
    for lib in libqt6widgets6 libqt6charts6 libqt6core6 libstdc++6; do
      [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
    done
    [[ $(dpkg-deb -f "$source" Recommends) == *fonts-noto-cjk* ]] || fail "Recommends lacks fonts-noto-cjk"
    dpkg-deb -x "$source" "$scratch/root"
    prefix=$scratch/root/usr
    installed_prefix=/usr
    if command -v lintian >/dev/null; then
      # lintian would rather not run as root; an ordinary user reads the package as well.
      as_user=()
      [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
      cp "$source" "$scratch/package.deb" && chmod a+rx "$scratch" && chmod a+r "$scratch/package.deb"
      report=$("${as_user[@]}" lintian --fail-on error,warning "$scratch/package.deb" 2>&1) || fail "lintian: $report"
      [ -z "$report" ] || fail "lintian: $report"
    else
      echo "lintian not installed: the package's Debian checks were skipped" >&2
    fi ;;
  *) fail "usage: check_install.sh --build DIR|--deb FILE VERSION" ;;
esac

for file in bin/vantor39 bin/vantor39-cli lib/vantor39/vantor39-chart-picture; do
  [ -x "$prefix/$file" ] || fail "missing program $file"
done
[ -f "$prefix/lib/vantor39/vantor39-cli-qt.so" ] || fail "missing the command line's Qt module"
[ -f "$prefix/lib/vantor39/vantor39-cli-files.so" ] || fail "missing the command line's file module"
for file in TW539.txt help_record.txt help_single.txt help_moving.txt; do
  [ -f "$prefix/share/vantor39/$file" ] || fail "missing bundled file $file"
done

for file in man/man1/vantor39.1.gz man/man1/vantor39-cli.1.gz doc/vantor39/copyright doc/vantor39/changelog.Debian.gz; do
  [ -f "$prefix/share/$file" ] || fail "missing $file"
done
zcat "$prefix/share/man/man1/vantor39-cli.1.gz" | grep -qF '\-\-xlsx FILE' || fail "the vantor39-cli manual lacks --xlsx"

desktop=$prefix/share/applications/vantor39.desktop
for line in 'Name=３９Vantor 今彩539 分析工具' 'Name[zh_TW]=３９Vantor 今彩539 分析工具' "Exec=$installed_prefix/bin/vantor39" \
            'Icon=vantor39' 'Terminal=false'; do
  grep -qxF "$line" "$desktop" || fail "desktop entry lacks '$line'"
done
grep -qE '^Name=.+' "$desktop" && grep -qE '^Categories=.+;$' "$desktop" || fail "desktop entry lacks Name or Categories"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for side in 48 256; do
  icon=$prefix/share/icons/hicolor/${side}x${side}/apps/vantor39.png
  [ -f "$icon" ] || fail "missing icon $icon"
  [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$icon is no PNG"
  size=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$size" = "${side}x${side}" ] || fail "$icon is $size"
done

[ "$("$prefix/bin/vantor39-cli" --version)" = "vantor39-cli $version" ] || fail "vantor39-cli --version"
[ "$("$prefix/bin/vantor39" --version)" = "vantor39 $version" ] || fail "vantor39 --version"
"$prefix/bin/vantor39" --help | grep -qF -- '--workdir' || fail "vantor39 --help names no --workdir"
"$prefix/bin/vantor39-cli" draws --help | grep -qF -- '--xlsx FILE' || fail "vantor39-cli draws --help names no --xlsx"

# Without a display: one message in Chinese that names the command line, exit status 1.
status=0
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/vantor39" 2>&1) || status=$?
[ "$status" = 1 ] || fail "without a display the program ended with $status"
[[ $said == *找不到可用的圖形畫面*vantor39-cli* ]] || fail "without a display it said: $said"

"$prefix/bin/vantor39-cli" --file "$prefix/share/vantor39/TW539.txt" --today 2026/12/09 trace-chart \
  --query numbers --query-text 0618 --png "$scratch/chart.png" >/dev/null || fail "trace-chart --png"
for picture in chart.png chart-heads.png chart-tails.png; do
  [ -s "$scratch/$picture" ] || fail "trace-chart --png drew no $picture"
done
# The analysis commands start without Qt, libzip and libxlsxwriter; the PDF report and a
# spreadsheet open the installed modules.
if command -v ldd >/dev/null; then
  libraries=$(ldd "$prefix/bin/vantor39-cli")
  [[ $libraries != *libQt6* && $libraries != *libzip* && $libraries != *libxlsxwriter* ]] ||
    fail "vantor39-cli links Qt or a file-format library: $libraries"
fi
said=$("$prefix/bin/vantor39-cli" --file "$prefix/share/vantor39/TW539.txt" --today 2026/12/09 \
  --xlsx "$scratch/statistics.xlsx" statistics 2>&1 >/dev/null) || fail "--xlsx: $said"
[ "$(head -c 2 "$scratch/statistics.xlsx")" = "PK" ] || fail "--xlsx wrote no spreadsheet"
said=$("$prefix/bin/vantor39-cli" --file "$prefix/share/vantor39/TW539.txt" --today 2026/12/09 report \
  --from 2026/11/01 --pdf "$scratch/report.pdf" 2>&1) || fail "report --pdf: $said"
[ "$(head -c 5 "$scratch/report.pdf")" = "%PDF-" ] || fail "report --pdf wrote no PDF"
# A program without its module says which file it lacks, and writes nothing.
mkdir "$scratch/alone" && cp "$prefix/bin/vantor39-cli" "$scratch/alone/"
status=0
said=$("$scratch/alone/vantor39-cli" --file "$prefix/share/vantor39/TW539.txt" --today 2026/12/09 report \
  --pdf "$scratch/alone/report.pdf" 2>&1) || status=$?
[ "$status" = 2 ] && [[ $said == *vantor39-cli-qt.so* ]] && [ ! -e "$scratch/alone/report.pdf" ] ||
  fail "report --pdf without the module ended with $status: $said"

# Started from elsewhere, as a desktop menu does; the working folder does not exist yet
# but for one file of the user's that must stay as it is.
home=$scratch/home/vantor39
mkdir -p "$home" "$scratch/elsewhere"
printf 'mine\r\n' >"$home/help_record.txt"
(cd "$scratch/elsewhere" && VANTOR39_HOME=$home VANTOR39_TEST_QUIT_AFTER_MS=1000 QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/vantor39") || fail "the window program did not end cleanly"
for file in TW539.txt help_single.txt help_moving.txt; do
  cmp -s "$prefix/share/vantor39/$file" "$home/$file" || fail "$file not seeded into the working folder"
done
[ "$(cat "$home/help_record.txt")" = $'mine\r' ] || fail "an existing file was overwritten"
[ -z "$(ls -A "$scratch/elsewhere")" ] || fail "the program wrote into the folder it was started from"
# No working folder can be made (a path through a file stands for a read-only home): the
# program says so once and ends with status 1.
printf 'x' >"$scratch/a_file"
status=0
VANTOR39_HOME=$scratch/a_file/vantor39 VANTOR39_TEST_QUIT_AFTER_MS=500 QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/vantor39" >/dev/null 2>&1 || status=$?
[ "$status" = 1 ] || fail "without a working folder the program ended with $status"
echo "installed tree OK ($mode)"
