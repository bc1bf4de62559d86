#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Runs the same case lines through the coilcalc-cli of an x87 build and of a software-backend
# build (-DCOILCALC_SOFT_EXTENDED=ON), side by side on this machine: how many answer lines and
# fields differ, and the CPU time of each (the best of three runs, taken in turns).
#   tools/compare-backends.sh X87_BUILD SOFT_BUILD [CASES]
# Without CASES, 100,000 mixed cases of tests/fuzz/make-cli-cases.py.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 X87_BUILD SOFT_BUILD [CASES]" >&2; exit 2; }
x87="$1/cli/coilcalc-cli"
soft="$2/cli/coilcalc-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cases="${3:-}"
if [ -z "$cases" ]; then
  cases="$work/cases.txt"
  python3 "$(dirname "$0")/../tests/fuzz/make-cli-cases.py" 100000 > "$cases"
fi
export LC_ALL=C

# User CPU seconds of one run of program $1 over the cases, its answers in $2.
seconds() {
  local TIMEFORMAT=%U
  { time "$1" < "$cases" > "$2"; } 2>&1
}
# The smaller of a time and the best so far (none yet: empty).
least() { awk -v a="$1" -v b="${2:-$1}" 'BEGIN { print (a < b ? a : b) }'; }
best_x87=; best_soft=
for run in 1 2 3; do
  best_x87=$(least "$(seconds "$x87" "$work/x87.txt")" "$best_x87")
  best_soft=$(least "$(seconds "$soft" "$work/soft.txt")" "$best_soft")
done

paste -d '\n' "$work/x87.txt" "$work/soft.txt" | awk -F '\t' '
  NR % 2 == 1 { split($0, a, "\t"); n = NF; line = $0; next }
  { cases++
    if ($0 != line) {
      lines++
      for (i = 1; i <= (n > NF ? n : NF); i++) if (a[i] != $i) fields++
    }
    total += NF }
  END { printf "%d cases (%d answer fields): %d answer lines differ, %d fields\n", cases, total, lines, fields }'
awk -v x="$best_x87" -v s="$best_soft" \
  'BEGIN { printf "CPU time: x87 %.2f s, software %.2f s, ratio %.2f\n", x, s, s / x }'
