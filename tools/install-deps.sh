#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# asking apt only for those that are missing. Sourced by ./run and ./test.
set -euo pipefail

QARNIVO_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-webengine-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-dejavu-core python3-fonttools
  fonts-noto-core fonts-cantarell fonts-liberation2
  appstream desktop-file-utils python3-icalendar libicu-dev
  clang libclang-rt-14-dev
  dpkg-dev file lintian man-db groff-base
)

qarnivo_install_deps() {
  local missing=()
  for pkg in "${QARNIVO_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  # The page's tool-side test runs on Node.js; any installed node will do.
  if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    missing+=(nodejs npm)
  fi
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
  qarnivo_install_node_packages
}

# The oracles of the page test (suncalc), of the prayer times (adhan) and of
# the crescent (astronomy-engine), pinned by the lock file, installed here so
# that the tests themselves never reach the network. A folder set up before
# one of them joined gets it too.
qarnivo_install_node_packages() {
  local tools="$PWD/tools/sunpage"
  [ -f "$tools/node_modules/suncalc/package.json" ] &&
    [ -f "$tools/node_modules/adhan/package.json" ] &&
    [ -f "$tools/node_modules/astronomy-engine/package.json" ] && return 0
  (cd "$tools" && { npm ci --no-audit --no-fund --loglevel=error ||
                    npm install --no-audit --no-fund --loglevel=error; })
}

qarnivo_build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  cmake --build build -j "$(nproc)"
}
