#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) on the core library's sources,
# or with --all on every source below src/. Needs a configured build/ (for
# build/compile_commands.json; the Qt generated headers of --all come from a
# build of qarnivo_lib). Exit status 1 when any warning or error is found.
#
# Usage: tools/tidy.sh [--all] [BUILD-FOLDER]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"

all=false
if [ "${1:-}" = "--all" ]; then
  all=true
  shift
fi
build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "no $build/compile_commands.json: configure first (cmake -S . -B $build)" >&2
  exit 2
fi

if $all; then
  mapfile -t files < <(find src -name '*.cpp' | sort)
else
  mapfile -t files < <(find src/core -name '*.cpp' | sort)
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# clang-tidy's own count of suppressed warnings goes to stderr; the findings
# go to stdout.
clang-tidy -p "$build" --quiet "${files[@]}" >"$log" 2>/dev/null || true
count=$(grep -cE ': (warning|error): ' "$log" || true)
cat "$log"
echo "clang-tidy: ${#files[@]} files, $count findings"
[ "$count" -eq 0 ]
