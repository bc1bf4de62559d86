#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Makes the README's screenshots: starts the program under Xvfb with a window manager, brings
# each calculator forward through the menu from the keyboard, computes its defaults and saves a
# picture of the frame to docs/screenshots/ (to docs/screenshots/scale-N/ under QT_SCALE_FACTOR=N),
# then the menu, About, the notices, the error box, the reference table and the help page.
# Usage: [QT_SCALE_FACTOR=2] tools/make-screenshots.sh [--lang LOCALE] [--display :N] [build-dir]
#   --lang LOCALE   the locale the program runs in (LANG, LC_NUMERIC); ru_RU.UTF-8 unless given.
#                   Any other gives docs/screenshots/LL/ (LL its language: en_US.UTF-8 -> en/).
#   --display :N    the X display for the private Xvfb (a free one unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
locale=ru_RU.UTF-8
display=
while [ $# -gt 0 ]; do
  case $1 in
    --lang) locale=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    *) break ;;
  esac
done
build=${1:-build}
scale=${QT_SCALE_FACTOR:-1}
out=docs/screenshots
language=${locale%%[_.@]*}
[ "$language" = ru ] || out=$out/$language
[ "$scale" = 1 ] || out=$out/scale-$scale
mkdir -p "$out"
for tool in Xvfb openbox xdotool import xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "make-screenshots: needs $tool (xvfb openbox xdotool imagemagick x11-utils)" >&2; exit 1; }
done

[ -n "$display" ] || display=$(tools/free-display.sh)
Xvfb "$display" -screen 0 "$((1280 * scale))x$((1024 * scale))x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$locale" LC_NUMERIC="$locale" \
  QT_SCALE_FACTOR="$scale" "$build/app/coilcalc" &
app=$!
frame=$(timeout 20 xdotool search --sync --limit 1 --onlyvisible --class coilcalc)
sleep 0.5

key() { xdotool key --delay 120 "$@"; sleep 0.4; }
# The n-th entry of the calculators' menu: F10 opens the first menu, Right the calculators' one on
# its first entry.
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
# The whole screen, for what lies beyond the frame (a wide tooltip, the help viewer).
shoot_screen() { sleep 0.5; import -window root "$out/$1.png"; echo "make-screenshots: $out/$1.png"; }
# Clicks the point (x, y) of the calculator in front, in its layout's coordinates (below the
# menu bar), and replaces the text of the field there.
click_at() { xdotool mousemove --window "$frame" "$(($1 * scale))" "$(((21 + $2) * scale))" click 1; sleep 0.3; }
type_at() { click_at "$1" "$2"; key ctrl+a; xdotool type --delay 60 "$3"; sleep 0.3; }

choose 4; key Return; shoot single-layer
choose 2; key Return; shoot multi-layer
choose 1; key Return; shoot turns
choose 3; key Tab Return; shoot optimal
# The wire-diameter mode: the check box, then Enter; the intermediate notice is closed by Enter.
key shift+Tab space Tab Return; sleep 0.5; key Return; shoot optimal-wire
key F10 Right; shoot_over menu; key Escape Escape
key F10; shoot_over menu-file; key Escape Escape
xdotool key F10 Left; sleep 0.4; shoot_over menu-help; key Escape Escape
xdotool key F10 Left; sleep 0.4; key Down Down Down Return; shoot_over about
key Return
# The reference table: the pointer over the status line of the single-layer calculator, first at
# direct current, then at 10 MHz with a 0.5 mm wire typed into the fields below the line (the wire
# field's place follows the length of its label).
choose 4; key Return
height=$(xwininfo -id "$frame" | awk '/  Height/ {print $2}')
xdotool mousemove --window "$frame" "$((60 * scale))" "$((height - 34 * scale))"
sleep 2; shoot_screen reference-table
# The pointer is moved, then clicks: a click chained to the move may reach the window before Qt
# knows where the pointer is.
type_below() {
  xdotool mousemove --window "$frame" "$(($1 * scale))" "$((height - 14 * scale))"
  sleep 0.3; xdotool click 1; sleep 0.3; xdotool type --delay 60 "$2"; sleep 0.3
}
type_below 150 10000
if [ "$language" = ru ]; then type_below 340 0,5; else type_below 295 0.5; fi
xdotool mousemove --window "$frame" "$((60 * scale))" "$((height - 34 * scale))"
sleep 2; shoot_screen reference-frequency
xdotool mousemove 0 0; sleep 0.5
# The error box: a number that cannot be read (the single-layer calculator's N).
type_at 45 42 x5; key Return; shoot_over error-box; key Return; type_at 45 42 5
# The notice of a coil too short to calculate: its length l made 0.
type_at 45 122 0; key Return; shoot_over notice-too-short; key Return; type_at 45 122 10
# The turns calculator's three notices: wire diameter 0, length 0, inductance 0.
choose 1
type_at 49 122 0; key Return; shoot_over notice-wire; key Return; type_at 49 122 1
type_at 49 82 0; key Return; shoot_over notice-length; key Return; type_at 49 82 5
type_at 49 162 0; key Return; shoot_over notice-inductance; key Return; type_at 49 162 2500
# A search that refuses, in the error box: the optimal coil (back in its first mode) with an
# attenuation too large to reach.
choose 3; click_at 24 168; type_at 49 82 1000; key Return; shoot_over error-search; key Return
type_at 49 82 1
# The help page in its viewer (its menu opens with the help entry chosen).
xdotool key F10 Left; sleep 0.4; key Return; sleep 1; shoot_screen help
