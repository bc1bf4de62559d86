#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Builds the Debian package in a configured build directory (native or cross) with cpack, shows its
# Architecture and Depends, and checks it with lintian: no error, no warning.
#   tools/deb-check.sh BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
  dpkg-dev file lintian >/dev/null

rm -f "$build"/coilcalc_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/coilcalc_*.deb)
dpkg-deb --field "$deb" Architecture Depends
# Overrides, if ever needed, go in the package with a one-line reason each.
lintian --fail-on error,warning "$deb"
echo "deb-check: $(basename "$deb"): lintian reports no error and no warning"
