#!/usr/bin/env bash
# Every source file names its licence near its top, in its own comment syntax (the AppStream
# metadata names CC0-1.0 instead):
#   SPDX-License-Identifier: GPL-3.0-or-later
#   Copyright (C) 2026 The coilcalc developers
# Lists the files that lack the first line and fails if there is one; with --add, writes both lines
# into them instead (after a "#!", "<?xml", "<!DOCTYPE" or scdoc preamble line). A file of a kind
# this script does not know is listed too, so that no new kind of source goes unchecked.
#   tools/spdx-check.sh [--add]
set -euo pipefail
cd "$(dirname "$0")/.."
add=false
[ "${1:-}" = "--add" ] && add=true

copyright='Copyright (C) 2026 The coilcalc developers'

# The comment syntax of a file: "//", "#", "<!--", ";"; "-" for a file that carries no licence
# line (pictures, fuzz inputs, prose, the licence and the Debian copyright and changelog files).
syntax() {
  case "$1" in
    tests/fuzz/corpus/* | tests/fuzz/seeds/*) echo - ;;
    # lupdate writes a translation whole and keeps no comment in it.
    i18n/*.ts) echo - ;;
    *.png | *.pbm | *.xpm | *.svg | *.md | LICENSE | packaging/copyright | packaging/changelog | .gitignore) echo - ;;
    *.cpp | *.h | *.inc) echo // ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py | *.desktop | .ci/run | .clang-format) echo '#' ;;
    *.ui | *.qrc | *.html | *.xml) echo '<!--' ;;
    *.scd) echo ';' ;;
    *) echo '?' ;;
  esac
}

# The licence a file names: the AppStream metadata is CC0-1.0, as AppStream asks of it; everything
# else is the program's own licence.
licence() {
  case "$1" in
    *.metainfo.xml) echo CC0-1.0 ;;
    *) echo GPL-3.0-or-later ;;
  esac
}

comment() { # <syntax> <text>
  case "$1" in
    '<!--') echo "<!-- $2 -->" ;;
    *) echo "$1 $2" ;;
  esac
}

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  style=$(syntax "$file")
  [ "$style" = - ] && continue
  if [ "$style" = '?' ]; then
    echo "spdx-check: $file: a kind of file this script does not know; add it to syntax()" >&2
    missing=$((missing + 1))
    continue
  fi
  identifier="SPDX-License-Identifier: $(licence "$file")"
  head -n 5 "$file" | grep -F "$identifier" >/dev/null && continue
  if ! $add; then
    echo "spdx-check: $file: no '$identifier' in its first lines" >&2
    missing=$((missing + 1))
    continue
  fi
  header="$(comment "$style" "$identifier")"$'\n'"$(comment "$style" "$copyright")"
  first=$(head -n 1 "$file")
  if [[ "$first" == '#!'* || "$first" == '<?xml'* || "$first" == '<!DOCTYPE'* || "$style" = ';' ]]; then
    { echo "$first"; echo "$header"; tail -n +2 "$file"; } >"$file.spdx"
  else
    { echo "$header"; cat "$file"; } >"$file.spdx"
  fi
  chmod --reference="$file" "$file.spdx"
  mv "$file.spdx" "$file"
  echo "spdx-check: added the licence line to $file"
done < <(git ls-files -z --cached --others --exclude-standard)

if [ "$missing" -gt 0 ]; then
  echo "spdx-check: $missing file(s) without the licence line (tools/spdx-check.sh --add writes it)" >&2
  exit 1
fi
$add || echo "spdx-check: every source file names its licence"
