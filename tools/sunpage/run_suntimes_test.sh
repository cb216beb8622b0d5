#!/usr/bin/env bash
# Runs the checks of the calculator page (its sun times, its prayer times and
# the page's script as a whole: test_suntimes.js, test_prayertimes.js,
# test_page.js) with Node's test runner. Their npm packages are installed by
# the set-up step (tools/install-deps.sh), never here: the tests run offline.
# Exits 77 (skipped) when Node is not installed. QARNIVO_PRAYERTABLE names
# the program's prayer table tool, which gives the page its method table.
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v node >/dev/null 2>&1; then
  echo "node is needed for this check; skipped"
  exit 77
fi
for package in suncalc adhan; do
  if [ ! -f "node_modules/$package/package.json" ]; then
    echo "$package is missing from tools/sunpage/node_modules: run ./test (or tools/install-deps.sh) to set up" >&2
    exit 1
  fi
done
if [ -z "${QARNIVO_PRAYERTABLE:-}" ]; then
  echo "QARNIVO_PRAYERTABLE must name the built tools/prayer/prayertable" >&2
  exit 1
fi
exec node --test test_suntimes.js test_prayertimes.js test_page.js
