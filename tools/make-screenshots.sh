#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Makes the README's screenshots: starts the program under Xvfb with a window manager, brings
# each calculator forward through the menu from the keyboard, computes its defaults and saves a
# picture of the frame to docs/screenshots/ (to docs/screenshots/scale-N/ under QT_SCALE_FACTOR=N).
# Usage: [QT_SCALE_FACTOR=2] tools/make-screenshots.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scale=${QT_SCALE_FACTOR:-1}
out=docs/screenshots
[ "$scale" = 1 ] || out=docs/screenshots/scale-$scale
mkdir -p "$out"
for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "make-screenshots: needs $tool (xvfb openbox xdotool imagemagick)" >&2; exit 1; }
done

display=$(tools/free-display.sh)
Xvfb "$display" -screen 0 "$((1280 * scale))x$((1024 * scale))x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
LANG=ru_RU.UTF-8 LC_NUMERIC=ru_RU.UTF-8 QT_SCALE_FACTOR=$scale "$build/app/coilcalc" &
app=$!
frame=$(timeout 20 xdotool search --sync --limit 1 --onlyvisible --class coilcalc)
sleep 0.5

key() { xdotool key --delay 120 "$@"; sleep 0.4; }
# The n-th entry of the "Расчет" menu: F10 opens "Файл", Right opens "Расчет" on its first entry.
choose() { key F10 Right; for _ in $(seq 2 "$1"); do key Down; done; key Return; }
shoot() { sleep 0.5; import -window "$frame" -frame "$out/$1.png"; echo "make-screenshots: $out/$1.png"; }

choose 4; key Return; shoot single-layer
choose 2; key Return; shoot multi-layer
choose 1; key Return; shoot turns
choose 3; key Tab Return; shoot optimal
xdotool key F10 Left; sleep 0.4; key Down Down Down Return; sleep 0.5
import -window root "$out/about.png"; echo "make-screenshots: $out/about.png"
key Return
