#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Prints an X display number that no server uses, for a private Xvfb.
for n in $(seq 60 99); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo ":$n"; exit 0; }
done
echo "free-display: no free display between :60 and :99" >&2
exit 1
