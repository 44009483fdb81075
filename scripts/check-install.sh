#!/usr/bin/env bash
# Installs the build into a temporary prefix, makes the prefix read-only and uses the installed
# program as a new user would, with a temporary home: the command line works from the shipped
# history, which the first start copies into the user's folder and no later start overwrites; the
# window starts on it; nothing is ever written into the prefix.
#
# usage: check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR SOURCE_DIR}
source_dir=${2:?usage: check-install.sh BUILD_DIR SOURCE_DIR}
work=$(mktemp -d)
cleanup() {
  [[ -n ${window:-} ]] && kill "$window" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-install: $*" >&2; exit 1; }
export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/numora bin/numora-cli lib/numora/numora-services lib/numora/clickrunner \
         share/numora/ZahlenTr.dat share/numora/land/texte.txt.tr share/numora/Script/Tipp24.crs \
         share/numora/yippee.wav share/numora/schein.jpg share/doc/numora/Numora.pdf \
         share/applications/numora.desktop share/metainfo/org.numora.numora.metainfo.xml \
         share/mime/packages/numora.xml share/icons/hicolor/scalable/apps/numora.svg \
         share/icons/hicolor/48x48/apps/numora.png share/man/man1/numora.1.gz share/man/man1/numora-cli.1.gz; do
  [[ -e $prefix/$f ]] || fail "the install lacks $f"
done
chmod -R a-w "$prefix"
snapshot() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(snapshot)

# A new user, nothing in his home.
export HOME=$work/home
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
cli=$prefix/bin/numora-cli
user=$HOME/.local/share/numora
shipped=$prefix/share/numora/ZahlenTr.dat

"$cli" --version | grep -qx 'numora-cli [0-9.]*' || fail "--version"
"$cli" --help | grep -q '^Usage: numora-cli' || fail "--help"

sheet=$("$cli" generate --seed 7 --date 02.11.2019) || fail "generate from the installed program"
rows=$(grep -cE '^([0-9]{1,2},){5}[0-9]{1,2}$' <<<"$sheet" || true)
((rows >= 1)) || fail "generate printed no row: $sheet"
cmp -s "$shipped" "$user/ZahlenTr.dat" || fail "the first start did not copy the shipped history"

head -n 2 <<<"$sheet" | sed 's/$/\r/' >"$work/tip.ntp"
"$cli" report "$work/tip.ntp" --date 02.11.2019 | grep -q '^ *[0-9]' || fail "report printed no row"

# The user's history changes (a new draw merged in); later starts keep it.
header=$(head -n 1 "$source_dir/data/games/sayisal.csv")
printf '%s\n%s\n' "$header" "2020-04-22,1,2,3,4,5,6" >"$work/new.csv"
"$cli" merge-csv "$work/new.csv" >/dev/null || fail "merge-csv into the user's history"
cmp -s "$shipped" "$user/ZahlenTr.dat" && fail "the merge did not change the user's history"
changed=$(md5sum <"$user/ZahlenTr.dat")
"$cli" export-csv | tail -n 1 | grep -q "^2020-04-22" || fail "the changed history is not the one read"
[[ $(md5sum <"$user/ZahlenTr.dat") == "$changed" ]] || fail "a later start overwrote the user's history"

# The window: its first start copies the shipped history into XDG_DATA_HOME.
export XDG_DATA_HOME=$work/data
"$prefix/bin/numora" >"$work/window.log" 2>&1 &
window=$!
for _ in $(seq 1 120); do
  [[ -s $XDG_DATA_HOME/numora/ZahlenTr.dat ]] && break
  kill -0 "$window" 2>/dev/null || { cat "$work/window.log" >&2; fail "the window ended at its start"; }
  sleep 0.5
done
cmp -s "$shipped" "$XDG_DATA_HOME/numora/ZahlenTr.dat" || fail "the window's first start did not copy the shipped history"
sleep 2
kill -0 "$window" 2>/dev/null || { cat "$work/window.log" >&2; fail "the window did not keep running"; }
kill "$window"
wait "$window" 2>/dev/null || true
window=

[[ $(snapshot) == "$before" ]] || fail "something was written into the installed prefix"
echo "check-install: installed program works from a read-only prefix"
