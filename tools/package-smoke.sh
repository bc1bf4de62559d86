#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Builds the Debian package from a configured build directory and checks it with lintian (no
# error, no warning: tools/deb-check.sh), validates the desktop entry and the metainfo, installs
# the package, asks both installed programs for their version, reads a manual page, starts the
# installed program under Xvfb as a person would, closes it from the keyboard (F10, Down, Enter:
# "Файл" -> "Закрыть") and removes the package. Needs root (it installs and removes a package).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
title='Расчет - [индуктивности однослойной катушки]'

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
  desktop-file-utils appstream man-db xvfb xauth xdotool >/dev/null

desktop-file-validate packaging/org.example.coilcalc.desktop
appstreamcli validate --no-net packaging/org.example.coilcalc.metainfo.xml

tools/deb-check.sh "$build"
deb=$(ls "$build"/coilcalc_*.deb)
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$(realpath "$deb")"
desktop-file-validate /usr/share/applications/org.example.coilcalc.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.example.coilcalc.metainfo.xml

version=$(dpkg-deb --field "$deb" Version)
for program in coilcalc coilcalc-cli; do
  answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "/usr/bin/$program" --version)
  if [ "$answer" != "$program $version" ]; then
    echo "package-smoke: $program --version says '$answer', expected '$program $version'" >&2
    exit 1
  fi
done
if ! man -P cat coilcalc-cli 2>/dev/null | grep -q 'coilcalc-cli - run the coil calculators'; then
  echo "package-smoke: man coilcalc-cli does not show the manual page" >&2
  exit 1
fi
echo "package-smoke: both programs answer --version with $version; man coilcalc-cli works"

display=$(tools/free-display.sh)
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do DISPLAY=$display xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# In Russian whatever this machine's locale: the title and the keys below are the Russian ones.
env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=ru_RU.UTF-8 DISPLAY="$display" /usr/bin/coilcalc &
app=$!
window=$(DISPLAY=$display timeout 20 xdotool search --sync --limit 1 --onlyvisible --class coilcalc)
shown=$(DISPLAY=$display xdotool getwindowname "$window")
if [ "$shown" != "$title" ]; then
  echo "package-smoke: window title is '$shown', expected '$title'" >&2
  exit 1
fi
echo "package-smoke: the installed program shows '$shown'"
DISPLAY=$display xdotool windowfocus --sync "$window"
sleep 0.3
DISPLAY=$display xdotool key F10
sleep 0.3
DISPLAY=$display xdotool key Down
sleep 0.2
DISPLAY=$display xdotool key Return
status=0
for _ in $(seq 50); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then
  echo "package-smoke: the program did not end within 5 s of Файл -> Закрыть" >&2
  kill $app
  exit 1
fi
wait $app || status=$?
if [ "$status" -ne 0 ]; then
  echo "package-smoke: the program ended with status $status" >&2
  exit 1
fi
echo "package-smoke: closed from the keyboard with status 0"

DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y coilcalc
if dpkg-query -W -f='${Status}' coilcalc 2>/dev/null | grep -q "install ok installed" ||
   [ -e /usr/bin/coilcalc ] || [ -e /usr/share/applications/org.example.coilcalc.desktop ]; then
  echo "package-smoke: the package was not removed cleanly" >&2
  exit 1
fi
echo "package-smoke: removed cleanly"
