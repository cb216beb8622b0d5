#!/usr/bin/env bash
# Fails, listing them, when a text of the program has no finished translation
# in translations/qarnivo_<language>.ts, or when a translation's placeholders
# (%1..%9) differ from its source's. lupdate reads the sources into copies of
# the .ts files, so a text added since the last update counts as missing and
# the files themselves are never changed.
#   check_translations.sh [SOURCE_ROOT] [LUPDATE]
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
lupdate=${2:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

copies=()
for language in ar ur; do
  cp "$root/translations/qarnivo_$language.ts" "$work/"
  copies+=("$work/qarnivo_$language.ts")
done
(cd "$root" && "$lupdate" -silent -locations none -no-obsolete src -ts "${copies[@]}")

python3 - "${copies[@]}" <<'PY'
import collections, re, sys
import xml.etree.ElementTree as ET

faults = []
for path in sys.argv[1:]:
    name = path.rsplit('/', 1)[-1]
    for context in ET.parse(path).getroot().iter('context'):
        where = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            translation = message.find('translation')
            forms = [f.text or '' for f in translation.iter('numerusform')] \
                if message.get('numerus') == 'yes' else [translation.text or '']
            said = f'{name}: {where}: "{source}"'
            if translation.get('type') in ('unfinished', 'vanished', 'obsolete') \
                    or not all(forms):
                faults.append(f'{said} is not translated')
                continue
            wanted = collections.Counter(re.findall(r'%[1-9]', source))
            for form in forms:
                if collections.Counter(re.findall(r'%[1-9]', form)) != wanted:
                    faults.append(f'{said} has other placeholders in "{form}"')
print('\n'.join(faults))
sys.exit(1 if faults else 0)
PY
