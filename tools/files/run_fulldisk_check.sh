#!/usr/bin/env bash
# Exports the occasions onto a real, nearly full file system: a 16 KB tmpfs
# mounted in a private user and mount namespace, so nothing outside the test
# sees it. The export must fail with a message and a non-zero status, and the
# file it would have replaced must keep every byte. Exits 77 (skipped) where
# the system does not let an unprivileged process make such a namespace.
set -uo pipefail
program="$1"

if ! unshare --user --map-root-user --mount true 2>/dev/null; then
  echo "user and mount namespaces are not allowed here; skipped"
  exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/disk" "$work/home"

# Runs inside the namespace: fills the small disk but for a few KB, then
# exports over the old file.
inside='
  set -u
  disk="$1"; program="$2"
  mount -t tmpfs -o size=16k tmpfs "$disk" || exit 77
  printf "old calendar\r\n" > "$disk/old.ics"
  head -c 8192 /dev/zero > "$disk/filler" 2>/dev/null
  before="$(sha256sum < "$disk/old.ics")"
  "$program" --export-ics "$disk/old.ics" --hijri-year 1446 2> "$disk/../stderr"
  status=$?
  after="$(sha256sum < "$disk/old.ics")"
  leftovers="$(ls "$disk" | grep -v -x -e old.ics -e filler)"
  echo "status=$status"
  [ "$before" = "$after" ] && echo "old file intact" || echo "old file changed"
  [ -z "$leftovers" ] && echo "no leftovers" || echo "leftovers: $leftovers"
'
result="$(HOME="$work/home" unshare --user --map-root-user --mount \
          bash -c "$inside" inside "$work/disk" "$program")"
rc=$?
[ $rc -eq 77 ] && { echo "tmpfs cannot be mounted here; skipped"; exit 77; }
echo "$result"
echo "stderr: $(cat "$work/stderr")"

fail=0
grep -qx "status=0" <<<"$result" && { echo "FAIL: a failed export reported success"; fail=1; }
grep -qx "old file intact" <<<"$result" || { echo "FAIL: the old file was changed"; fail=1; }
grep -qx "no leftovers" <<<"$result" || { echo "FAIL: a temporary file was left"; fail=1; }
grep -q "old.ics" "$work/stderr" || { echo "FAIL: the message does not name the file"; fail=1; }
grep -q "Unknown error" "$work/stderr" && { echo "FAIL: the message gives no reason"; fail=1; }
exit $fail
