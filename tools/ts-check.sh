#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Checks the committed translations (i18n/*.ts) against the sources, in a configured build:
# - up to date: the build's update target (lupdate over the layouts, the windows and the core's
#   catalog) would not change them; the files are put back as they were either way;
# - complete: no entry unfinished, vanished or obsolete, none empty;
# - consistent: each translation has the %1..%9 markers of its source, and a mnemonic (&) where
#   the source has one (a translation may add one); no Cyrillic letter in a language other than Russian.
# Usage: tools/ts-check.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/CMakeCache.txt" ] || { echo "ts-check: $build is not a configured build directory" >&2; exit 2; }
command -v python3 >/dev/null || { echo "ts-check: needs python3" >&2; exit 2; }

saved=$(mktemp -d)
trap 'cp -p "$saved"/*.ts i18n/; rm -rf "$saved"' EXIT
cp -p i18n/*.ts "$saved"/
cmake --build "$build" --target update_translations >"$saved/lupdate.log" 2>&1 ||
  { cat "$saved/lupdate.log" >&2; echo "ts-check: the update target failed" >&2; exit 1; }
status=0
for ts in i18n/*.ts; do
  if ! diff -u "$saved/$(basename "$ts")" "$ts" >"$saved/diff.txt"; then
    cat "$saved/diff.txt"
    echo "ts-check: $ts is out of date: run 'cmake --build $build --target update_translations'," \
         "translate what it marks unfinished and commit the file" >&2
    status=1
  fi
done

python3 - "$saved"/*.ts <<'EOF' || status=1
import re, sys
import xml.etree.ElementTree as ET

markers = re.compile(r'%[1-9]')
cyrillic = re.compile('[\u0400-\u052f]')
# A mnemonic is an & before a letter; "&&" is a literal ampersand.
mnemonic = re.compile(r'(?<!&)&(?!&)\w')
failed = False
for path in sys.argv[1:]:
    root = ET.parse(path).getroot()
    russian = root.get('language', '').startswith('ru')
    name = 'i18n/' + path.rsplit('/', 1)[-1]
    for context in root.iter('context'):
        ctx = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            translation = message.find('translation')
            text = translation.text or '' if translation is not None else ''
            kind = translation.get('type', '') if translation is not None else 'missing'
            problem = None
            if kind:
                problem = kind
            elif not text:
                problem = 'empty'
            elif set(markers.findall(source)) != set(markers.findall(text)):
                problem = 'markers %s in the source, %s in the translation' % (
                    sorted(set(markers.findall(source))), sorted(set(markers.findall(text))))
            elif mnemonic.search(source) and not mnemonic.search(text):
                problem = 'no mnemonic (&) as the source has'
            elif not russian and cyrillic.search(text):
                problem = 'Cyrillic in the translation'
            if problem:
                print('%s: %s: "%s": %s' % (name, ctx, source, problem), file=sys.stderr)
                failed = True
sys.exit(1 if failed else 0)
EOF
[ $status -eq 0 ] && echo "ts-check: the translations are up to date and complete"
exit $status
