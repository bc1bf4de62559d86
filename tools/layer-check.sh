#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# The core (core/) is standard C++, Boost and MPFR only. Lists every include in it that reaches
# outside: a Qt header (<QString>, <QtCore/...>, <qglobal.h>), a generated form (ui_*.h), or a
# project header that is not itself in core/ (a window, the Qt glue, a program), and every Qt
# Designer form or resource file kept there. Fails if it found one. The test suite runs it.
#   tools/layer-check.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

include_re='^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^>"]+)[>"]'
found=0
report() { # <file> <line> <what>
  echo "layer-check: $1:$2: $3; the core (core/) includes no Qt and no header outside core/" >&2
  found=$((found + 1))
}

while IFS= read -r -d '' file; do
  case "$file" in
    *.ui | *.qrc) report "$file" 1 "a Qt resource or form file"; continue ;;
    *.cpp | *.h | *.inc) ;;
    *) continue ;;
  esac
  dir=$(dirname "$file")
  number=0
  while IFS= read -r line; do
    number=$((number + 1))
    [[ "$line" =~ $include_re ]] || continue
    kind=${BASH_REMATCH[1]} name=${BASH_REMATCH[2]}
    shown=$kind$name$([ "$kind" = '<' ] && echo '>' || echo '"')
    base=${name##*/}
    if [[ "$name" =~ ^Q || "$name" =~ ^Qt || "$base" =~ ^q[a-z0-9_]*\.h$ || "$base" =~ ^ui_ ]]; then
      report "$file" "$number" "includes $shown, a Qt header"
    elif [ "$kind" = '"' ] && { [[ "$name" == *..* ]] || { [ ! -f "core/$name" ] && [ ! -f "$dir/$name" ]; }; }; then
      report "$file" "$number" "includes $shown, which is not a core header"
    fi
  done <"$file"
done < <(git ls-files -z --cached --others --exclude-standard -- core)

if [ "$found" -gt 0 ]; then
  echo "layer-check: $found include(s) break the layering" >&2
  exit 1
fi
echo "layer-check: the core includes only the core, the standard library, Boost and MPFR"
