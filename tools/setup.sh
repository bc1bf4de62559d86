#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Installs what a fresh Debian 12 machine lacks to build, test and run coilcalc.
#   tools/setup.sh          for this machine
#   tools/setup.sh ARCH     also to cross-build for the Debian architecture ARCH (arm64, ...) and
#                           run its programs under qemu: ARCH's form of every library below, its
#                           cross compilers and qemu-user, beside this machine's own (multiarch).
set -euo pipefail
libraries=(
  qt6-base-dev libgl-dev libxcb1-dev
  libgtest-dev libgmock-dev libbenchmark-dev libboost-dev libmpfr-dev
)
packages=(
  cmake ninja-build g++ pkg-config qt6-base-dev-tools "${libraries[@]}"
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools python3
  scdoc clang-format
  fonts-dejavu-core fonts-liberation2
)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ $# -gt 0 ]; then
  arch=$1
  if [ "$arch" != "$(dpkg --print-architecture)" ] &&
     ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
    $sudo dpkg --add-architecture "$arch"
  fi
  packages+=(crossbuild-essential-"$arch" qemu-user dpkg-dev pkg-config:"$arch"
             "${libraries[@]/%/:$arch}")
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
