#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Cross-builds coilcalc on this Debian 12 machine for another Debian architecture and tests it
# under qemu's user-mode emulation (no binfmt registration needed: ctest runs every test program
# through the emulator that the toolchain file names).
#   tools/cross-test.sh ARCH        ARCH: arm64 (CI runs it), or another line of the table below
# 1. installs ARCH's compilers, libraries and qemu beside this machine's own (tools/setup.sh ARCH);
# 2. writes a toolchain file into build-ARCH and builds the whole project there;
# 3. runs the tests without windows under the emulator, the model's cases cut to a tenth;
# 4. builds ARCH's Debian package and checks it with lintian (tools/deb-check.sh);
# 5. writes the model's cases of the windows and of number entry and runs them through ARCH's
#    coilcalc-cli and through this machine's with the same extended arithmetic: the software
#    backend (build-soft, -DCOILCALC_SOFT_EXTENDED=ON) where ARCH's long double is not the x87
#    format, the x87 backend (build) where it is. The answers must be the same bytes.
# Needs root or sudo for the installs.
set -euo pipefail
cd "$(dirname "$0")/.."

# A Debian architecture, qemu's user-mode emulator for it, and COILCALC_SOFT_EXTENDED of the build
# here that must answer as it does. The compilers, the libraries' multiarch directory and the
# processor follow from the architecture's name (dpkg-architecture). Only arm64 has been run so far.
architectures="
arm64    qemu-aarch64  ON
armhf    qemu-arm      ON
riscv64  qemu-riscv64  ON
ppc64el  qemu-ppc64le  ON
i386     qemu-i386     OFF
"
arch=${1:-}
row=$(awk -v arch="$arch" '$1 == arch { print $2, $3 }' <<<"$architectures")
if [ $# -ne 1 ] || [ -z "$row" ]; then
  names=$(awk 'NF { printf " %s", $1 }' <<<"$architectures")
  echo "usage: tools/cross-test.sh ARCH (one of:$names)" >&2
  exit 2
fi
read -r emulator soft_extended <<<"$row"
# The share of the model's property cases run under the emulator (tests/model/model_test.cpp).
model_scale=0.1
build=build-$arch
here="build"
[ "$soft_extended" = ON ] && here="build-soft"
started=$SECONDS
step() { echo "cross-test: $* ($((SECONDS - started)) s)"; }

step "installing what the $arch build needs"
tools/setup.sh "$arch"
gnu_type=$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_TYPE)
multiarch=$(dpkg-architecture -a "$arch" -qDEB_HOST_MULTIARCH)
processor=$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_CPU)
host_multiarch=$(dpkg-architecture -qDEB_BUILD_MULTIARCH)

step "configuring $build"
mkdir -p "$build"
# Qt's code generators (moc, uic, rcc) run here: they come from this machine's Qt packages.
cat >"$build/toolchain.new" <<EOF
# Written by tools/cross-test.sh: Debian $arch from $(dpkg --print-architecture).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR $processor)
set(CMAKE_C_COMPILER $gnu_type-gcc)
set(CMAKE_CXX_COMPILER $gnu_type-g++)
set(CMAKE_LIBRARY_ARCHITECTURE $multiarch)
set(PKG_CONFIG_EXECUTABLE $gnu_type-pkg-config CACHE FILEPATH "pkg-config for $arch")
set(CMAKE_CROSSCOMPILING_EMULATOR $(command -v "$emulator"))
set(QT_HOST_PATH /usr CACHE PATH "Qt for the build machine")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/$host_multiarch/cmake CACHE PATH "its CMake packages")
EOF
if cmp -s "$build/toolchain.new" "$build/toolchain.cmake"; then
  rm "$build/toolchain.new"
else
  mv "$build/toolchain.new" "$build/toolchain.cmake"
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/$build/toolchain.cmake"

step "building $build"
cmake --build "$build"

step "running the tests without windows under $emulator"
COILCALC_MODEL_SCALE=$model_scale ctest --test-dir "$build" --output-on-failure \
  --label-exclude 'long|windows' --parallel "$(nproc)"

step "building and checking the $arch package"
tools/deb-check.sh "$build"
deb=$(ls "$build"/coilcalc_*.deb)
if [ "$(dpkg-deb --field "$deb" Architecture)" != "$arch" ]; then
  echo "cross-test: $deb is not for $arch" >&2
  exit 1
fi

step "building coilcalc-cli here with COILCALC_SOFT_EXTENDED=$soft_extended ($here)"
cmake -S . -B "$here" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCOILCALC_SOFT_EXTENDED="$soft_extended"
if ! grep -qx "COILCALC_SOFT_EXTENDED:BOOL=$soft_extended" "$here/CMakeCache.txt"; then
  echo "cross-test: this source has no option COILCALC_SOFT_EXTENDED" >&2
  exit 1
fi
cmake --build "$here" --target coilcalc-cli model_tests

step "the model's cases through both coilcalc-cli"
cases=$build/model-cases.txt
rm -f "$cases"
COILCALC_MODEL_CASES=$PWD/$cases env -u COILCALC_MODEL_SCALE "$here/tests/model_tests" \
  --gtest_filter='Windows/WindowModel.*:NumberTextModel.EntryAgreesOnRandomTexts' |
  tee "$build/model-cases.log"
# Every case that the model tests ran is in the file, so that no empty file passes.
ran=$(awk '/ cases differ$/ { n += $(NF - 2) } END { print n + 0 }' "$build/model-cases.log")
written=$(wc -l <"$cases")
if [ "$ran" -eq 0 ] || [ "$written" -ne "$ran" ]; then
  echo "cross-test: the model tests ran $ran cases and wrote $written" >&2
  exit 1
fi
"$here/cli/coilcalc-cli" <"$cases" >"$build/answers-here.txt"
"$emulator" "$build/cli/coilcalc-cli" <"$cases" >"$build/answers-$arch.txt"
if ! cmp "$build/answers-here.txt" "$build/answers-$arch.txt"; then
  diff "$build/answers-here.txt" "$build/answers-$arch.txt" | head -20 >&2
  echo "cross-test: the $arch coilcalc-cli answers differently from $here's" >&2
  exit 1
fi
step "$arch: the same answers as $here's to all $written cases; done"
