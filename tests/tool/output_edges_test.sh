#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# tz9perf-table's writes at their edges: a full device, a read-only folder, a folder as the file
# and a reader that stops early. (A run ended mid-write is atomic_file_test.cpp's.)
# Usage: output_edges_test.sh TZ9PERF_TABLE EXAMPLES_DIR
tool=$1
aircraft=$2/check-aircraft.dat
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $1" >&2 && failures=$((failures + 1)); }
# NAME STATUS EXIT MESSAGE: the exit status and the whole of stderr.
expect() {
  [ "$2" -eq "$3" ] && [ "$(cat "$work/err")" = "$4" ] || fail "$1: exit $2, stderr '$(cat "$work/err")'"
}
# NAME FOLDER: the folder holds t.csv as "old", and nothing else.
kept() { [ "$(ls -A "$2")" = t.csv ] && [ "$(cat "$2/t.csv")" = old ] || fail "$1: $(ls -A "$2")"; }

# A full disk: the device made here where the test may (as root), else /dev/full; a tool that
# wrongly replaced the device then never replaces the system's.
full=$work/full
mknod "$full" c 1 7 2>/dev/null || full=/dev/full
if [ -c "$full" ]; then
  "$tool" "$aircraft" --format csv >"$full" 2>"$work/err"
  expect "stdout full" $? 1 "cannot write the standard output: No space left on device"
  "$tool" "$aircraft" --format csv --output "$full" 2>"$work/err"
  expect "--output full" $? 1 "cannot write $full: No space left on device"
  [ -c "$full" ] || fail "--output full: the device was replaced"
else
  echo "skipped: no full device (/dev/full) and none can be made"
fi

# A read-only folder; root writes anywhere, so it runs the tool as nobody.
mkdir "$work/ro"
echo old >"$work/ro/t.csv"
chmod 555 "$work/ro"
as=""
if [ "$(id -u)" -eq 0 ]; then
  as="setpriv --reuid=65534 --regid=65534 --clear-groups"
  chmod 755 "$work"
fi
if [ -z "$as" ] || command -v setpriv >/dev/null; then
  $as "$tool" "$aircraft" --format csv --output "$work/ro/t.csv" 2>"$work/err"
  expect "read-only folder" $? 1 "cannot write $work/ro/t.csv: Permission denied"
  kept "read-only folder" "$work/ro"
else
  echo "skipped: a read-only folder, as root without setpriv"
fi

mkdir "$work/folder"
"$tool" "$aircraft" --format csv --output "$work/folder" 2>"$work/err"
expect "a folder as the file" $? 1 "cannot write $work/folder: Is a directory"

# A reader that stops early ends the run quietly: by SIGPIPE, or where the parent ignores it,
# on the closed pipe, with exit 0.
table="--speed 1,1,200,1,200 --altitude 0,10,1990,10,1990 --format csv"
"$tool" "$aircraft" $table 2>"$work/err" | head -n 1 >/dev/null
expect "closed pipe" 0 0 ""
(trap '' PIPE && "$tool" "$aircraft" $table 2>"$work/err"; echo $? >"$work/status") | head -n 1 >/dev/null
expect "closed pipe, SIGPIPE ignored" "$(cat "$work/status")" 0 ""

[ "$failures" -eq 0 ] && echo "all tz9perf-table output checks passed"
exit "$failures"
