#!/usr/bin/env bash
# Sources the bash completion and asks it what a user's Tab would: the long
# options (every one --help prints), the fixed values, and file names.
# Usage: check_completion.sh COMPLETION PROGRAM
set -uo pipefail
completion="$1"
program="$2"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
mkdir -p "$HOME"
# shellcheck source=/dev/null
source "$completion"

failed=0
# What completing the last of the words gives, sorted, on one line.
completes() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _qarnivo
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

# Words typed, then what they must complete to.
while IFS='|' read -r words expected; do
  read -ra typed <<<"$words"
  # A word left empty on purpose is written "''".
  for i in "${!typed[@]}"; do [ "${typed[$i]}" = "''" ] && typed[i]=; done
  got="$(completes "${typed[@]}")"
  if [ "$got" != "$expected" ]; then
    echo "FAIL: \"$words\" completes to \"$got\", not \"$expected\""
    failed=1
  fi
done <<'TABLE'
qarnivo --lang ''|ar en ur
Qarnivo --lang a|ar
qarnivo --lang = u|ur
qarnivo --lang =|ar en ur
qarnivo --lang = ''|ar en ur
qarnivo --calendar u|umm-al-qura
qarnivo --day-starts ''|midnight sunset
qarnivo --method ka|karachi
qarnivo --method t|tehran turkey
qarnivo --asr ''|hanafi standard
qarnivo --high-latitude s|seventh-of-the-night
qarnivo --criterion ''|odeh yallop
qarnivo --month-s|--month-start --month-starts
qarnivo --crescent --cr|--crescent --crescent-map --criterion
qarnivo --date ''|
qarnivo 2024-03-11|
TABLE

# File names after the options that name a file.
mkdir "$work/maps"
touch "$work/maps/ramadan.png" "$work/maps/shawwal.png"
for option in --output --export-ics --month-starts; do
  got="$(completes qarnivo "$option" "$work/maps/r")"
  [ "$got" = "$work/maps/ramadan.png" ] || {
    echo "FAIL: $option $work/maps/r completes to \"$got\""
    failed=1
  }
done

# Every long option of --help is offered after "--".
offered=" $(completes qarnivo --) "
for option in $("$program" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
  [[ $offered == *" $option "* ]] || {
    echo "FAIL: $option of --help is not completed"
    failed=1
  }
done
complete -p Qarnivo qarnivo >/dev/null || {
  echo "FAIL: the completion is not bound to both commands"
  failed=1
}

[ "$failed" -eq 0 ] && echo "bash completion: values, files and every option complete"
exit "$failed"
