#!/usr/bin/env bash
# The manual page renders with groff and with man without a single warning,
# names every long option the program's --help prints, and its examples run.
# Usage: check_manpage.sh PAGE PROGRAM
set -uo pipefail
page="$1"
program="$(realpath "$2")"

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" LANGUAGE='' LC_ALL=C.UTF-8

failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

# Every warning groff knows of, then man's own pass as lintian makes it.
warnings="$(groff -man -Tutf8 -ww -z "$page" 2>&1)"
[ -z "$warnings" ] || fail "groff warns: $warnings"
if command -v man >/dev/null; then
  warnings="$(MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "man warns: $warnings"
fi
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" ENVIRONMENT FILES EXAMPLES "SEE ALSO"; do
  grep -qx "\.SH \"\?$section\"\?" "$page" || fail "no section $section"
done

options="$("$program" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)"
[ "$(wc -l <<<"$options")" -ge 20 ] || fail "--help printed too few options: $options"
for option in $options; do
  # In roff each hyphen is written \-; the name must not run on (--month is
  # not found in --month-start).
  roff="${option//-/\\\\-}"
  grep -qE -- "${roff}(\$|[^a-z\\])" "$page" || fail "$option is not in the manual page"
done

# Every example runs as printed, in an empty folder (one writes a file).
mkdir "$home/examples"
examples=0
while read -r example; do
  read -ra words <<<"$example"
  answer="$(cd "$home/examples" && "$program" "${words[@]:1}" 2>&1)" ||
    fail "the example \"$example\" fails: $answer"
  examples=$((examples + 1))
done < <(sed -n '/^\.EX$/,/^\.EE$/{/^\./d;p}' "$page" | sed -e ':a;/\\e$/{N;s/\\e\n */ /;ba}' -e 's/\\-/-/g')
[ "$examples" -ge 5 ] || fail "only $examples examples found"

[ "$failed" -eq 0 ] && echo "manual page: renders cleanly, $(wc -l <<<"$options") options named, $examples examples run"
exit "$failed"
