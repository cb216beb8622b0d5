#!/usr/bin/env bash
# Runs the program's `--crescent-map` as a user would, with no display: the
# picture must come out as a PNG of the map's size, and a folder as the
# output or a date the astronomy does not cover must be refused (status 2)
# without a file left behind.
#
#   run_map_command_check.sh <path of Qarnivo>
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() { echo "FAIL: $*"; exit 1; }

"$program" --crescent-map --date 2026-02-18 --output "$work/map.png" >"$work/out" 2>&1 ||
  fail "the map was not written: $(cat "$work/out")"
grep -qF "$work/map.png" "$work/out" || fail "the written file is not named: $(cat "$work/out")"
# A PNG starts with its eight-byte signature; its width and height follow in
# the IHDR chunk.
[ "$(head -c 8 "$work/map.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
  fail "map.png is not a PNG"
width=$((16#$(od -An -tx1 -j16 -N4 "$work/map.png" | tr -d ' \n')))
[ "$width" -ge 720 ] || fail "the map is only $width pixels wide"

mkdir "$work/folder"
status=0
"$program" --crescent-map --date 2026-02-18 --output "$work/folder" >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "a folder as the output gave status $status"
status=0
"$program" --crescent-map --date 1500-01-01 --output "$work/old.png" >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "the year 1500 gave status $status"
[ ! -e "$work/old.png" ] || fail "a refused map left a file"
echo "the map command writes its picture and refuses bad requests"
