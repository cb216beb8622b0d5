#!/usr/bin/env bash
# Redraws Qarnivo's pictures: resources/pictures/*.png (month and weekday
# names, ornaments, invocation, banner, world time-zone map) and
# resources/icons/* (the application icon). The results are committed, so
# only someone who changes a picture needs to run this.
#
# Needs the Debian packages cmake, g++, qt6-base-dev, qt6-svg-dev,
# fonts-noto-core (Noto Nastaliq Urdu, Noto Naskh Arabic), fonts-hosny-amiri
# (Amiri Quran) and fonts-dejavu-core, and npm for world-atlas (Natural
# Earth's public-domain outlines, ISC-licensed package).
#
# Usage: tools/pictures/make-pictures.sh [--sheet contact-sheet.png]
set -euo pipefail
cd "$(dirname "$0")/../.."

packages=(cmake g++ qt6-base-dev qt6-svg-dev fonts-noto-core fonts-hosny-amiri fonts-dejavu-core)
missing=()
for pkg in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Install first: apt-get install ${missing[*]}" >&2
  exit 1
fi
command -v npm >/dev/null || { echo "npm is needed for world-atlas" >&2; exit 1; }

work="${TMPDIR:-/tmp}/qarnivo-picturegen"
mkdir -p "$work/npm"
npm install --prefix "$work/npm" --no-audit --no-fund --no-save world-atlas@2.0.2 >/dev/null
cmake -S tools/pictures -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" -j "$(nproc)" >/dev/null

QT_QPA_PLATFORM=offscreen "$work/build/picturegen" \
  --resources resources \
  --world-atlas "$work/npm/node_modules/world-atlas/countries-50m.json" "$@"
