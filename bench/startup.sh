#!/usr/bin/env bash
# Start-up and memory as a user sees them, each beside its yardstick built in
# the same run, so that the ratios hold on any machine:
#
#   bench/startup.sh [build]
#
# - the calendar first ("Show First" off) against a bare Qt Widgets window:
#   process start to the first visible window, and resident memory 2 s later;
# - the calculator first (the default) against a bare browser view on a local
#   page: start to the first visible window;
# - one conversion on the command line against idate (Debian's itools), when
#   it is installed.
# Each figure is the median of seven runs, taken in turns. Runs on the
# current X display, or in xvfb-run when there is none. Needs xdotool.
set -euo pipefail
build=$(realpath "${1:-build}")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1400x1000x24" "$0" "$build"
fi
runs=${RUNS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime" QTWEBENGINE_DISABLE_SANDBOX=1
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# "ms kB": milliseconds to the first visible window titled $1, resident kB 2 s
# later. A program that dies before its window shows is started again, twice
# at most: the browser view's GPU thread sometimes aborts under Xvfb.
launch() {
  local title=$1 start end pid rss attempt
  shift
  for attempt in 1 2 3; do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
      if ! kill -0 "$pid" 2>/dev/null; then
        echo "bench/startup.sh: \"$title\" ended before its window showed (try $attempt)" >&2
        continue 2
      fi
      if [ $(($(date +%s%N) - start)) -gt 60000000000 ]; then
        echo "bench/startup.sh: no window \"$title\" from $*" >&2
        exit 1
      fi
      sleep 0.005
    done
    end=$(date +%s%N)
    sleep 2
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid" && wait "$pid" 2>/dev/null || true
    sleep 0.3
    echo "$(((end - start) / 1000000)) $rss"
    return
  done
  echo "bench/startup.sh: \"$title\" never showed a window from $*" >&2
  exit 1
}

# The program with its own settings in a fresh home, "Show First" as $1.
qarnivo() {
  local home="$work/home-$1"
  mkdir -p "$home/.config/Qarnivo"
  printf '[ViewWindow]\nShow%%20First=%s\n' "$1" >"$home/.config/Qarnivo/Qarnivo.ini"
  HOME=$home XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" exec \
    "$build/Qarnivo/Qarnivo"
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

: >"$work/bare" >"$work/calendar" >"$work/view" >"$work/calculator"
page="$work/page.html"
"$build/Qarnivo/Qarnivo" --help >/dev/null # warm the disk cache
printf '<html><body><h1>Sunrise</h1></body></html>' >"$page"
for _ in $(seq $runs); do
  launch "Bare window" "$build/bench/bench_bare_window" >>"$work/bare"
  launch "Qarnivo with" qarnivo 0 >>"$work/calendar"
  launch "Bare view" "$build/bench/bench_bare_view" "$page" >>"$work/view"
  launch "Zawal Time Calculator" qarnivo 1 >>"$work/calculator"
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median)
cal_ms=$(cut -d' ' -f1 "$work/calendar" | median)
cal_kb=$(cut -d' ' -f2 "$work/calendar" | median)
view_ms=$(cut -d' ' -f1 "$work/view" | median)
calc_ms=$(cut -d' ' -f1 "$work/calculator" | median)
printf '%-44s %6s ms  %6s MB  (bare window %s ms, %s MB)\n' "calendar first: to visible, memory" \
  "$cal_ms" "$((cal_kb / 1024))" "$bare_ms" "$((bare_kb / 1024))"
printf '%-44s %6sx       (target within 1.5x)\n' "  time against a bare window" "$(ratio "$cal_ms" "$bare_ms")"
printf '%-44s %6s MB     (target under 60 MB)\n' "  resident memory 2 s after" "$((cal_kb / 1024))"
printf '%-44s %6s ms  (bare browser view %s ms)\n' "calculator first: to visible" "$calc_ms" "$view_ms"
printf '%-44s %6sx       (target within 1.2x)\n' "  time against a bare browser view" "$(ratio "$calc_ms" "$view_ms")"

if command -v idate >/dev/null; then
  time_of() { # milliseconds for 50 runs of the command
    local start end
    start=$(date +%s%N)
    for _ in $(seq 50); do "$@" >/dev/null; done
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
  }
  : >"$work/idate" >"$work/convert"
  for _ in $(seq 5); do
    time_of idate --gregorian 20261207 >>"$work/idate"
    # HOME set in a subshell: through env the program would pay a second exec.
    (export HOME="$work/home-0" && time_of "$build/Qarnivo/Qarnivo" --convert 2026-12-07) \
      >>"$work/convert"
  done
  idate_ms=$(median <"$work/idate")
  convert_ms=$(median <"$work/convert")
  printf '%-44s %6s ms  (idate %s ms, a run each)\n' "one conversion on the command line" \
    "$(ratio "$convert_ms" 50)" "$(ratio "$idate_ms" 50)"
  printf '%-44s %6sx       (target within 1.5x)\n' "  against idate" "$(ratio "$convert_ms" "$idate_ms")"
else
  echo "one conversion on the command line: idate (Debian's itools) is not installed"
fi
