#!/usr/bin/env bash
# Runs the check of the calculator page's sun times (test_suntimes.js):
# installs the npm packages it needs into node_modules here when they are
# missing, then runs it with Node's test runner. Exits 77 (skipped) when Node
# or npm is not installed.
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
  echo "node and npm are needed for this check; skipped"
  exit 77
fi
if [ ! -f node_modules/suncalc/package.json ]; then
  npm ci --no-audit --no-fund --loglevel=error || npm install --no-audit --no-fund --loglevel=error
fi
exec node --test test_suntimes.js
