#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# The two programs as processes: coilcalc-cli's one answer line per input line, its exit statuses
# and the separator rule (which must hold without the C library's locale of that name), --help
# and --version of both, and coilcalc's refusals, with or without a display.
#   programs_test.sh COILCALC-CLI COILCALC VERSION
set -u
cli=$1 app=$2 version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect NAME STATUS STDOUT STDIN COMMAND...: STDOUT and STDIN are printf %b texts.
expect() {
  local name=$1 status=$2 want=$3 input=$4
  shift 4
  printf '%b' "$input" | "$@" >"$tmp/out" 2>"$tmp/err"
  local rc=$?
  printf '%b' "$want" >"$tmp/want"
  [ "$rc" -eq "$status" ] || fail "$name: exit status $rc, expected $status"
  cmp -s "$tmp/want" "$tmp/out" || fail "$name: printed '$(cat -A "$tmp/out")', expected '$(cat -A "$tmp/want")'"
}
unknown="error=Usage: unknown window 'Bogus' (coilcalc-cli --help lists the windows)"
clean=(env -u LC_ALL -u LC_NUMERIC -u LANG)

expect "answer per line" 2 "error=Usage: number needs text=\nVivodind=0.0333898305084746\n\n$unknown\n" \
  'number\nFormIndOdnosl\n\nBogus\n' "${clean[@]}" "$cli"
[ "$(wc -l <"$tmp/err")" -eq 2 ] || fail "answer per line: $(wc -l <"$tmp/err") messages on standard error, expected 2"
grep -q '^coilcalc-cli: line 4: unknown window' "$tmp/err" || fail "answer per line: no line number on standard error"
expect "CR LF line ends" 2 "error=Usage: number needs text=\nVivodind=0.0333898305084746\n\n$unknown\n" \
  'number\r\nFormIndOdnosl\r\n\r\nBogus\r\n' "${clean[@]}" "$cli"
expect "last line without newline" 0 "reset\n\nVivodind=0.0333898305084746\n" 'reset\n\nsingle-layer' "${clean[@]}" "$cli"
expect "no input" 0 "" "" "${clean[@]}" "$cli"
expect "malformed arguments" 2 "$unknown\n" "" "${clean[@]}" "$cli" Bogus
expect "arguments by readable names" 0 "Vivodind=0,133559322033898\n" "" "${clean[@]}" "$cli" single-layer N=10 sep=,
expect "unwritable answers" 1 "" "" sh -c "\"$cli\" FormIndOdnosl >/dev/full"
expect "cli --version" 0 "coilcalc-cli $version\n" "" "$cli" --version
expect "window --version without a display" 0 "coilcalc $version\n" "" \
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" --version
expect "window --version, platform named" 0 "coilcalc $version\n" "" "$app" -platform offscreen --version
expect "window refuses an argument" 1 "" "" env QT_QPA_PLATFORM=offscreen "$app" cases.txt

# coilcalc reads its arguments before it needs a display: each answer (status, standard output,
# the refusal's message) is the same without a display, with one that cannot be reached and on
# a platform that needs none.
displays=("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
  "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:8765" "env QT_QPA_PLATFORM=offscreen")
while IFS='|' read -r arguments status message; do
  first=
  for display in "${displays[@]}"; do
    # shellcheck disable=SC2086
    $display "$app" $arguments >"$tmp/out" 2>"$tmp/err"
    rc=$?
    [ "$rc" -eq "$status" ] || fail "'$arguments' ($display): exit status $rc, expected $status"
    if [ -n "$message" ]; then
      [ "$(tail -n 1 "$tmp/err")" = "coilcalc: $message" ] ||
        fail "'$arguments' ($display): said '$(tail -n 1 "$tmp/err")', expected 'coilcalc: $message'"
      [ -s "$tmp/out" ] && fail "'$arguments' ($display): printed '$(cat "$tmp/out")'"
    fi
    if [ -z "$first" ]; then
      first=$display
      cp "$tmp/out" "$tmp/first"
    elif ! cmp -s "$tmp/first" "$tmp/out"; then
      fail "'$arguments': printed otherwise with '$display' than with '$first'"
    fi
  done
done <<'TABLE'
--help|0|
-h|0|
--help-all|0|
--version|0|
-style fusion --version|0|
-style=fusion -reverse --version|0|
--bogus|1|Unknown option 'bogus'.
-platform|1|Missing value after '-platform'.
-style fusion cases.txt|1|takes no argument: 'cases.txt'
-- --version|1|takes no argument: '--version'
TABLE

"$cli" --help >"$tmp/help" || fail "cli --help: exit status $?"
for line in '^Usage: coilcalc-cli ' '^single-layer (FormIndOdnosl): ' '^optimal (Formopt): ' \
  '^  d  *vvodNdb  *wire diameter, mm (with wire=1)  *1$' '^Exit status: '; do
  grep -q "$line" "$tmp/help" || fail "cli --help: no line '$line'"
done
env QT_QPA_PLATFORM=offscreen "$app" --help 2>/dev/null | grep -q -- '--version' || fail "window --help"

# The separator: the first non-empty of LC_ALL, LC_NUMERIC and LANG, by Qt's locale table.
locale -a 2>/dev/null | grep -qi '^ru_RU' &&
  echo "note: the C library's Russian locale is generated here; the rule is checked all the same"
while IFS='|' read -r environment separator; do
  # shellcheck disable=SC2086
  got=$("${clean[@]}" $environment "$cli" FormIndOdnosl)
  [ "$got" = "Vivodind=0${separator}0333898305084746" ] || fail "separator with '$environment': $got"
done <<'TABLE'
LANG=ru_RU.UTF-8|,
LANG=en_US.UTF-8 LC_NUMERIC=ru_RU.UTF-8|,
LC_NUMERIC=en_US.UTF-8 LC_ALL=ru_RU.UTF-8|,
LC_ALL=en_US.UTF-8 LC_NUMERIC=ru_RU.UTF-8 LANG=ru_RU.UTF-8|.
LC_ALL= LC_NUMERIC= LANG=de_DE|,
LC_ALL=POSIX LANG=ru_RU.UTF-8|.
LC_NUMERIC=C.UTF-8 LANG=ru_RU.UTF-8|.
LANG=ar_EG.UTF-8|٫
LANG=xx_YY.UTF-8|.
|.
TABLE

[ "$failures" -eq 0 ] && echo "all passed"
exit $((failures > 0))
