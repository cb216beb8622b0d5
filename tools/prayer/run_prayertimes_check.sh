#!/usr/bin/env bash
# Runs the check of the prayer times against adhan (check_prayertimes.js)
# with the prayertable tool given as the argument. adhan is installed by the
# set-up step (tools/install-deps.sh) from tools/sunpage's lock file, never
# here: the tests run offline. Exits 77 (skipped) when Node or adhan is
# missing.
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v node >/dev/null 2>&1; then
  echo "node is needed for this check; skipped"
  exit 77
fi
if [ ! -f ../sunpage/node_modules/adhan/package.json ]; then
  echo "adhan is missing from tools/sunpage/node_modules (npm ci there); skipped"
  exit 77
fi
exec node check_prayertimes.js "$1"
