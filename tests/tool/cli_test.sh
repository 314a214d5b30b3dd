#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end checks of tz9perf-table: usage errors, version, load failures, refusals, CSV, JSON
# and grid output, the store options, and output files written whole or not at all.
# Usage: cli_test.sh TZ9PERF_TABLE EXAMPLES_DIR VERSION
tool=$1
examples=$2
version=$3
aircraft=$examples/check-aircraft.dat
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $1" >&2
  failures=$((failures + 1))
}

# run NAME EXPECTED_EXIT ARGS...: runs the tool, keeps stdout and stderr in $work.
run() {
  name=$1
  expected=$2
  shift 2
  "$tool" "$@" >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq "$expected" ] || fail "$name: exit $status, expected $expected ($(cat "$work/err"))"
}

expect_out_line() {  # NAME LINE: stdout holds exactly this line
  grep -qxF -- "$2" "$work/out" || fail "$1: no line '$2' in stdout"
}

expect_err() {  # NAME TEXT: stderr is exactly this one line
  [ "$(cat "$work/err")" = "$2" ] || fail "$1: stderr '$(cat "$work/err")', expected '$2'"
}

# Usage.
run "help" 0 --help
grep -q "^Usage: tz9perf-table AIRCRAFT.dat" "$work/out" || fail "help: no usage line"
grep -q "^  --version " "$work/out" || fail "help: no --version line"
run "version" 0 --version
[ -n "$version" ] || fail "version: no expected version given to the test"
[ "$(cat "$work/out")" = "tz9perf-table $version" ] || fail "version: stdout '$(cat "$work/out")'"
[ ! -s "$work/err" ] || fail "version: stderr '$(cat "$work/err")'"
run "no aircraft file" 2
run "unknown option" 2 "$aircraft" --colour
run "store count not a number" 2 "$aircraft" --stores 1,2,x,0,0,0
run "five store counts" 2 "$aircraft" --stores 1,2,0,0,0
run "weight with a unit" 2 "$aircraft" --weight 12000lb
run "range of three numbers" 2 "$aircraft" --speed 150,50,250
run "unknown second grid" 2 "$aircraft" --second knots
run "unknown format" 2 "$aircraft" --format xml
run "option without value" 2 "$aircraft" --weight
run "named count not a number" 2 "$aircraft" --bombs two
expect_usage_error() {  # NAME MESSAGE ARGS...: exit 2, the message on the first line of stderr
  name=$1
  message=$2
  shift 2
  run "$name" 2 "$@"
  [ "$(head -n 1 "$work/err")" = "tz9perf-table: $message" ] ||
    fail "$name: stderr '$(head -n 1 "$work/err")'"
}
expect_usage_error "store option twice" "--aa given twice" "$aircraft" --aa 1 --aa 2
expect_usage_error "option twice, one with =" "--weight given twice" "$aircraft" --weight=20000 --weight 20000
expect_usage_error "stores twice" "--stores given twice" "$aircraft" --stores 0,0,0,0,0,0 --stores 0,0,0,0,0,0
expect_usage_error "named count after --stores" "--tanks and --stores both give the tanks count" \
  "$aircraft" --stores 0,0,0,0,0,0 --tanks 1
expect_usage_error "--stores after a named count" "--stores and --ecm both give the ecm count" \
  "$aircraft" --ecm 1 --stores 0,0,0,0,0,0
expect_usage_error "output without a name" "--output needs a file name" "$aircraft" --output=

# Load failures: one line, with the line number when the file was opened.
# The message names the file as given, then says what the reader says.
run "missing file" 1 "$work/none.dat"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "missing file: not one line on stderr"
grep -qF "$work/none.dat: load stopped: cannot open file: " "$work/err" ||
  fail "missing file: '$(cat "$work/err")'"
head -n 30 "$aircraft" >"$work/short.dat"
run "file cut short" 1 "$work/short.dat"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "file cut short: not one line on stderr"
grep -q "^$work/short.dat: load stopped at line [0-9]*: end of file" "$work/err" ||
  fail "file cut short: '$(cat "$work/err")'"

# Refusals.
run "weight below zfw" 1 "$aircraft" --weight 100
expect_err "weight below zfw" "The computing weight is below the zero fuel weight."
run "zero speed step" 1 "$aircraft" --speed 150,0,250,30,660
expect_err "zero speed step" "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed."

# CSV of the check cells: 300, 600, 660 kt by 0, 40000 ft at 20000 lb.
axes="--speed 300,300,600,60,660 --altitude 0,40000,40000,1,40000"
run "csv lbs/nm" 0 "$aircraft" --weight 20000 $axes --format csv
[ "$(head -n 1 "$work/out")" = "altitude_ft,speed_kt,fuel_flow,fuel_flow_color,second,second_color" ] ||
  fail "csv: header line '$(head -n 1 "$work/out")'"
[ "$(wc -l <"$work/out")" -eq 7 ] || fail "csv: $(wc -l <"$work/out") lines, expected 7"
[ "$(sed -n 2p "$work/out")" = "0,300,1896,white,6.319,white" ] || fail "csv: first cell '$(sed -n 2p "$work/out")'"
expect_out_line "csv lbs/nm" "0,600,17110,yellow,28.51,yellow"
expect_out_line "csv lbs/nm" "0,660,------,white,------,white"
[ "$(tail -n 1 "$work/out")" = "40000,660,5267,red,5.182,red" ] || fail "csv: last cell '$(tail -n 1 "$work/out")'"
[ ! -s "$work/err" ] || fail "csv: stderr '$(cat "$work/err")'"

run "csv tas" 0 "$aircraft" --weight 20000 $axes --format csv --second tas
expect_out_line "csv tas" "0,300,1896,white,300,default"
expect_out_line "csv tas" "0,660,------,white,660,white"
run "csv mach" 0 "$aircraft" --weight=20000 $axes --format=csv --second=mach
expect_out_line "csv mach" "0,600,17110,yellow,0.9,default"

# The start-up table with the proposed weight: 253 cells, altitudes as "0".."40000".
run "csv start-up table" 0 "$aircraft" --format csv
[ "$(wc -l <"$work/out")" -eq 254 ] || fail "start-up table: $(wc -l <"$work/out") lines"
grep -q "^40000,850," "$work/out" || fail "start-up table: no 40000 ft / 850 kt cell"

# Stores change the weight proposal and the drag: the tanks' drag adds to every cell.
run "stores" 0 "$aircraft" --stores 2,0,4,0,0,2 --weight 20000 $axes --format csv
[ "$(sed -n 2p "$work/out")" = "0,300,5792,yellow,19.30,yellow" ] || fail "stores: '$(sed -n 2p "$work/out")'"

# The named count options give the same table as their places in --stores.
run "stores by name" 0 "$aircraft" --aa 2 --bombs 4 --tanks=2 --weight 20000 $axes --format csv
[ "$(sed -n 2p "$work/out")" = "0,300,5792,yellow,19.30,yellow" ] || fail "stores by name: '$(sed -n 2p "$work/out")'"
run "stores by name, the others 0" 0 "$aircraft" --ag 0 --cluster 0 --ecm 0 --weight 20000 $axes --format csv
[ "$(sed -n 2p "$work/out")" = "0,300,1896,white,6.319,white" ] || fail "named zero counts: '$(sed -n 2p "$work/out")'"

# Format names in any case.
run "format in capitals" 0 "$aircraft" --weight 20000 $axes --format CSV
[ "$(sed -n 2p "$work/out")" = "0,300,1896,white,6.319,white" ] || fail "format CSV: '$(sed -n 2p "$work/out")'"

# JSON: one document whose cells carry the CSV's six fields, in the CSV's order, and the regime,
# supersonic flag and failure cause of each cell.
check_json_against_csv() {  # NAME JSON CSV
  python3 - "$2" "$3" <<'PY' || fail "$1: the JSON does not match the CSV"
import csv, json, sys
doc = json.load(open(sys.argv[1]))
rows = list(csv.reader(open(sys.argv[2])))
fields = rows[0]
cells = [[str(cell[f]) for f in fields] for cell in doc["cells"]]
if cells != rows[1:]:
    sys.exit("cells differ: %s ... against %s ..." % (cells[:2], rows[1:3]))
for cell in doc["cells"]:
    steady = cell["fuel_flow"] != "------"
    if steady != (cell["regime"] in ("military", "afterburner")):
        sys.exit("regime %s for the text %s" % (cell["regime"], cell["fuel_flow"]))
    if (cell["regime"] is None) != (cell["failure"] is not None):
        sys.exit("regime %s with failure %s" % (cell["regime"], cell["failure"]))
    supersonic = cell["fuel_flow_color"] in ("green", "red") if steady else None
    if cell["supersonic"] != supersonic:
        sys.exit("supersonic %s in %s" % (cell["supersonic"], cell["fuel_flow_color"]))
PY
}
for second in lbs-nm tas mach; do
  run "json $second" 0 "$aircraft" --stores 2,0,4,0,0,2 --weight 20000 $axes --second $second --format Json
  cp "$work/out" "$work/table.json"
  run "csv $second" 0 "$aircraft" --stores 2,0,4,0,0,2 --weight 20000 $axes --second $second --format csv
  check_json_against_csv "json $second" "$work/table.json" "$work/out"
done
python3 - "$work/table.json" <<'PY' || fail "json: inputs, axes or totals"
import json, sys
doc = json.load(open(sys.argv[1]))
assert doc["inputs"]["aircraft_name"] == "Check Aircraft", doc["inputs"]
assert doc["inputs"]["stores"] == {"aa": 2, "ag": 0, "bombs": 4, "cluster": 0, "ecm": 0, "tanks": 2}
assert doc["inputs"]["computing_weight_lb"] == 20000 and doc["inputs"]["second"] == "mach"
assert [s["speed_kt"] for s in doc["axes"]["speeds"]] == [300, 600, 660], doc["axes"]
assert [a["header"] for a in doc["axes"]["altitudes"]] == ["0 ft", "40000 ft"], doc["axes"]
assert doc["totals"] == {"cells": 6, "failed": 0, "message": "Computed 6 cells."}, doc["totals"]
PY
run "json start-up table" 0 "$aircraft" --format json
cp "$work/out" "$work/table.json"
run "csv start-up table" 0 "$aircraft" --format csv
check_json_against_csv "json start-up table" "$work/table.json" "$work/out"
run "json failed cell" 0 "$aircraft" --weight 20000 --speed 0,300,300,1,300 --altitude 0,1,0,1,0 --format json
python3 - "$work/out" <<'PY' || fail "json failed cell: no cause"
import json, sys
cell = json.load(open(sys.argv[1]))["cells"][0]
assert cell["failure"] == "division by zero: speed of zero" and cell["regime"] is None, cell
PY

# --output: the file holds what stdout would; a write that cannot finish leaves no file and no
# temporary, and a file already there keeps its bytes.
run "csv to stdout" 0 "$aircraft" --weight 20000 $axes --format csv
run "csv to a file" 0 "$aircraft" --weight 20000 $axes --format csv --output "$work/table.csv"
[ ! -s "$work/out" ] || fail "output file: stdout '$(cat "$work/out")'"
"$tool" "$aircraft" --weight 20000 $axes --format csv | cmp -s - "$work/table.csv" ||
  fail "output file: differs from stdout"
echo "old" >"$work/kept.csv"
run "output replaces a file" 0 "$aircraft" --weight 20000 $axes --format json --output "$work/kept.csv"
python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$work/kept.csv" || fail "output replaces: not JSON"
run "output into a missing folder" 1 "$aircraft" --format csv --output "$work/no/such/table.csv"
expect_err "output into a missing folder" "cannot write $work/no/such/table.csv: No such file or directory"
[ ! -e "$work/no" ] || fail "output into a missing folder: something was made"
mkdir "$work/folder"
run "output onto a folder" 1 "$aircraft" --format csv --output "$work/folder"
[ -d "$work/folder" ] && [ -z "$(ls -A "$work/folder")" ] || fail "output onto a folder: folder changed"
[ -z "$(find "$work" -name '.*.tmp-*')" ] || fail "a temporary file was left: $(find "$work" -name '.*.tmp-*')"

# Failed cells: printed, reported on stderr, exit 0.
run "failed cells" 0 "$aircraft" --weight 20000 --speed 0,300,300,1,300 --altitude 0,1,0,1,0 --format csv
expect_out_line "failed cells" "0,0,------,white,------,white"
grep -q "^Computed 2 cells; 1 could not be computed, the first at 0 kt, 0 ft: " "$work/err" ||
  fail "failed cells: stderr '$(cat "$work/err")'"

# Grid form: captions, no colour codes when stdout is not a terminal.
run "grid" 0 "$aircraft" --weight 20000 $axes --second mach
grep -qx "Fuel Flow" "$work/out" || fail "grid: no 'Fuel Flow' caption"
grep -qx "Mach Number" "$work/out" || fail "grid: no 'Mach Number' caption"
grep -q "17110" "$work/out" || fail "grid: no 17110"
if grep -q "$(printf '\033')" "$work/out"; then fail "grid: colour codes in a pipe"; fi

[ "$failures" -eq 0 ] && echo "all tz9perf-table checks passed"
exit "$failures"
