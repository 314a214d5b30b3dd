#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end checks of tz9perf-table: exit codes, each kind of refusal reaching stderr, CSV, JSON
# and grid output, the store options, and output files written whole or not at all. The wording
# of every message is held in tool_messages_test.cpp and the figures in the core's tests.
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

expect_near() {  # NAME KEY VALUE TOLERANCE: the line "KEY: x" holds x within TOLERANCE of VALUE
  awk -F': ' -v key="$2" -v want="$3" -v tol="$4" '
    $1 == key { found = 1; d = $2 - want; if (d < 0) d = -d; near = d <= tol + 0 }
    END { exit !(found && near) }' "$work/out" ||
    fail "$1: '$(grep "^$2: " "$work/out")', expected $2 $3 within $4"
}

expect_no_line() {  # NAME KEY: stdout has no "KEY: " line
  if grep -q "^$2: " "$work/out"; then fail "$1: a line '$(grep "^$2: " "$work/out")'"; fi
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
run "named count after --stores" 2 "$aircraft" --stores 0,0,0,0,0,0 --tanks 1
run "output without a name" 2 "$aircraft" --output=

# Load failures and refusals: exit 1, one line on stderr from the tool's catalogue.
run "missing file" 1 "$work/none.dat"
expect_err "missing file" "$work/none.dat: load stopped: cannot open the file (no such file)"
head -n 30 "$aircraft" >"$work/short.dat"
run "file cut short" 1 "$work/short.dat"

# Refusals.
run "weight below zfw" 1 "$aircraft" --weight 100
expect_err "weight below zfw" "The computing weight is below the zero fuel weight."
run "zero speed step" 1 "$aircraft" --speed 150,0,250,30,660
expect_err "zero speed step" "--speed STEP1 is 0: the axis cannot step from MIN to SWITCH."
run "too many altitudes" 1 "$aircraft" --altitude 0,1,32766,1,32766
run "overflowing stores weight" 1 "$aircraft" --stores 1e308,0,0,0,0,0
expect_err "overflowing stores weight" \
  "The store counts give a weight beyond the range of numbers: give --weight or smaller counts."
sed 's/^7000, maximum internal/1.7e308, maximum internal/' "$aircraft" >"$work/fuel.dat"
run "overflowing fuel on board" 1 "$work/fuel.dat" --stores 0,0,0,0,0,1e304
run "overflowing fuel on board, weight given" 0 "$work/fuel.dat" --stores 0,0,0,0,0,1e304 --weight 20000

expect_out() {  # NAME: stdout is exactly the text on stdin
  cat >"$work/expected"
  cmp -s "$work/out" "$work/expected" || fail "$1: stdout differs: $(diff "$work/expected" "$work/out")"
}

# CSV of the check cells: 300, 600, 660 kt by 0, 40000 ft at 20000 lb; the whole table, in the
# sweep's order: column by column, each column top down.
axes="--speed 300,300,600,60,660 --altitude 0,40000,40000,1,40000"
run "csv lbs/nm" 0 "$aircraft" --weight 20000 $axes --format csv
expect_out "csv lbs/nm" <<'END'
altitude_ft,speed_kt,fuel_flow,fuel_flow_color,second,second_color
0,300,1896,white,6.319,white
40000,300,1070,white,1.968,white
0,600,17110,yellow,28.51,yellow
40000,600,1880,green,1.985,green
0,660,------,white,------,white
40000,660,5267,red,5.182,red
END
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

# Grid form: captions, altitudes to the left and every other column to the right, headers
# without their blanks, no colour codes when stdout is not a terminal.
run "grid" 0 "$aircraft" --weight 20000 $axes --second mach
expect_out "grid" <<'END'
Check Aircraft, computing weight 20000 lb

Fuel Flow
           300   600    660
 0 ft     1896 17110 ------
 40000 ft 1070  1880   5267

Mach Number
           300  600  660
 0 ft     0.45  0.9 0.99
 40000 ft 0.96 1.68  1.8
END

# The summary: one line per altitude, best speeds to the knot; empty fields without steady flight.
summary_header="altitude_ft,best_range_cas_kt,best_range_tas_kt,best_range_mach,best_range_fuel_flow,best_range_lbs_per_nm,best_endurance_cas_kt,best_endurance_fuel_flow,military_min_cas_kt,military_max_cas_kt,afterburner_min_cas_kt,afterburner_max_cas_kt"
run "summary" 0 "$aircraft" --weight 20000 --speed 150,700,850,1,850 --altitude 0,40000,40000,20000,60000 --summary
[ "$(head -n 1 "$work/out")" = "$summary_header" ] || fail "summary: header line '$(head -n 1 "$work/out")'"
[ "$(wc -l <"$work/out")" -eq 4 ] || fail "summary: $(wc -l <"$work/out") lines, expected 4"
[ "$(sed -n 2p "$work/out")" = "0,256,256.0000016540113,0.3870117642505745,1598,6.242187459669341,150,1074,150,313,314,613" ] ||
  fail "summary: 0 ft line '$(sed -n 2p "$work/out")'"
expect_out_line "summary" "60000,,,,,,,,,,,"
run "summary of too many knots" 1 "$aircraft" --weight 30000 --speed -70000,50000,-20000,1000,850 --summary
expect_err "summary of too many knots" "The speed headers span more than 65536 whole knots: no summary."
run "summary with a value" 2 "$aircraft" --summary=yes

# Mission fuel: range, endurance, cruise and bingo per altitude; 0 and empty speeds when nothing is flown.
mission_header="altitude_ft,start_weight_lb,end_weight_lb,range_nm,range_time_h,range_start_cas_kt,range_end_cas_kt,endurance_h,endurance_start_cas_kt,endurance_end_cas_kt,cruise_range_nm,cruise_time_h,bingo_fuel_lb"
run "mission" 0 "$aircraft" --weight 26000 --speed 150,700,850,1,850 --altitude 0,40000,40000,1,40000 --mission --reserve 1000 --cruise-cas 300 --bingo-distance 100
[ "$(head -n 1 "$work/out")" = "$mission_header" ] || fail "mission: header line '$(head -n 1 "$work/out")'"
[ "$(sed -n 2p "$work/out")" = "0,26000,20000,898.1836739069739,3.289040333583438,280,260,4.912747903951822,169,150,597.7924735493676,1.9926415656234737,1629.0825862072065" ] ||
  fail "mission: 0 ft line '$(sed -n 2p "$work/out")'"
run "mission without cruise or bingo" 0 "$aircraft" --weight 26000 --altitude 0,1,0,1,0 --mission
grep -q "^0,26000,19000,[0-9.]*,[0-9.]*,[0-9]*,[0-9]*,[0-9.]*,[0-9]*,[0-9]*,,,$" "$work/out" ||
  fail "mission without cruise or bingo: '$(sed -n 2p "$work/out")'"
# With --format json the same rows are the "mission" member, after the table's members: the CSV's
# names, numbers as numbers, null where the CSV field is empty. CSV stays CSV.
mission_axes="--speed 150,700,850,1,850 --altitude 0,40000,40000,1,40000"
json_member() {  # NAME: the line of the member "NAME" in the JSON on stdout
  grep "^\"$1\": " "$work/out"
}
run "mission json" 0 "$aircraft" --weight 26000 $mission_axes --mission --reserve 1000 --cruise-cas 300 --bingo-distance 100 --format json
json_member mission | grep -qF '[{"altitude_ft":"0","start_weight_lb":26000.0,"end_weight_lb":20000.0,"range_nm":898.1836739069739,"range_time_h":3.289040333583438,"range_start_cas_kt":280.0,"range_end_cas_kt":260.0,"endurance_h":4.912747903951822,"endurance_start_cas_kt":169.0,"endurance_end_cas_kt":150.0,"cruise_range_nm":597.7924735493676,"cruise_time_h":1.9926415656234737,"bingo_fuel_lb":1629.0825862072065},{"altitude_ft":"40000",' ||
  fail "mission json: '$(json_member mission | cut -c 1-300)'"
[ "$(tail -n 1 "$work/out")" = "}" ] || fail "mission json: last line '$(tail -n 1 "$work/out")'"
json_member totals | grep -qF '"cells":4,' || fail "mission json: no table beside it"
grep -q "^altitude_ft," "$work/out" && fail "mission json: a CSV line in the JSON"
run "mission json without cruise or bingo" 0 "$aircraft" --weight 26000 --altitude 0,1,0,1,0 --mission --format json
json_member mission | grep -q '"endurance_end_cas_kt":150.0,"cruise_range_nm":null,"cruise_time_h":null,"bingo_fuel_lb":null}]$' ||
  fail "mission json without cruise or bingo: '$(json_member mission)'"
run "summary and mission json" 0 "$aircraft" --weight 26000 --altitude 0,1,0,1,0 --summary --mission --format json
[ "$(grep -o '^"[a-z]*": ' "$work/out" | tr -d '\n')" = '"program": "inputs": "axes": "cells": "totals": "summary": "mission": ' ] ||
  fail "summary and mission json: members $(grep -o '^"[a-z]*": ' "$work/out" | tr -d '\n')"
json_member summary | grep -qF '[{"altitude_ft":"0","best_range_cas_kt":280.0,' ||
  fail "summary and mission json: '$(json_member summary)'"
json_member mission | grep -qF '[{"altitude_ft":"0","start_weight_lb":26000.0,"end_weight_lb":19000.0,' ||
  fail "summary and mission json: '$(json_member mission)'"
# What no altitude can fly leaves its fields empty and is told on stderr.
run "mission flying nothing" 0 "$aircraft" --weight 26000 --altitude 0,1,0,1,0 --mission --reserve 1e6 --cruise-cas 300
expect_out_line "mission flying nothing" "0,26000,1019000,,,,,,,,,,"
expect_err "mission flying nothing" "--reserve 1000000 lb is not below the 7000 lb of fuel on board: nothing is flown."
run "mission out of reach" 0 "$aircraft" --weight 26000 --altitude 0,20000,20000,1,20000 --mission --cruise-cas 2000 --bingo-distance 5000
grep -q '^20000,26000,19000,[0-9.]*,[0-9.]*,366,325,[0-9.]*,231,198,,,$' "$work/out" || fail "mission out of reach: '$(tail -n 1 "$work/out")'"
expect_err "mission out of reach" "--cruise-cas 2000 kt holds no steady flight at any weight of the burn at 2 of 2 altitudes.
--bingo-distance 5000 NM is beyond the fuel on board at 2 of 2 altitudes: the fuel reaches 1917 NM at most."
run "mission stores beyond range" 1 "$aircraft" --weight 30000 --stores 0,0,0,0,0,1e306 --mission
run "negative reserve" 2 "$aircraft" --mission --reserve -1
run "cruise speed not a number" 2 "$aircraft" --mission --cruise-cas 300kt
run "bingo distance without value" 2 "$aircraft" --mission --bingo-distance
run "reserve without mission" 2 "$aircraft" --reserve 1500
run "mission with summary" 2 "$aircraft" --mission --summary
run "mission with explain" 2 "$aircraft" --mission --explain 300,0
run "summary with explain" 2 "$aircraft" --summary --explain 300,0
run "mission with a value" 2 "$aircraft" --mission=1
# Climb and turn: one line per altitude (--climb) or per knot of one altitude (--em); the g limit
# with them only; the "climb" and "em" members in JSON.
climb_header="altitude_ft,mil_climb_cas_kt,mil_climb_fpm,ab_climb_cas_kt,ab_climb_fpm,mil_time_to_climb_min,mil_fuel_to_climb_lb,ab_time_to_climb_min,ab_fuel_to_climb_lb,best_turn_cas_kt,best_turn_g,best_turn_deg_s,corner_cas_kt,corner_turn_deg_s"
run "climb" 0 "$aircraft" --weight 20000 --altitude 0,40000,40000,1,40000 --climb
[ "$(head -n 1 "$work/out")" = "$climb_header" ] || fail "climb: header line '$(head -n 1 "$work/out")'"
expect_out_line "climb" "0,181,917.2965867310809,418,11298.163753955216,0,0,0,0,384,6.74,18.95800543791826,385,25.373577572673717"
grep -q "^40000,365,[0-9.]*,567,[0-9.]*,28.61[0-9]*,935.45[0-9]*,3.13[0-9]*,751.9[0-9]*,600,4.04,4.51[0-9]*,,$" "$work/out" ||
  fail "climb: 40000 ft line '$(sed -n 3p "$work/out")'"
em_header="cas_kt,tas_kt,mach,mil_climb_fpm,ab_climb_fpm,mil_sustained_g,ab_sustained_g,instant_g,mil_turn_deg_s,ab_turn_deg_s,instant_turn_deg_s,instant_radius_ft"
run "em" 0 "$aircraft" --weight 20000 --speed 300,10,320,10,320 --em 0 --g-limit 5.5
[ "$(head -n 1 "$work/out")" = "$em_header" ] || fail "em: header line '$(head -n 1 "$work/out")'"
[ "$(wc -l <"$work/out")" -eq 22 ] || fail "em: $(wc -l <"$work/out") lines, expected 22"
expect_out_line "em" "314,314.0000020287484,0.47469411708859544,-3.4098644346077096,10331.210030337188,,4.82,5.5,,16.400646466871518,18.811816270492105,1614.1793999572053"
expect_usage_error "g limit above 15" "--g-limit needs a number from 1 to 15" "$aircraft" --climb --g-limit 15.5
expect_usage_error "g limit alone" "--g-limit needs --climb or --em" "$aircraft" --g-limit 9
run "climb and em json" 0 "$aircraft" --weight 20000 --speed 300,10,320,10,320 --altitude 0,1,0,1,0 --summary --climb --em 0 --format json
[ "$(grep -o '^"[a-z]*": ' "$work/out" | tr -d '\n')" = '"program": "inputs": "axes": "cells": "totals": "summary": "climb": "em": ' ] ||
  fail "climb and em json: members $(grep -o '^"[a-z]*": ' "$work/out" | tr -d '\n')"
json_member climb | grep -qF '[{"altitude_ft":"0","mil_climb_cas_kt":300.0,' || fail "climb json: '$(json_member climb)'"
json_member em | grep -qF '"cas_kt":314.0,"tas_kt":314.0000020287484,"mach":0.47469411708859544,"mil_climb_fpm":-3.4098644346077096,"ab_climb_fpm":10331.210030337188,"mil_sustained_g":null,' ||
  fail "em json: '$(json_member em | cut -c 1-300)'"
sed 's/^19000, zero fuel weight/0, zero fuel weight/' "$aircraft" >"$work/weightless.dat"
run "climb at a weight of 0" 1 "$work/weightless.dat" --weight 0 --climb
expect_err "climb at a weight of 0" "The computing weight is not above 0: no climb or turn."
# One cell explained: the check aircraft's published figures at 300 kt / 0 ft and 600 kt / 0 ft.
run "explain one number" 2 "$aircraft" --explain 300
run "explain text" 2 "$aircraft" --explain 300,sea
run "explain missing file" 1 "$work/none.dat" --explain 300,0
run "explain refused weight" 1 "$aircraft" --weight 100 --explain 300,0
expect_err "explain refused weight" "The computing weight is below the zero fuel weight."
run "explain military" 0 "$aircraft" --weight 20000 --explain 300,0
names="cas_kt altitude_ft weight_lb density_slug_ft3 temperature_k speed_of_sound_kt"
names="$names static_pressure_lb_ft2 impact_pressure_lb_ft2 mach tas_kt speed_fps"
names="$names dynamic_pressure_lb_ft2 lift_coefficient angle_of_attack_deg drag_coefficient"
names="$names store_drag_factor aero_drag_lbf stores_drag_lbf total_drag_lbf military_thrust_lbf"
[ "$(cut -d: -f1 "$work/out" | tr '\n' ' ')" = "$names regime supersonic fuel_flow_lb_h lbs_per_nm reason " ] ||
  fail "explain military: names $(cut -d: -f1 "$work/out" | tr '\n' ' ')"
expect_near "explain military" lift_coefficient 0.218789405 5e-10
expect_near "explain military" drag_coefficient 0.0259394702 5e-11
expect_near "explain military" total_drag_lbf 2371.1816 5e-5
expect_out_line "explain military" "fuel_flow_lb_h: 1896"
expect_out_line "explain military" "regime: military"
expect_out_line "explain military" "supersonic: no"
expect_out_line "explain military" "reason: Drag 2371 lbf is below the Military thrust 2500 lbf"
run "explain afterburner" 0 "$aircraft" --weight 20000 --explain 600,0
expect_out_line "explain afterburner" "afterburner_thrust_lbf: 9000"
expect_out_line "explain afterburner" "regime: afterburner"
run "explain too much drag" 0 "$aircraft" --weight 20000 --explain 650,0
expect_out_line "explain too much drag" "regime: none"
expect_no_line "explain too much drag" fuel_flow_lb_h
run "explain too slow" 0 "$aircraft" --weight 20000 --explain 120,0
expect_no_line "explain too slow" angle_of_attack_deg
run "explain speed of zero" 0 "$aircraft" --weight 20000 --explain 0,0
expect_out_line "explain speed of zero" "regime: failed"
# The altitude in single precision, printed as the double that holds it; the speed as a double.
run "explain single precision" 0 "$aircraft" --weight=20000 --explain=300.1,1234.567
expect_out_line "explain single precision" "altitude_ft: 1234.5670166015625"
expect_out_line "explain single precision" "cas_kt: 300.1"

# --compare and --compare-cells: the table beside a baseline on the same axes (one more tank).
run "compare" 0 "$aircraft" --weight 20000 $axes --compare --baseline-tanks 1
expect_out "compare" <<'END'
altitude_ft,best_range_cas_kt,best_range_lb_nm,baseline_best_range_cas_kt,baseline_best_range_lb_nm,best_range_change_pct,best_endurance_cas_kt,best_endurance_lb_h,baseline_best_endurance_cas_kt,baseline_best_endurance_lb_h,best_endurance_change_pct
0,300,6.3199999591666005,300,6.48333329144464,-2.5192802056555226,300,1896,300,1945,-2.519280205655527
40000,425,1.8483887840184594,400,1.9045296541267975,-2.9477551051352884,300,1070,300,1087,-1.5639374425023
END
run "compare cells" 0 "$aircraft" --weight 20000 $axes --compare-cells --baseline-stores 0,0,0,0,0,1
expect_out "compare cells" <<'END'
altitude_ft,cas_kt,fuel_flow_lb_h,baseline_fuel_flow_lb_h,change_pct
0,300,1896,1945,-2.519280205655527
40000,300,1070,1087,-1.5639374425023
0,600,17110,17796,-3.8547988311980217
40000,600,1880,1976,-4.8582995951417
0,660,,,
40000,660,5267,5557,-5.2186431527802775
END
run "compare json" 0 "$aircraft" --weight 20000 $axes --compare --compare-cells --baseline-tanks 1 --format json
[ "$(grep -o '^"[a-z_]*": ' "$work/out" | tr -d '\n')" = '"program": "inputs": "axes": "cells": "totals": "compare": "compare_cells": ' ] ||
  fail "compare json: members $(grep -o '^"[a-z_]*": ' "$work/out" | tr -d '\n')"
expect_out_line "compare json" '{"altitude_ft":"0","cas_kt":"660","fuel_flow_lb_h":null,"baseline_fuel_flow_lb_h":null,"change_pct":null},'
# The baseline's weight: --baseline-weight, else --weight, else what its own loadout proposes.
for weights in "--weight 26000|--baseline-weight 26000" "|--baseline-weight 30800"; do
  run "baseline weight ${weights%|*}" 0 "$aircraft" --compare-cells --baseline-tanks 1 ${weights%|*}
  mv "$work/out" "$work/compared.csv"
  run "baseline weight ${weights#*|}" 0 "$aircraft" --compare-cells --baseline-tanks 1 ${weights#*|}
  cmp -s "$work/out" "$work/compared.csv" || fail "baseline weight: ${weights%|*} is not ${weights#*|}"
done
run "baseline not loaded" 1 "$aircraft" --compare --baseline-file "$work/none.dat"
expect_err "baseline not loaded" "baseline $work/none.dat: load stopped: cannot open the file (no such file)"
expect_usage_error "compare without a baseline" "--compare and --compare-cells need a baseline: --baseline-file, --baseline-stores, --baseline-weight or a --baseline- store count" "$aircraft" --compare-cells
run "baseline without compare" 2 "$aircraft" --baseline-weight 30000
run "compare and summary in csv" 2 "$aircraft" --compare --summary --baseline-aa 1

[ "$failures" -eq 0 ] && echo "all tz9perf-table checks passed"
exit "$failures"
