#!/usr/bin/env bash
# Takes the screenshots of the user's manual into docs/images/.
#
#   docs/take-screenshots.sh [build/Qarnivo/Qarnivo]
#
# Runs the built program on a virtual screen of 1400 x 1000 pixels with the
# Openbox window manager (for the title bars), from a first start with empty
# settings kept in a temporary folder, and clicks through it with xdotool.
# Needs the Debian packages xvfb, openbox, xdotool, x11-utils, imagemagick,
# trayer (a system tray for the tray icon) and poppler-utils (the printed
# month, from PDF).
# The clicks are screen positions of this layout: after a change of the
# windows' layout, check the pictures and adjust the positions below.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/Qarnivo/Qarnivo}")
images=$(realpath docs/images)
work=$(mktemp -d)
display=:77

Xvfb "$display" -screen 0 1400x1000x24 >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
openbox >"$work/openbox.log" 2>&1 &
openbox=$!
# A tray at the screen's bottom right corner, for the icon and its tooltip.
trayer --edge bottom --align right --widthtype pixel --width 64 --height 32 \
  >"$work/trayer.log" 2>&1 &
trayer=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$trayer" "$openbox" "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

window() { xdotool search --onlyvisible --name "$1" | head -1; }

# The window named $1 with its frame, into docs/images/$2.
grab() {
  local id x y w h
  id=$(window "$1")
  x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$id" | awk '/Width:/ {print $2}')
  h=$(xwininfo -id "$id" | awk '/Height:/ {print $2}')
  import -window root -crop $((w + 2))x$((h + 24))+$((x - 1))+$((y - 23)) +repage "$work/$2"
}

place() { xdotool windowmove "$(window "$1")" "$2" "$3"; sleep 0.7; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }
# A click at a place inside the window named $1, measured from its client area.
clickIn() { xdotool mousemove --window "$(window "$1")" "$2" "$3" click 1; sleep 0.5; }
rest() { xdotool mousemove 1390 990; sleep 0.3; }

# The desktop face of a bare Debian, DejaVu Sans 9 pt, whatever else is
# installed: the positions below are measured on it.
cat >"$work/fonts.conf" <<'FONTS'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <alias binding="strong"><family>Sans Serif</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias binding="strong"><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>
</fontconfig>
FONTS
export FONTCONFIG_FILE="$work/fonts.conf"

# A first start but for the tray icon, which is off by default.
mkdir -p "$work/config/Qarnivo"
printf '[ViewWindow]\nSystemTray=True\n' >"$work/config/Qarnivo/Qarnivo.ini"
XDG_CONFIG_HOME="$work/config" QTWEBENGINE_DISABLE_SANDBOX=1 "$program" >"$work/app.log" 2>&1 &
app=$!
sleep 8

# The calculator window opens first.
calculator="Zawal Time Calculator"
place "$calculator" 20 40
rest
grab "$calculator" calculator.png
xdotool windowactivate --sync "$(window "$calculator")"
xdotool key alt+s && sleep 0.5 && xdotool key alt+g && sleep 1
clickIn "$calculator" 933 394 && xdotool type delhi && xdotool key Return  # search the places
clickIn "$calculator" 933 647 && xdotool type "(-1)"                      # search the offsets
clickIn "$calculator" 946 675 && clickIn "$calculator" 946 675
rest
grab "$calculator" lists-window.png
convert "$work/lists-window.png" -crop 320x490+782+258 +repage "$work/calculator-lists.png"
xdotool key alt+w && sleep 1.5
place "Regional Adjustment" 40 60
grab "Regional Adjustment" gmt-map.png
click 300 200                                                  # closes the map
xdotool windowactivate --sync "$(window "$calculator")"
xdotool key alt+c && sleep 1.5

# The calendar window, short view, Urdu and then English day names.
main="Qarnivo with"
place "$main" 20 40
rest
grab "$main" main-short.png
click 319 130 && click 290 300                                 # header, then day 14
rest
grab "$main" main-english.png
click 319 130                                                  # back to Urdu
xdotool windowactivate --sync "$(window "$main")"
xdotool key alt+v && sleep 0.7
rest
grab "$main" main-full.png
xdotool key ctrl+d && sleep 0.7
grab "$main" main-panel.png
convert "$work/main-panel.png" -crop 200x182+595+418 +repage "$work/conversion-panel.png"

xdotool key alt+s && sleep 1
place "Setting Options" 680 80
grab "Setting Options" options.png
xdotool key alt+d && sleep 1                                    # Adhan and reminders...
place "^Adhan and reminders$" 300 120
grab "^Adhan and reminders$" prayer-alerts.png
xdotool windowactivate --sync "$(window "^Adhan and reminders$")" && xdotool key Escape && sleep 0.5
xdotool windowactivate --sync "$(window "Setting Options")" && xdotool key alt+F4 && sleep 0.5

# The Prayer Times window, its month printed to PDF, and the tray's tooltip.
xdotool windowactivate --sync "$(window "$main")"
xdotool key ctrl+shift+p && sleep 1.5
place "^Prayer Times$" 40 60
rest
grab "^Prayer Times$" prayer-times-window.png
xdotool windowactivate --sync "$(window "^Prayer Times$")"
xdotool key alt+f && sleep 1.5
xdotool key ctrl+a && xdotool type "$work/month.pdf" && xdotool key Return && sleep 1.5
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/month.pdf" "$work/printed-month"
xdotool key Escape && sleep 0.5
xdotool mousemove 1384 984 && sleep 3
import -window root -crop 420x140+980+860 +repage "$work/tray-tooltip.png"
rest

# The New Crescent window, and the world map the command line draws.
xdotool windowactivate --sync "$(window "$main")"
xdotool key ctrl+shift+n && sleep 4
place "^New Crescent$" 40 40
rest
grab "^New Crescent$" new-crescent.png
xdotool windowactivate --sync "$(window "^New Crescent$")" && xdotool key Escape && sleep 0.5
XDG_CONFIG_HOME="$work/config" "$program" --crescent-map --date 2026-02-18 \
  --output "$work/crescent-map.png" >/dev/null

# A refused date: 10 October 1582.
xdotool windowactivate --sync "$(window "$main")"
xdotool mousemove 783 470 click --repeat 3 1 && xdotool type 1582 && xdotool key Tab
click 709 470 && click 690 447                                 # October
click 638 470 && click 634 219                                 # day 10
click 726 503 && sleep 0.5                                     # Gregorian to Hijri
place "^Qarnivo$" 300 300
grab "^Qarnivo$" refusal.png
xdotool key Return

for picture in calculator calculator-lists gmt-map main-short main-english main-full \
               conversion-panel options prayer-alerts refusal prayer-times-window printed-month \
               tray-tooltip \
               new-crescent crescent-map; do
  cp "$work/$picture.png" "$images/$picture.png"
done
echo "Pictures written to $images"
