#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Fails on any C++ source that .clang-format would change, and names it.
#   tools/format-check.sh        check every tracked C++ file
#   tools/format-check.sh --fix  format them in place
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || {
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends clang-format
}
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run -Werror "${files[@]}"
fi
