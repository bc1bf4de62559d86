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
for tool in Xvfb openbox xdotool import xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "make-screenshots: needs $tool (xvfb openbox xdotool imagemagick x11-utils)" >&2; exit 1; }
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
# The screen where the frame is, with whatever lies over it (a menu, the About window).
shoot_over() {
  local name=$1 x y w h
  sleep 0.5
  eval "$(xwininfo -id "$frame" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4} /  Width/ {print "w=" $2} /  Height/ {print "h=" $2}')"
  # shellcheck disable=SC2046 # left, right, top, bottom
  set -- $(xprop -id "$frame" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  import -window root -crop "$((w + $1 + $2))x$((h + $3 + $4))+$((x - $1))+$((y - $3))" +repage "$out/$name.png"
  echo "make-screenshots: $out/$name.png"
}

choose 4; key Return; shoot single-layer
choose 2; key Return; shoot multi-layer
choose 1; key Return; shoot turns
choose 3; key Tab Return; shoot optimal
# The wire-diameter mode: the check box, then Enter; the intermediate notice is closed by Enter.
key shift+Tab space Tab Return; sleep 0.5; key Return; shoot optimal-wire
key F10 Right; shoot_over menu; key Escape Escape
xdotool key F10 Left; sleep 0.4; key Down Down Down Return; shoot_over about
key Return
