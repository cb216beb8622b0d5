#!/usr/bin/env bash
# Runs the check of the crescent's astronomy against astronomy-engine
# (check_crescent.js) with the crescenttable tool given as the argument.
# astronomy-engine is installed by the set-up step (tools/install-deps.sh)
# from tools/sunpage's lock file, never here: the tests run offline. Exits 77
# (skipped) when Node or astronomy-engine is missing.
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v node >/dev/null 2>&1; then
  echo "node is needed for this check; skipped"
  exit 77
fi
if [ ! -f ../sunpage/node_modules/astronomy-engine/package.json ]; then
  echo "astronomy-engine is missing from tools/sunpage/node_modules (npm ci there); skipped"
  exit 77
fi
exec node check_crescent.js "$1"
