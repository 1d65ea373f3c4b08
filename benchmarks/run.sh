#!/usr/bin/env bash
# What Morvane3.exe costs, side by side with three reference programs, under
# wine64 on a virtual X server and in a Wine prefix of its own:
#
#   bash benchmarks/run.sh          (BENCH_SECONDS=10 by default)
#
# The reference programs (benchmarks/win/): "idle", one window and no timer,
# a program that sleeps until it is spoken to; "bare", the same window with a
# 1 ms timer that does nothing; "floor", the same timer making only the calls
# any polling indicator must make. Each program runs alone, one after the
# other, with the pointer still over the empty desktop, then moving over a
# window of the benchmark's own (benchmarks/win/pointer_pad.cpp: Wine sees
# pointer motion only over its own windows). Printed, as a Markdown table:
#   size       the executable's size
#   start      from the process start to its window first shown on the screen
#   CPU still  % of one core, the program's process plus the Wine server,
#              over BENCH_SECONDS with the cursor still
#   CPU moving the same with the cursor moving about 50 times a second
#   wake-ups   context switches per second of all the program's threads
#              (/proc/<pid>/task/*/status), still and moving
#   private    Private_Clean + Private_Dirty of the Windows process
#              (/proc/<pid>/smaps_rollup), after the still window
# then the ratios of Morvane3 to the idle program (still) and to the floor
# (moving), and the region benchmark (benchmarks/win/region_benchmark.cpp).
#
# More runs of the program with a settings file or a command line of their
# own: add a line after bench_morvane3 "Morvane3" below, as the display
# options' rows are. "/poll" runs it on the 1 ms tick alone, as when its
# event sources cannot be installed.
# MORVANE3_OTHER=<path to another Morvane3.exe> adds a row for that build,
# labelled MORVANE3_OTHER_LABEL when set.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
SECONDS_PER_WINDOW=${BENCH_SECONDS:-10}
OUT=$ROOT/build/bench
BIN=$ROOT/build/win64

cmake --preset win64 >/dev/null || exit 1
cmake --build --preset win64 -j 2 --target Morvane3 reference_idle reference_bare reference_floor pointer_pad \
  region_benchmark probe >/dev/null ||
  { echo "build failed"; exit 1; }

rm -rf "$OUT"; mkdir -p "$OUT"
# A display and a prefix of our own, copied from the test command's when it
# has one (quick).
unset DISPLAY
shared_prefix=${WINEPREFIX:-$ROOT/build/wineprefix}
export WINEPREFIX=$OUT/prefix
# shellcheck source=../scripts/wine-env.sh
source scripts/wine-env.sh
if [[ -f $shared_prefix/system.reg ]]; then
  mkdir -p "$WINEPREFIX"
  (cd "$shared_prefix" && tar --warning=no-file-changed --exclude=./wineserver -cf - .) | (cd "$WINEPREFIX" && tar -xf -)
fi
wine_start_display
wine_prepare_prefix
cleanup() { kill ${HOLD_PID:-} ${PAD_PID:-} 2>/dev/null; wine_stop_display; }
trap cleanup EXIT
# One server for the whole run, and Wine's desktop kept up by a program
# that waits, so that no run pays for starting them.
wineserver -p
"$WINE" "$BIN/probe.exe" hold >/dev/null 2>&1 &
HOLD_PID=$!
"$WINE" "$BIN/pointer_pad.exe" >/dev/null 2>&1 &
PAD_PID=$!
sleep 3

CLOCK_TICKS=$(getconf CLK_TCK)
now_ms() { echo $(( ${EPOCHREALTIME/./} / 1000 )); }

# The Wine server of our prefix: it works in the prefix's server folder.
server_pid() {
  local dir pid
  dir=$(printf '/tmp/.wine-%d/server-%x-%x' "$(id -u)" "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for pid in $(pgrep -x wineserver) $(pgrep -x wineserver64); do
    [[ $(readlink "/proc/$pid/cwd") == "$dir" ]] && { echo "$pid"; return; }
  done
}

# The Windows process of an executable started from a folder: the Wine
# process (wine64-preloader) with the executable on its command line and our
# prefix in its environment.
windows_pid() {
  local name=$1 pid
  for pid in $(pgrep -f "$name"); do
    [[ $(readlink "/proc/$pid/exe") == *wine* ]] || continue
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
  done
}

# Clock ticks of user and system time of the processes, all threads.
cpu_ticks() {
  local total=0 pid fields
  for pid; do
    fields=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null) || continue
    read -r -a f <<<"$fields"
    total=$(( total + f[11] + f[12] ))
  done
  echo "$total"
}

# Context switches, voluntary or not, of all threads of a process.
context_switches() {
  cat "/proc/$1"/task/*/status 2>/dev/null | awk '/ctxt_switches:/ { n += $2 } END { print n + 0 }'
}

# "CPU wake-ups" over the window: CPU % of one core of the program and the
# server, and the program's context switches per second.
cpu_and_wakeups() {
  local program=$1 server=$2 before after switches
  before=$(cpu_ticks "$program" $server)
  switches=$(context_switches "$program")
  sleep "$SECONDS_PER_WINDOW"
  after=$(cpu_ticks "$program" $server)
  switches=$(( $(context_switches "$program") - switches ))
  awk -v t=$((after - before)) -v hz="$CLOCK_TICKS" -v s="$SECONDS_PER_WINDOW" -v w="$switches" \
    'BEGIN { printf "%.2f %.1f", 100 * t / hz / s, w / s }'
}

private_kb() {
  awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb + 0 }' "/proc/$1/smaps_rollup"
}

# The pointer going round a circle, about 50 moves a second, for a window
# and a little more; one xdotool process.
move_cursor_in_background() {
  local args
  read -r -a args < <(awk -v n=$(( SECONDS_PER_WINDOW * 50 + 100 )) 'BEGIN {
    for (i = 0; i < n; i++) printf "mousemove %d %d sleep 0.02 ", 400 + 120 * cos(i / 8), 300 + 120 * sin(i / 8) }')
  xdotool "${args[@]}" &
  MOVER_PID=$!
}

ROWS=()
declare -A RESULT

# bench <label> <key> <folder with the executable> <executable name> [arguments]
bench() {
  local label=$1 key=$2 dir=$3 exe=$4 started pid server shown=0 start_ms still moving memory deadline
  shift 4
  xdotool mousemove 640 600
  started=$(now_ms)
  (cd "$dir" && exec "$WINE" "$exe" "$@") >>"$OUT/programs.log" 2>&1 &
  local launcher=$!
  deadline=$(( started + 60000 ))
  while (( $(now_ms) < deadline )); do
    pid=$(windows_pid "$dir/$exe")
    [[ -z $pid ]] && pid=$(windows_pid "$exe")
    if [[ -n $pid ]] && xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then shown=1; break; fi
    sleep 0.02
  done
  start_ms=$(( $(now_ms) - started ))
  if ((!shown)); then
    echo "$label: no window shown within 60 s" >&2
    kill "$launcher" 2>/dev/null
    return 1
  fi
  server=$(server_pid)
  sleep 3
  # The sizes of the windows shown, for whoever checks that a run met no
  # dialog (Morvane3's indicator alone is a few tens of pixels).
  local window sizes=""
  for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    sizes+="$(xdotool getwindowgeometry "$window" | grep -oP 'Geometry: \K\S+') "
  done
  echo "$label: windows shown: $sizes" >>"$OUT/programs.log"
  read -r still still_wakeups < <(cpu_and_wakeups "$pid" "$server")
  memory=$(private_kb "$pid")
  move_cursor_in_background
  sleep 0.5
  read -r moving moving_wakeups < <(cpu_and_wakeups "$pid" "$server")
  wait "$MOVER_PID" 2>/dev/null
  kill "$pid" "$launcher" 2>/dev/null
  while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
  RESULT[$key.size]=$(stat -c %s "$dir/$exe")
  RESULT[$key.start]=$start_ms
  RESULT[$key.still]=$still
  RESULT[$key.moving]=$moving
  RESULT[$key.still_wakeups]=$still_wakeups
  RESULT[$key.moving_wakeups]=$moving_wakeups
  RESULT[$key.private]=$memory
  ROWS+=("$label|$key")
  echo "# $label: done" >&2
}

# A program from build/win64 in a folder of its own.
bench_reference() {
  local dir=$OUT/$2
  mkdir -p "$dir" && cp "$BIN/$2.exe" "$dir/"
  bench "$1" "$2" "$dir" "$2.exe"
}

# bench_morvane3 <label> [settings file text] [executable] [arguments]:
# Morvane3.exe (this build's unless named) in a folder of its own, accepted
# there before (the location key names it), so that it starts straight
# away; the settings file beside it when given.
bench_morvane3() {
  local label=$1 settings=${2-} exe=${3:-$BIN/Morvane3.exe} key dir windir
  shift $(( $# < 3 ? $# : 3 ))
  key=morvane3_${#ROWS[@]}
  dir=$OUT/$key
  mkdir -p "$dir" && cp "$exe" "$dir/Morvane3.exe"
  # Windows line ends, as the program writes them.
  [[ -n $settings ]] && printf '%s\n' "$settings" | sed 's/$/\r/' >"$dir/Morvane3.dat"
  windir=$("$WINE" winepath.exe -w "$dir" 2>/dev/null | tr -d '\r')
  "$WINE" reg.exe add 'HKCU\SOFTWARE\Zantor Ltd\Morvane3' /ve /d "${windir%\\}" /f >/dev/null 2>&1
  bench "$label" "$key" "$dir" Morvane3.exe "$@"
}

# A first start pays for loading Wine's libraries from the disk: not counted.
bench_reference "warm-up" reference_bare && ROWS=()

bench_reference "idle (window, no timer)" reference_idle
bench_reference "bare (window + 1 ms timer)" reference_bare
bench_reference "floor (the calls any indicator makes)" reference_floor
bench_morvane3 "Morvane3"
# Show=0 keeps the indicator visible, so the options' reads are all made.
bench_morvane3 "Morvane3, every display option on" $'[Main]\nShow=0\nFullScreen=1\nCountry=1\nCapsMark=1\nNoCapture=1'
bench_morvane3 "Morvane3, after a change (hidden)" $'[Main]\nShow=2\nShowSeconds=2\nFullScreen=1\nCountry=1\nCapsMark=1\nNoCapture=1'
bench_morvane3 "Morvane3, events unavailable (/poll: the 1 ms tick)" "" "$BIN/Morvane3.exe" /poll
# Another build side by side, e.g. MORVANE3_OTHER=/path/to/old/Morvane3.exe
[[ -n ${MORVANE3_OTHER:-} ]] && bench_morvane3 "${MORVANE3_OTHER_LABEL:-Morvane3 ($MORVANE3_OTHER)}" "" "$MORVANE3_OTHER"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }'; }

echo
echo "| program | size | start | CPU still | CPU moving | wake-ups still | wake-ups moving | private memory | private - bare |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
for row in "${ROWS[@]}"; do
  label=${row%|*}; key=${row#*|}
  printf '| %s | %d KB | %d ms | %s %% | %s %% | %s /s | %s /s | %.1f MB | %+.1f MB |\n' "$label" \
    $(( RESULT[$key.size] / 1024 )) "${RESULT[$key.start]}" "${RESULT[$key.still]}" "${RESULT[$key.moving]}" \
    "${RESULT[$key.still_wakeups]}" "${RESULT[$key.moving_wakeups]}" \
    "$(awk -v k="${RESULT[$key.private]}" 'BEGIN { print k / 1024 }')" \
    "$(awk -v k="${RESULT[$key.private]}" -v b="${RESULT[reference_bare.private]}" 'BEGIN { print (k - b) / 1024 }')"
done
echo
echo "| ratio | CPU still to the idle program | CPU moving to the floor |"
echo "|---|---:|---:|"
for row in "${ROWS[@]}"; do
  key=${row#*|}
  [[ $key == morvane3_* ]] || continue
  printf '| %s | %s × | %s × |\n' "${row%|*}" "$(ratio "${RESULT[$key.still]}" "${RESULT[reference_idle.still]}")" \
    "$(ratio "${RESULT[$key.moving]}" "${RESULT[reference_floor.moving]}")"
done
echo
echo "CPU: % of one core, process + Wine server, over $SECONDS_PER_WINDOW s; cursor moving about 50 times a second" \
  "over the benchmark's own window; wake-ups: the program's context switches per second."
echo "Libraries Morvane3.exe imports (the others load when first needed):" \
  "$(x86_64-w64-mingw32-objdump -p "$BIN/Morvane3.exe" | awk '/DLL Name:/ { printf "%s ", $3 }')"
echo
echo "Region benchmark (benchmarks/win/region_benchmark.cpp):"
echo '```'
"$WINE" "$BIN/region_benchmark.exe" 2>/dev/null | tr -d '\r'
echo '```'
