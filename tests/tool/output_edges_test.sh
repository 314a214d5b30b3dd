#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# tz9perf-table's writes at their edges: a full device, a read-only folder, a folder as the file,
# a reader that stops early, and a run ended while it writes its --output file.
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

# A run ended while it writes a 1,000 x 1,000 table (about 290 MB of JSON when whole) keeps the
# old file and leaves no temporary: not even SIGKILL, as the file being written has no name.
# (The shell starts a background run with SIGINT ignored; env gives it back its default.)
writing() {  # PID FOLDER: the run has a file of the folder open, and that file holds bytes
  for fd in /proc/"$1"/fd/*; do
    case $(readlink "$fd" 2>/dev/null) in "$2"/*) [ -s "$fd" ] && return 0 ;; esac
  done
  return 1
}
for signal in INT KILL; do
  folder=$work/ended-$signal
  mkdir "$folder"
  echo old >"$folder/t.csv"
  env --default-signal=INT "$tool" "$aircraft" --speed 1,1,1000,1,1000 --altitude 0,10,9990,10,9990 --format json \
    --output "$folder/t.csv" 2>/dev/null &
  pid=$!
  while kill -0 "$pid" 2>/dev/null && ! writing "$pid" "$folder"; do sleep 0.01; done
  kill -s "$signal" "$pid" 2>/dev/null || fail "SIG$signal: the run ended before it was seen writing"
  wait "$pid" 2>/dev/null
  kept "SIG$signal mid-write" "$folder"
done

[ "$failures" -eq 0 ] && echo "all tz9perf-table output checks passed"
exit "$failures"
