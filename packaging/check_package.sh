#!/usr/bin/env bash
# Builds the Debian package into a temporary folder, reads its control file,
# unpacks it and runs the unpacked program under its lowercase name with a
# temporary HOME: it must find its data and its windows' module, answer, and
# write nothing into the installed tree. Exits 77 (skipped) without cpack,
# dpkg-deb or dpkg-shlibdeps.
# Usage: check_package.sh BUILD_DIR CPACK
set -uo pipefail
build="$1"
cpack="$2"

for tool in "$cpack" dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "$tool is missing; skipped"; exit 77; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

# --- the package ---
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack"
  exit 1
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: cpack made ${#debs[@]} packages"; exit 1; }
deb="${debs[0]}"
field() { dpkg-deb -f "$deb" "$1"; }
version="$(field Version)"
expected_name="qarnivo_${version}_$(dpkg --print-architecture).deb"
[ "$(basename "$deb")" = "$expected_name" ] || fail "package file $(basename "$deb"), not $expected_name"
[ "$(field Package)" = qarnivo ] || fail "package name $(field Package)"
for name in Maintainer Section Priority Homepage Description; do
  [ -n "$(field "$name")" ] || fail "no $name in the control file"
done
[[ $(field Homepage) == https://* ]] || fail "homepage $(field Homepage)"
# Nothing to run at installation: the modules are loaded by path, so no
# ldconfig call either.
for script in preinst postinst prerm postrm; do
  dpkg-deb -I "$deb" "$script" >/dev/null 2>&1 && fail "the package has a $script script"
done
depends=", $(field Depends),"
# What the program runs or loads by name (the browser engine's process, the
# faces, Qt's translations, the link opener, the adhan's GStreamer plugins),
# and libraries that dpkg-shlibdeps must have found.
for package in libqt6webenginecore6-bin fonts-noto-core fonts-dejavu-core qt6-translations-l10n \
  xdg-utils gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
  libqt6core6 libqt6widgets6 libqt6webenginewidgets6 libqt6multimedia6 libc6; do
  [[ $depends =~ ,\ $package([ ,]|\ \() ]] || fail "Depends lacks $package: $depends"
done

# Root's files, no configuration, no user settings: those live in HOME only.
listing="$(dpkg-deb -c "$deb")"
grep -v ' root/root ' <<<"$listing" && fail "files not owned by root"
grep -E ' \./(etc|home|root|var)/' <<<"$listing" && fail "files outside /usr"
grep -iE '\.(ini|conf)$' <<<"$listing" | grep -v '/usr/share/qarnivo/system/sunc\.ini$' &&
  fail "a settings file in the package"

# --- the unpacked files ---
root="$work/root"
dpkg-deb -x "$deb" "$root"
for name in windows commandline browser sound; do
  [ -n "$(find "$root/usr/lib" -name "libqarnivo-$name.so" -print -quit)" ] ||
    fail "no libqarnivo-$name.so under usr/lib"
done
[ "$(readlink "$root/usr/bin/qarnivo")" = Qarnivo ] || fail "usr/bin/qarnivo is not a link to Qarnivo"
[ -x "$root/usr/bin/Qarnivo" ] || fail "usr/bin/Qarnivo is not a program"
[ "$(readlink "$root/usr/share/man/man1/Qarnivo.1.gz")" = qarnivo.1.gz ] ||
  fail "usr/share/man/man1/Qarnivo.1.gz is not a link to qarnivo.1.gz"
[ "$(readlink "$root/usr/share/bash-completion/completions/Qarnivo")" = qarnivo ] ||
  fail "the completion of Qarnivo is not a link to qarnivo's"
id=example.qarnivo.Qarnivo
while read -r file; do
  [ -f "$root/$file" ] || fail "$file is not in the package"
done <<EOF
usr/share/applications/$id.desktop
usr/share/metainfo/$id.metainfo.xml
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/man/man1/qarnivo.1.gz
usr/share/bash-completion/completions/qarnivo
usr/share/doc/qarnivo/copyright
usr/share/doc/qarnivo/changelog.gz
usr/share/qarnivo/CityInfo.txt
usr/share/qarnivo/AddCity.txt
usr/share/qarnivo/GMT Offsets.txt
usr/share/qarnivo/Tarvelonix-LICENSE.txt
usr/share/qarnivo/system/sunc.ini
EOF
exec_line="$(grep '^Exec=' "$root/usr/share/applications/$id.desktop")"
[ -x "$root/usr/bin/${exec_line#Exec=}" ] || fail "the desktop entry runs $exec_line, not in usr/bin"
changelog_top="$(gzip -dc "$root/usr/share/doc/qarnivo/changelog.gz" | head -1)"
[[ $changelog_top == "qarnivo ($version) "* ]] ||
  fail "the changelog's last entry is \"$changelog_top\", not version $version"
if command -v man >/dev/null; then
  warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$root/usr/share/man/man1/qarnivo.1.gz" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "the installed manual page warns: $warnings"
fi

# --- the unpacked program, as a user runs it ---
home="$work/home"
mkdir -p "$home"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
export XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/run" LANGUAGE='' LC_ALL=C.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR"
snapshot() { (cd "$root" && find . -printf '%p %s %m %T@\n' | sort); }
before="$(snapshot)"
qarnivo="$root/usr/bin/qarnivo"
city="$(head -1 "$root/usr/share/qarnivo/CityInfo.txt" | tr -d '\r')"

# Arguments|what the answer must contain. The default city's name comes
# from the shipped data, and the crescent map from the windows' module.
while IFS='|' read -r arguments expected; do
  read -ra args <<<"$arguments"
  answer="$("$qarnivo" "${args[@]}" 2>&1)"
  status=$?
  [ "$status" -eq 0 ] || fail "qarnivo $arguments: status $status: $answer"
  [[ $answer == *"$expected"* ]] || fail "qarnivo $arguments: \"$answer\" lacks \"$expected\""
done <<EOF
--version|$version
--convert 2024-03-11 --json|"hijri":"1445-09-01"
--to-gregorian 1445-09-01 --json|"gregorian":"2024-03-11"
--month 1446-09 --json|"title":"Ramadhan 1446"
--prayer-times --date 2026-12-21 --latitude 51.5074 --longitude -0.1278 --utc-offset 0 --method mwl --json|"date": "2026-12-21"
--prayer-times --date 2026-12-06|$city
--qibla --latitude 51.5074 --longitude -0.1278 --json|"bearing":119.0
--crescent-map --date 2026-02-18 --output $work/map.png|$work/map.png
EOF
[ "$(head -c 4 "$work/map.png" 2>/dev/null | tail -c 3)" = PNG ] || fail "the crescent map is not a PNG"
"$qarnivo" --lang xx --today >/dev/null 2>&1
[ $? -eq 2 ] || fail "a bad --lang does not end with status 2"
[ "$(snapshot)" = "$before" ] || fail "running the program changed the installed files"

# Lintian's errors fail the package; its warnings are shown (README lists them).
if command -v lintian >/dev/null; then
  lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian found errors"
fi

[ "$failed" -eq 0 ] && echo "package $(basename "$deb"): fields, files and program checked"
exit "$failed"
