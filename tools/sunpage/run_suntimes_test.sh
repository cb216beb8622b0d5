#!/usr/bin/env bash
# Runs the check of the calculator page's sun times (test_suntimes.js) with
# Node's test runner. Its npm package is installed by the set-up step
# (tools/install-deps.sh), never here: the tests run offline. Exits 77
# (skipped) when Node is not installed.
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v node >/dev/null 2>&1; then
  echo "node is needed for this check; skipped"
  exit 77
fi
if [ ! -f node_modules/suncalc/package.json ]; then
  echo "suncalc is missing from tools/sunpage/node_modules: run ./test (or tools/install-deps.sh) to set up" >&2
  exit 1
fi
exec node --test test_suntimes.js
