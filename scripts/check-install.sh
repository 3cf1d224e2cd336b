#!/usr/bin/env bash
# Checks the installation and the Debian package, as a user would meet them:
#  - `cmake --install` into a temporary DESTDIR installs exactly the expected
#    files, and the desktop entry, AppStream data and manual pages validate;
#  - bash completes options and units, a unit with a blank as one word;
#  - the installed `tamrisk` command, run with a temporary HOME and
#    XDG_DATA_HOME, makes the data folder (private) with the help text,
#    starts the program there, and leaves an existing tamrisk.ini unchanged;
#    the program, ended by SIGTERM, saves its settings;
#  - `cpack -G DEB` makes a package that holds the same files, declares its
#    dependencies and gives lintian no error and no warning.
# Expects a configured and built folder (scripts/test.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
cmake --build "$BUILD_DIR" -j "$(nproc)" --target tamrisk tamrisk-cli tamrisk-launcher tamrisk_readme \
  tamrisk_compressed_docs

WORK=$(mktemp -d)
PROGRAM_PID=""
cleanup() {
  if [ -n "$PROGRAM_PID" ]; then kill "$PROGRAM_PID" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
  echo "check-install: $*" >&2
  exit 1
}

# --- Installation into a DESTDIR -------------------------------------------
version=$(sed -n 's/^project(Tamrisk VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
DEST="$WORK/dest"
DESTDIR="$DEST" cmake --install "$BUILD_DIR" --prefix /usr >/dev/null
ID=org.tamrisk.Tamrisk
expected=(
  usr/bin/tamrisk
  usr/bin/tamrisk-cli
  usr/libexec/tamrisk/tamrisk
  usr/share/tamrisk/readme.txt
  "usr/share/applications/$ID.desktop"
  "usr/share/metainfo/$ID.metainfo.xml"
  usr/share/man/man1/tamrisk.1.gz
  usr/share/man/man1/tamrisk-cli.1.gz
  usr/share/bash-completion/completions/tamrisk-cli
  usr/share/doc/tamrisk/copyright
  usr/share/doc/tamrisk/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$ID.png")
done
# A tamrisk-cli that needs no shared library comes with its lintian override.
if ! readelf -d "$BUILD_DIR/cli/tamrisk-cli" | grep -q NEEDED; then
  expected+=(usr/share/lintian/overrides/tamrisk)
fi
installed=$(cd "$DEST" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$installed" != "$wanted" ]; then
  diff <(echo "$wanted") <(echo "$installed") >&2 || true
  fail "the installed files differ from the expected ones (< expected, > installed)"
fi
echo "install: ${#expected[@]} files"

# The installed help tells how the package is installed and removed, and
# where it keeps the user's files.
help_text=$(iconv -f CP932 -t UTF-8 "$DEST/usr/share/tamrisk/readme.txt")
for said in "sudo apt install ./tamrisk_${version}_*.deb" "sudo apt remove tamrisk" \
            "rm -r ~/.local/share/tamrisk"; do
  grep -qF -- "$said" <<<"$help_text" || fail "the installed help does not say: $said"
done
! grep -qF -- "rm -r ~/tamrisk" <<<"$help_text" || fail "the installed help describes another install"

# Not even a hint (one main category only).
desktop_notes=$(desktop-file-validate "$DEST/usr/share/applications/$ID.desktop" 2>&1) ||
  fail "desktop entry: $desktop_notes"
[ -z "$desktop_notes" ] || fail "desktop entry: $desktop_notes"
appstreamcli validate --no-net "$DEST/usr/share/metainfo/$ID.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$DEST/usr/share/metainfo/$ID.metainfo.xml"; fail "AppStream data"; }
for page in tamrisk.1.gz tamrisk-cli.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -l "$DEST/usr/share/man/man1/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "manual page $page: $warnings"
done
echo "desktop entry, AppStream data and manual pages validate"

# Bash completes options and units, with and without a prefix.
complete_words() {
  CLI="$DEST/usr/bin/tamrisk-cli" COMPLETION="$DEST/usr/share/bash-completion/completions/tamrisk-cli" \
    bash -c 'source "$COMPLETION"; COMP_WORDS=("$CLI" "$@"); COMP_CWORD=$#; _tamrisk_cli
             printf "%s\n" "${COMPREPLY[@]}"' _ "$@"
}
# Whether completing the words after the first gives the reply $1. (The
# replies are read whole first: a grep that stops at the first match would
# end the completion's output early, and the pipe's status with it.)
completes_to() {
  local want=$1 replies
  shift
  replies=$(complete_words "$@")
  grep -qxF -- "$want" <<<"$replies"
}
completes_to 'kΩ' 10 kΩ || fail "completion of kΩ"
completes_to kohm 10 koh || fail "completion of kohm"
completes_to mV 10 V 5 mV || fail "completion of a second unit"
completes_to --filter --fil || fail "completion of --filter"
completes_to --partners --par || fail "completion of --partners"
completes_to Ω --partners Ω || fail "completion of a unit after --partners"
completes_to none --produces no || fail "completion of none after --produces"
[ -z "$(complete_words --partners kΩ)" ] || fail "a prefix completed after --partners"
# A unit with a blank is one word, its blank escaped, whether the blank is
# typed yet or not; the completed command works.
for typed in gal 'gal\ U' kgal; do
  for unit in UK US; do
    completes_to "${typed%%gal*}gal\ $unit" 10 "$typed" || fail "completion of $typed to $unit"
  done
done
completed=$(complete_words 10 'gal\ U')
completed=${completed%%$'\n'*}
eval "\"\$DEST/usr/bin/tamrisk-cli\" 10 $completed" >/dev/null || fail "tamrisk-cli 10 $completed"
[ "$(complete_words --filter '"gal U' | sort | tr '\n' '|')" = 'gal UK|gal US|' ] ||
  fail "completion of a quoted \"gal U"
echo "bash completion: options, units with prefixes, units with a blank, units to ask about"

[ "$("$DEST/usr/bin/tamrisk" --version)" = "tamrisk $version" ] || fail "tamrisk --version"
[ "$("$DEST/usr/bin/tamrisk-cli" --version)" = "tamrisk-cli $version" ] || fail "tamrisk-cli --version"

# --- The launcher ----------------------------------------------------------
# Starts the installed command with the given data home, waits until the
# program runs in its data folder, runs the command given after the data home
# (if any) while it runs, and stops it again with SIGTERM, which it takes as
# its normal end (it saves its settings).
run_launcher() {
  local data_home=$1
  shift
  HOME="$WORK/home" XDG_DATA_HOME="$data_home" QT_QPA_PLATFORM=offscreen \
    "$DEST/usr/bin/tamrisk" >"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
  local cwd=""
  for _ in $(seq 1 100); do
    cwd=$(readlink "/proc/$PROGRAM_PID/cwd" 2>/dev/null || true)
    exe=$(readlink "/proc/$PROGRAM_PID/exe" 2>/dev/null || true)
    if [ "$exe" = "$DEST/usr/libexec/tamrisk/tamrisk" ] && [ "$cwd" = "$data_home/tamrisk" ]; then
      break
    fi
    kill -0 "$PROGRAM_PID" 2>/dev/null || { cat "$WORK/program.log" >&2; fail "the program ended early"; }
    sleep 0.1
  done
  [ "$cwd" = "$data_home/tamrisk" ] || fail "the program does not run in $data_home/tamrisk"
  sleep 1
  kill -0 "$PROGRAM_PID" 2>/dev/null || { cat "$WORK/program.log" >&2; fail "the program ended early"; }
  if [ $# -gt 0 ]; then "$@"; fi
  kill "$PROGRAM_PID"
  wait "$PROGRAM_PID" || fail "the program did not end normally on SIGTERM"
  PROGRAM_PID=""
}

# A first start with a data home that does not exist yet, under a path with
# blanks and non-ASCII characters.
mkdir -p "$WORK/home"
first="$WORK/データ home/share"
run_launcher "$first"
cmp -s "$first/tamrisk/readme.txt" "$DEST/usr/share/tamrisk/readme.txt" ||
  fail "the help text was not copied into the data folder"
[ "$(stat -c %a "$first/tamrisk")" = 700 ] || fail "the data folder is not private"
[ -z "$(ls -A "$WORK/home")" ] || fail "the launcher wrote into the home folder"

# A user who has settings and an older help text: the launcher leaves the
# settings as they are (the program, ending, saves the same masks and path),
# the help text is renewed.
second="$WORK/xdg"
mkdir -p "$second/tamrisk"
printf ' 1000 , 2000 \r\n"00000011100011100000"\r\n"1000010000100110010000011101000010000000011100000000000000000000000000000000000"\r\n/usr/bin/true\r\n\r\n\r\n\r\n' \
  >"$second/tamrisk/tamrisk.ini"
cp "$second/tamrisk/tamrisk.ini" "$WORK/settings.before"
echo old >"$second/tamrisk/readme.txt"
touch -d '2000-01-01' "$second/tamrisk/readme.txt"
settings_untouched() {
  cmp -s "$second/tamrisk/tamrisk.ini" "$WORK/settings.before" || fail "tamrisk.ini was changed"
}
run_launcher "$second" settings_untouched
grep -q '^00000011100011100000' "$second/tamrisk/tamrisk.ini" &&
  grep -q '^/usr/bin/true' "$second/tamrisk/tamrisk.ini" ||
  fail "the program did not save its settings on SIGTERM"
cmp -s "$second/tamrisk/readme.txt" "$DEST/usr/share/tamrisk/readme.txt" ||
  fail "an older help text was not renewed"
echo "launcher: data folder made, help text copied and renewed, settings untouched, saved on SIGTERM"

# --- The Debian package ----------------------------------------------------
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
deb=$(ls -t "$BUILD_DIR"/tamrisk_*.deb | head -n 1)
packaged=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)
if [ "$packaged" != "$wanted" ]; then
  diff <(echo "$wanted") <(echo "$packaged") >&2 || true
  fail "the package holds other files than the installation (< installed, > packaged)"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 fonts-ipafont-gothic fonts-liberation qt6-translations-l10n; do
  [[ $depends == *"$dependency"* ]] || fail "the package does not depend on $dependency: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package version is not $version"
# No error, no warning (notes of the kind "info" are allowed).
lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>/dev/null ||
  fail "lintian finds errors or warnings in $(basename "$deb")"
echo "package: lintian finds no error and no warning"
echo "package: $(basename "$deb"), depends on: $depends"
