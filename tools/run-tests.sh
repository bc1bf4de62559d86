#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Sets up, builds and runs the whole test suite: once in the release build, once in a release
# build on the software backend of extended arithmetic (GNU MPFR, as on every processor without the
# x87 unit), once with AddressSanitizer and UndefinedBehaviorSanitizer (any report fails the run).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
ctest --test-dir build --output-on-failure --label-exclude long

cmake -S . -B build-soft -G Ninja -DCMAKE_BUILD_TYPE=Release -DCOILCALC_SOFT_EXTENDED=ON \
  -DCOILCALC_BUILD_BENCHMARKS=OFF
cmake --build build-soft
ctest --test-dir build-soft --output-on-failure --label-exclude long

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOILCALC_SANITIZE=ON \
  -DCOILCALC_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure --label-exclude long
