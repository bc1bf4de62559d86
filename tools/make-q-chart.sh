#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Makes the chart of the single-layer coil's quality factor against frequency, docs/q-chart.png:
# runs coilcalc-cli single-layer with its window's defaults (N 5, D 4 mm, l 10 mm), reference=1,
# a working frequency f (kHz) and a wire dwire (mm), over 100 kHz ... 100 MHz for two wires, and
# plots reference.Q with gnuplot (Debian gnuplot-nox, installed here if missing). Prints each
# curve's range.
# Usage: tools/make-q-chart.sh [build-dir]
set -euo pipefail
# Numbers with "." whatever the user's locale: awk writes the cases (with sep=.) and reads the
# answers in the C library's numeric format.
export LC_ALL=C
cd "$(dirname "$0")/.."
build=${1:-build}
cli=$build/cli/coilcalc-cli
out=docs/q-chart.png
[ -x "$cli" ] || { echo "make-q-chart: no $cli; build first" >&2; exit 1; }
if ! command -v gnuplot >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "make-q-chart: installing gnuplot-nox" >&2
  $sudo apt-get update >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends gnuplot-nox >&2
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# x from a to b, n points evenly spaced on a logarithmic scale.
logspace() { awk -v a="$1" -v b="$2" -v n="$3" 'BEGIN { for (i = 0; i < n; i++) printf "%.6g\n", a * exp(log(b / a) * i / (n - 1)) }'; }
# The reference.Q of each answer line, beside the frequency (kHz) of its case.
qualities() { paste "$1" - | awk -F'\t' '{ for (i = 2; i <= NF; i++) if ($i ~ /^reference\.Q=/) { sub(/.*=/, "", $i); print $1, $i } }'; }

logspace 100 100000 61 >"$tmp/f.x"
wires="0.5 1"
for w in $wires; do
  awk -v w="$w" '{ printf "single-layer\tf=%s\tdwire=%s\tsep=.\treference=1\n", $1, w }' "$tmp/f.x" |
    "$cli" | qualities "$tmp/f.x" >"$tmp/q-$w.dat"
  [ -s "$tmp/q-$w.dat" ] || { echo "make-q-chart: no reference.Q for the $w mm wire" >&2; exit 1; }
  awk -v w="$w" 'NR == 1 || $2 < lo { lo = $2; flo = $1 } NR == 1 || $2 > hi { hi = $2; fhi = $1 }
    END { printf "make-q-chart: %s mm wire: Q from %.4g (%s kHz) to %.4g (%s kHz), %d points\n", w, lo, flo, hi, fhi, NR }' "$tmp/q-$w.dat"
done

plots=""
for w in $wires; do plots+="${plots:+, }'$tmp/q-$w.dat' using (\$1/1000):2 with linespoints lw 2 pt 7 ps 0.5 title 'провод $w мм'"; done
gnuplot <<EOF
set terminal pngcairo size 800,480 font "DejaVu Sans,10"
set output "$out"
set logscale xy
set grid xtics ytics mxtics mytics
set key top left
set title "Однослойная катушка окна по умолчанию: N 5, D 4 мм, l 10 мм"
set xlabel "частота, МГц"
set ylabel "добротность Q"
set xrange [0.1:100]
plot $plots
EOF
echo "make-q-chart: $out"
