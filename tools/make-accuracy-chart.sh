#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Makes the README's chart of how far the classic formulas are from the exact physics: runs
# coilcalc-cli with reference=1 over a sweep of shapes and plots reference.deviation with gnuplot
# (Debian gnuplot-nox) into docs/accuracy.png. Left: the single-layer formulas against l/D (the
# short-coil formula from l/D = 1/20 to 1/3, the long-coil one above). Right: the multi-layer
# formula against l/Dвн for a few Dr/Dвн, with the multi-layer window's defaults marked. Prints
# the range of each curve.
# Usage: tools/make-accuracy-chart.sh [build-dir]
set -euo pipefail
# Numbers with "." whatever the user's locale: awk writes the cases (with sep=.) and reads the
# answers in the C library's numeric format.
export LC_ALL=C
cd "$(dirname "$0")/.."
build=${1:-build}
cli=$build/cli/coilcalc-cli
out=docs/accuracy.png
command -v gnuplot >/dev/null || { echo "make-accuracy-chart: needs gnuplot (gnuplot-nox)" >&2; exit 1; }
[ -x "$cli" ] || { echo "make-accuracy-chart: no $cli; build first" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# x from a to b, n points evenly spaced on a logarithmic scale.
logspace() { awk -v a="$1" -v b="$2" -v n="$3" 'BEGIN { for (i = 0; i < n; i++) printf "%.6g\n", a * exp(log(b / a) * i / (n - 1)) }'; }
# The reference.deviation of each answer line, beside the x of its case.
deviations() { paste "$1" - | awk -F'\t' '{ for (i = 2; i <= NF; i++) if ($i ~ /^reference\.deviation=/) { sub(/.*=/, "", $i); print $1, $i } }'; }

# Single-layer: D 10 mm, N 100, l = x D. The short-coil formula holds for 1/20 < l/D < 1/3.
logspace 0.0505 0.3333 60 >"$tmp/short.x"
logspace 0.3334 10 80 >"$tmp/long.x"
for range in short long; do
  awk '{ printf "single-layer\tN=100\tD=10\tl=%.6g\tsep=.\treference=1\n", 10 * $1 }' "$tmp/$range.x" |
    "$cli" | deviations "$tmp/$range.x" >"$tmp/$range.dat"
done

# Multi-layer: Dвн 1 cm, N 100, l = x Dвн, Dr = q Dвн.
logspace 0.1 10 80 >"$tmp/multi.x"
ratios="0.1 0.25 0.5 1 2"
for q in $ratios; do
  awk -v q="$q" '{ printf "multi-layer\tDbn=1\tl=%.6g\tDr=%s\tN=100\tsep=.\treference=1\n", $1, q }' "$tmp/multi.x" |
    "$cli" | deviations "$tmp/multi.x" >"$tmp/multi-$q.dat"
done

# The multi-layer window's defaults: Dвн 1, l 5, Dr 2 (cm).
echo 5 >"$tmp/defaults.x"
printf 'multi-layer\tsep=.\treference=1\n' | "$cli" | deviations "$tmp/defaults.x" >"$tmp/defaults.dat"

for f in "$tmp"/*.dat; do
  [ -s "$f" ] || { echo "make-accuracy-chart: no deviations in $(basename "$f")" >&2; exit 1; }
  awk -v name="$(basename "$f" .dat)" 'NR == 1 || $2 < lo { lo = $2; xlo = $1 } NR == 1 || $2 > hi { hi = $2; xhi = $1 }
    END { printf "make-accuracy-chart: %-10s %+.2f %% (x = %s) to %+.2f %% (x = %s)\n", name, lo, xlo, hi, xhi }' "$f"
done

plots=""
for q in $ratios; do plots+="${plots:+, }'$tmp/multi-$q.dat' with lines lw 2 title 'Dr/Dвн = $q'"; done
gnuplot <<EOF
set terminal pngcairo size 1100,440 font "DejaVu Sans,10"
set output "$out"
set multiplot layout 1,2
set logscale x
set grid
set key bottom right
set ylabel "отклонение формулы от точного расчёта, %"
set style fill transparent solid 0.15 noborder

set title "Однослойная катушка (токовый слой)"
set xlabel "l/D"
set xrange [0.05:10]
set yrange [-2.5:1.5]
plot [0.05:10] 1 with filledcurves y1=-1 lc rgb "#2e8b57" title "±1 %", \
     "$tmp/short.dat" with lines lw 2 lc rgb "#c0392b" title "формула (2), l/D от 1/20 до 1/3", \
     "$tmp/long.dat" with lines lw 2 lc rgb "#1f4e9c" title "формула (1), l/D от 1/3"

set title "Многослойная катушка (обмотка прямоугольного сечения)"
set xlabel "l/Dвн"
set xrange [0.1:10]
set autoscale y
set key top left
plot [0.1:10] 1 with filledcurves y1=-1 lc rgb "#2e8b57" title "±1 %", $plots, \
     "$tmp/defaults.dat" with points pt 7 ps 1.5 lc rgb "black" title "окно: Dвн 1, l 5, Dr 2 см"
unset multiplot
EOF
echo "make-accuracy-chart: $out"
