#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end checks of tz9perf-table: exit codes, each kind of refusal reaching stderr, CSV, JSON
# and grid output, the store options, and output files written whole or not at all, also on a
# full disk, in a read-only folder and to a reader that stops early. The wording
# of every message is held in tool_messages_test.cpp and the figures in the core's tests.
# Usage: cli_test.sh TZ9PERF_TABLE EXAMPLES_DIR VERSION
tool=$1
examples=$2
version=$3
aircraft=$examples/check-aircraft.dat
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $1" >&2 && failures=$((failures + 1)); }

# run NAME EXPECTED_EXIT ARGS...: runs the tool, keeps stdout and stderr in $work.
run() {
  name=$1 expected=$2 && shift 2
  "$tool" "$@" >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq "$expected" ] || fail "$name: exit $status, expected $expected ($(cat "$work/err"))"
}

# The checks of the last run's output; each takes the check's NAME first.
out() { cat "$work/out"; }
# LINE...: stdout holds exactly these lines. PATTERN: a line matches the basic regular expression.
expect_out_line() { n=$1 && shift && for l; do grep -qxF -- "$l" "$work/out" || fail "$n: no line '$l'"; done; }
line_matches() { grep -q -- "$2" "$work/out" || fail "$1: no line like '$2' in stdout"; }
# N TEXT: line N of stdout is TEXT. N: stdout has N lines.
line_is() { [ "$(sed -n "$2p" "$work/out")" = "$3" ] || fail "$1: line $2 '$(sed -n "$2p" "$work/out")'"; }
lines() { [ "$(out | wc -l)" -eq "$2" ] || fail "$1: $(out | wc -l) lines, expected $2"; }
# TEXT: stderr is exactly TEXT.
expect_err() { [ "$(cat "$work/err")" = "$2" ] || fail "$1: stderr '$(cat "$work/err")', not '$2'"; }
# KEY: stdout has no "KEY: " line.
expect_no_line() { if grep -q "^$2: " "$work/out"; then fail "$1: a line $2"; fi; }
# "M1 M2 ...": the JSON document's members, in order. MEMBER TEXT: the member's line holds TEXT.
members() { [ "$(grep -o '^"[a-z_]*": ' "$work/out" | tr -d '":\n')" = "$2" ] || fail "$1: members"; }
# stdout is exactly the text on stdin.
expect_out() { diff "$work/out" - >"$work/diff" || fail "$1: stdout differs: $(cat "$work/diff")"; }
member_has() { grep "^\"$2\": " "$work/out" | grep -qF -- "$3" || fail "$1: $2 without '$3'"; }

# Usage.
run "help" 0 --help
line_matches "help" "^Usage: tz9perf-table AIRCRAFT.dat"
line_matches "help" "^  --version "
run "version" 0 --version
[ -n "$version" ] && [ "$(out)" = "tz9perf-table $version" ] && [ ! -s "$work/err" ] ||
  fail "version: '$(out)' for version '$version'"
run "no aircraft file" 2
# Usage errors: exit 2, before anything is read (the words are tool_messages_test.cpp's).
for args in --colour "--stores 1,2,x,0,0,0" "--stores 1,2,0,0,0" "--weight 12000lb" \
  "--speed 150,50,250" "--second knots" "--format xml" --weight "--bombs two" "--aa 1 --aa 2" \
  "--stores 0,0,0,0,0,0 --tanks 1" --output= --summary=yes "--mission --reserve -1" \
  "--mission --cruise-cas 300kt" "--mission --bingo-distance" "--reserve 1500" \
  "--mission --summary" "--mission --explain 300,0" "--summary --explain 300,0" --mission=1 \
  "--explain 300" "--explain 300,sea" "--baseline-weight 30000" "--compare --summary --baseline-aa 1" \
  "--climb --g-limit 15.5" "--g-limit 9"; do
  run "usage $args" 2 "$aircraft" $args
done

# Load failures and refusals: exit 1, one line on stderr from the tool's catalogue.
run "missing file" 1 "$work/none.dat"
expect_err "missing file" "$work/none.dat: load stopped: cannot open the file (no such file)"

# Refusals.
run "weight below zfw" 1 "$aircraft" --weight 100
expect_err "weight below zfw" "The computing weight is below the zero fuel weight."
run "zero speed step" 1 "$aircraft" --speed 150,0,250,30,660
expect_err "zero speed step" "--speed STEP1 is 0: the axis cannot step from MIN to SWITCH."
run "overflowing stores weight" 1 "$aircraft" --stores 1e308,0,0,0,0,0
sed 's/^7000, maximum internal/1.7e308, maximum internal/' "$aircraft" >"$work/fuel.dat"
run "overflowing fuel on board" 1 "$work/fuel.dat" --stores 0,0,0,0,0,1e304
run "overflowing fuel on board, weight given" 0 "$work/fuel.dat" --stores 0,0,0,0,0,1e304 --weight 20000


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
expect_out_line "csv tas" "0,300,1896,white,300,default" "0,660,------,white,660,white"
run "csv mach" 0 "$aircraft" --weight=20000 $axes --format=csv --second=mach
expect_out_line "csv mach" "0,600,17110,yellow,0.9,default"

# The start-up table with the proposed weight: 253 cells, altitudes as "0".."40000".
run "csv start-up table" 0 "$aircraft" --format csv
lines "csv start-up table" 254
line_matches "csv start-up table" "^40000,850,"

# Stores change the weight proposal and the drag: the tanks' drag adds to every cell. The named
# count options give the same table as their places in --stores.
for stores in "--stores 2,0,4,0,0,2" "--aa 2 --bombs 4 --tanks=2"; do
  run "$stores" 0 "$aircraft" $stores --weight 20000 $axes --format csv
  line_is "$stores" 2 "0,300,5792,yellow,19.30,yellow"
done

# JSON: the cells against the CSV are test_against_tool.py's; here the inputs, axes and totals.
run "json" 0 "$aircraft" --stores 2,0,4,0,0,2 --weight 20000 $axes --second mach --format Json
member_has "json" inputs '"aircraft_name":"Check Aircraft",'
member_has "json" inputs '"computing_weight_lb":20000.0,"stores":{"aa":2.0,"ag":0.0,"bombs":4.0,"cluster":0.0,"ecm":0.0,"tanks":2.0},"second":"mach",'
member_has "json" axes '"speeds":[{"header":"300","speed_kt":300.0,"failure":null},{"header":"600","speed_kt":600.0,"failure":null},{"header":"660","speed_kt":660.0,"failure":null}],'
member_has "json" axes '"altitudes":[{"header":"0 ft","altitude_ft":0.0,"failure":null},{"header":"40000 ft",'
member_has "json" totals '{"cells":6,"failed":0,"message":"Computed 6 cells."}'
line_matches "json" '"fuel_flow":"5792","fuel_flow_color":"yellow",.*,"regime":"afterburner","supersonic":false,"failure":null,'
run "json failed cell" 0 "$aircraft" --weight 20000 --speed 0,300,300,1,300 --altitude 0,1,0,1,0 --format json
line_matches "json failed cell" '"regime":null,"supersonic":null,"failure":"division by zero: speed of zero"'

# --output: the file holds what stdout would; a write that cannot finish leaves no file and no
# temporary, and a file already there keeps its bytes.
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
run "summary" 0 "$aircraft" --weight 20000 --speed 150,700,850,1,850 --altitude 0,40000,40000,20000,60000 --summary
line_is "summary" 1 "altitude_ft,best_range_cas_kt,best_range_tas_kt,best_range_mach,best_range_fuel_flow,best_range_lbs_per_nm,best_endurance_cas_kt,best_endurance_fuel_flow,military_min_cas_kt,military_max_cas_kt,afterburner_min_cas_kt,afterburner_max_cas_kt"
lines "summary" 4
line_is "summary" 2 "0,256,256.0000016540113,0.3870117642505745,1598,6.242187459669341,150,1074,150,313,314,613"
expect_out_line "summary" "60000,,,,,,,,,,,"
run "summary of too many knots" 1 "$aircraft" --weight 30000 --speed -70000,50000,-20000,1000,850 --summary
expect_err "summary of too many knots" "The speed headers span more than 65536 whole knots: no summary."

# Mission fuel: range, endurance, cruise and bingo per altitude; 0 and empty speeds when nothing is flown.
run "mission" 0 "$aircraft" --weight 26000 --speed 150,700,850,1,850 --altitude 0,40000,40000,1,40000 --mission --reserve 1000 --cruise-cas 300 --bingo-distance 100
line_is "mission" 1 "altitude_ft,start_weight_lb,end_weight_lb,range_nm,range_time_h,range_start_cas_kt,range_end_cas_kt,endurance_h,endurance_start_cas_kt,endurance_end_cas_kt,cruise_range_nm,cruise_time_h,bingo_fuel_lb"
line_is "mission" 2 "0,26000,20000,898.1836739069739,3.289040333583438,280,260,4.912747903951822,169,150,597.7924735493676,1.9926415656234737,1629.0825862072065"
run "mission without cruise or bingo" 0 "$aircraft" --weight 26000 --altitude 0,1,0,1,0 --mission
line_matches "mission without cruise or bingo" "^0,26000,19000,[0-9.]*,[0-9.]*,[0-9]*,[0-9]*,[0-9.]*,[0-9]*,[0-9]*,,,$"
# With --format json the same rows are the "mission" member, after the table's members: the CSV's
# names, numbers as numbers, null where the CSV field is empty. CSV stays CSV.
run "mission json without cruise or bingo" 0 "$aircraft" --weight 26000 --altitude 0,1,0,1,0 --mission --format json
member_has "mission json without cruise or bingo" mission '"endurance_end_cas_kt":150.0,"cruise_range_nm":null,"cruise_time_h":null,"bingo_fuel_lb":null}]'
run "summary and mission json" 0 "$aircraft" --weight 26000 --altitude 0,1,0,1,0 --summary --mission --format json
members "summary and mission json" "program inputs axes cells totals summary mission "
member_has "summary and mission json" summary '[{"altitude_ft":"0","best_range_cas_kt":280.0,'
member_has "summary and mission json" mission '[{"altitude_ft":"0","start_weight_lb":26000.0,"end_weight_lb":19000.0,'
# What no altitude can fly leaves its fields empty and is told on stderr.
run "mission flying nothing" 0 "$aircraft" --weight 26000 --altitude 0,1,0,1,0 --mission --reserve 1e6 --cruise-cas 300
expect_out_line "mission flying nothing" "0,26000,1019000,,,,,,,,,,"
expect_err "mission flying nothing" "--reserve 1000000 lb is not below the 7000 lb of fuel on board: nothing is flown."
run "mission out of reach" 0 "$aircraft" --weight 26000 --altitude 20000,1,20000,1,20000 --mission --cruise-cas 2000 --bingo-distance 5000
line_matches "mission out of reach" '^20000,26000,19000,[0-9.]*,[0-9.]*,366,325,[0-9.]*,231,198,,,$'
expect_err "mission out of reach" "--cruise-cas 2000 kt holds no steady flight at any weight of the burn at 1 of 1 altitudes.
--bingo-distance 5000 NM is beyond the fuel on board at 1 of 1 altitudes: the fuel reaches 1917 NM at most."
run "mission stores beyond range" 1 "$aircraft" --weight 30000 --stores 0,0,0,0,0,1e306 --mission
# Climb and turn: one line per altitude (--climb) or per knot of one altitude (--em); the g limit
# with them only; the "climb" and "em" members in JSON.
run "climb" 0 "$aircraft" --weight 20000 --altitude 0,20000,40000,20000,40000 --climb
line_is "climb" 1 "altitude_ft,mil_climb_cas_kt,mil_climb_fpm,ab_climb_cas_kt,ab_climb_fpm,mil_time_to_climb_min,mil_fuel_to_climb_lb,ab_time_to_climb_min,ab_fuel_to_climb_lb,best_turn_cas_kt,best_turn_g,best_turn_deg_s,corner_cas_kt,corner_turn_deg_s"
expect_out_line "climb" "0,181,917.2965867310809,418,11298.163753955216,0,0,0,0,384,6.74,18.95800543791826,385,25.373577572673717"
line_matches "climb" "^40000,365,[0-9.]*,567,[0-9.]*,27.868[0-9]*,898.259[0-9]*,3.0385[0-9]*,735.372[0-9]*,600,4.04,4.51[0-9]*,,$"
run "em" 0 "$aircraft" --weight 20000 --speed 300,10,320,10,320 --em 0 --g-limit 5.5
line_is "em" 1 "cas_kt,tas_kt,mach,mil_climb_fpm,ab_climb_fpm,mil_sustained_g,ab_sustained_g,instant_g,mil_turn_deg_s,ab_turn_deg_s,instant_turn_deg_s,instant_radius_ft"
lines "em" 22
expect_out_line "em" "314,314.0000020287484,0.47469411708859544,-3.4098644346077096,10331.210030337188,,4.82,5.5,,16.400646466871518,18.811816270492105,1614.1793999572053"
run "climb and em json" 0 "$aircraft" --weight 20000 --speed 300,10,320,10,320 --altitude 0,1,0,1,0 --summary --climb --em 0 --format json
members "climb and em json" "program inputs axes cells totals summary climb em "
member_has "climb and em json" climb '[{"altitude_ft":"0","mil_climb_cas_kt":300.0,'
member_has "climb and em json" em '"cas_kt":314.0,"tas_kt":314.0000020287484,"mach":0.47469411708859544,"mil_climb_fpm":-3.4098644346077096,"ab_climb_fpm":10331.210030337188,"mil_sustained_g":null,'
sed 's/^19000, zero fuel weight/0, zero fuel weight/' "$aircraft" >"$work/weightless.dat"
run "climb at a weight of 0" 1 "$work/weightless.dat" --weight 0 --climb
expect_err "climb at a weight of 0" "The computing weight is not above 0: no climb or turn."
# One cell explained: the check aircraft's published figures at 300 kt / 0 ft and 600 kt / 0 ft.
run "explain missing file" 1 "$work/none.dat" --explain 300,0
run "explain refused weight" 1 "$aircraft" --weight 100 --explain 300,0
run "explain military" 0 "$aircraft" --weight 20000 --explain 300,0
names="cas_kt altitude_ft weight_lb density_slug_ft3 temperature_k speed_of_sound_kt"
names="$names static_pressure_lb_ft2 impact_pressure_lb_ft2 mach tas_kt speed_fps"
names="$names dynamic_pressure_lb_ft2 lift_coefficient angle_of_attack_deg drag_coefficient"
names="$names store_drag_factor aero_drag_lbf stores_drag_lbf total_drag_lbf military_thrust_lbf"
[ "$(cut -d: -f1 "$work/out" | tr '\n' ' ')" = "$names regime supersonic fuel_flow_lb_h lbs_per_nm reason " ] ||
  fail "explain military: names $(cut -d: -f1 "$work/out" | tr '\n' ' ')"
expect_out_line "explain military" "fuel_flow_lb_h: 1896" "regime: military" "supersonic: no"
run "explain afterburner" 0 "$aircraft" --weight 20000 --explain 600,0
expect_out_line "explain afterburner" "afterburner_thrust_lbf: 9000" "regime: afterburner"
run "explain too much drag" 0 "$aircraft" --weight 20000 --explain 650,0
expect_out_line "explain too much drag" "regime: none"
expect_no_line "explain too much drag" fuel_flow_lb_h
run "explain too slow" 0 "$aircraft" --weight 20000 --explain 120,0
expect_no_line "explain too slow" angle_of_attack_deg
run "explain speed of zero" 0 "$aircraft" --weight 20000 --explain 0,0
expect_out_line "explain speed of zero" "regime: failed"
# The altitude in single precision, printed as the double that holds it; the speed as a double.
run "explain single precision" 0 "$aircraft" --weight=20000 --explain=300.1,1234.567
expect_out_line "explain single precision" "altitude_ft: 1234.5670166015625" "cas_kt: 300.1"

# --compare and --compare-cells: the table beside a baseline on the same axes (one more tank;
# one more tank and one AA missile).
run "compare" 0 "$aircraft" --weight 20000 $axes --compare --baseline-tanks 1
expect_out "compare" <<'END'
altitude_ft,best_range_cas_kt,best_range_lb_nm,baseline_best_range_cas_kt,baseline_best_range_lb_nm,best_range_change_pct,best_endurance_cas_kt,best_endurance_lb_h,baseline_best_endurance_cas_kt,baseline_best_endurance_lb_h,best_endurance_change_pct
0,300,6.3199999591666005,300,6.48333329144464,-2.5192802056555226,300,1896,300,1945,-2.519280205655527
40000,425,1.8483887840184594,400,1.9045296541267975,-2.9477551051352884,300,1070,300,1087,-1.5639374425023
END
run "compare cells" 0 "$aircraft" --weight 20000 $axes --compare-cells --baseline-stores 1,0,0,0,0,1
expect_out "compare cells" <<'END'
altitude_ft,cas_kt,fuel_flow_lb_h,baseline_fuel_flow_lb_h,change_pct
0,300,1896,1946,-2.5693730729701953
40000,300,1070,1087,-1.5639374425023
0,600,17110,17803,-3.892602370387013
40000,600,1880,1977,-4.906423874557411
0,660,,,
40000,660,5267,5560,-5.26978417266187
END
run "compare json" 0 "$aircraft" --weight 20000 $axes --compare --compare-cells --baseline-tanks 1 --format json
members "compare json" "program inputs axes cells totals compare compare_cells "
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
run "compare without a baseline" 2 "$aircraft" --compare-cells
[ "$(head -n 1 "$work/err")" = "tz9perf-table: --compare and --compare-cells need a baseline: --baseline-file, --baseline-stores, --baseline-weight or a --baseline- store count" ] ||
  fail "compare without a baseline: '$(cat "$work/err")'"

# Writes at their edges: a full device, a read-only folder, a folder as the file and a reader
# that stops early. (A run ended mid-write is atomic_file_test.cpp's.)
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

[ "$failures" -eq 0 ] && echo "all tz9perf-table checks passed"
exit "$failures"
