# Helpers of the end-to-end scenarios, sourced by tests/e2e/run.sh.
#
# The run owns a virtual X server (no window manager), a Wine prefix under
# build/e2e/prefix and one folder per scenario, build/e2e/<scenario>, holding
# the copy of the program it starts (app/), its screenshots and its logs.
# Every check prints "ok - ..." or "not ok - ..." and is also appended to
# build/e2e/results.txt, from which the run counts.
# shellcheck disable=SC2034  # names set here are read by the scenarios

E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
E2E_OUT="${E2E_OUT:-$E2E_ROOT/build/e2e}"
E2E_BIN="${E2E_BIN:-$E2E_ROOT/build/win64}"   # where Morvane3.exe and probe.exe are taken from
E2E_RESULTS="$E2E_OUT/results.txt"
E2E_OVER="420 300"   # a point over notepad, where the gesture is made
source "$E2E_ROOT/scripts/wine-env.sh"   # WINE, the virtual X server and the prefix's set-up
E2E_WINESERVER="$(command -v wineserver || echo /usr/lib/wine/wineserver64)"

# The registry entries the program writes (HKEY_CURRENT_USER).
E2E_LOCATION_KEY='SOFTWARE\Zantor Ltd\Morvane3'
E2E_APP_PATHS_KEY='SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\Morvane3.exe'
E2E_RUN_KEY='Software\Microsoft\Windows\CurrentVersion\Run'
E2E_RUN_VALUE='Morvane Language Badge ®'

# ---------------------------------------------------------------- checks and time

e2e_ok() { echo "ok - $E2E_SCENARIO: $*" | tee -a "$E2E_RESULTS"; }
e2e_not_ok() { echo "not ok - $E2E_SCENARIO: $*" | tee -a "$E2E_RESULTS"; }
e2e_note() { echo "#   $*"; }   # under the last check, for whoever reads a failure
# e2e_check "what" command...: one check from a command's exit status.
e2e_check() { local what=$1; shift; if "$@"; then e2e_ok "$what"; else e2e_not_ok "$what"; return 1; fi; }
e2e_not() { ! "$@"; }   # e2e_check "what" e2e_not command...: the command must fail
# e2e_check_equal "what" <expected> <found>: both shown on failure.
e2e_check_equal() {
  if [[ $3 == "$2" ]]; then e2e_ok "$1"; else e2e_not_ok "$1"; e2e_note "expected: $2"; e2e_note "found:    $3"; fi
}
# e2e_check_reg "what" <key> <value name, "" for the default> <expected data>
e2e_check_reg() { local found; found=$(e2e_reg_value "$2" "$3") || found="<missing>"; e2e_check_equal "$1" "$4" "$found"; }
e2e_now_ms() { echo $(( ${EPOCHREALTIME/./} / 1000 )); }
# e2e_wait_until <seconds> command...: polls until the command succeeds.
e2e_wait_until() {
  local deadline=$(( $(e2e_now_ms) + $1 * 1000 )); shift
  while (( $(e2e_now_ms) < deadline )); do "$@" >/dev/null 2>&1 && return 0; sleep 0.2; done
  "$@" >/dev/null 2>&1
}
# e2e_holds <seconds> command...: the command succeeds whenever asked until then.
e2e_holds() {
  local deadline=$(( $(e2e_now_ms) + $1 * 1000 )); shift
  while (( $(e2e_now_ms) < deadline )); do "$@" >/dev/null 2>&1 || return 1; sleep 0.1; done
}

# ---------------------------------------------------------------- display and prefix

# A virtual X server of the run's own, and a fresh prefix copied from the shared one when there is one.
e2e_start_display() { unset DISPLAY WINE_XVFB_PID; wine_start_display; [[ -n ${WINE_XVFB_PID:-} ]]; }
e2e_prepare_prefix() {
  local shared=$WINEPREFIX
  export WINEPREFIX="$E2E_OUT/prefix"
  rm -rf "$WINEPREFIX"; mkdir -p "$WINEPREFIX"
  if [[ -f "$shared/system.reg" ]]; then
    (cd "$shared" && tar --warning=no-file-changed --exclude=./wineserver -cf - .) | (cd "$WINEPREFIX" && tar -xf -)
  fi
  wine_prepare_prefix
  "$E2E_WINESERVER" -p
  # A crash must end the program, not wait in a dialog.
  "$WINE" reg.exe add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # Keeps Wine's desktop (and the X pointer with it) up between programs.
  "$WINE" "$E2E_BIN/probe.exe" hold >/dev/null 2>&1 &
  E2E_HOLD_PID=$!; disown "$E2E_HOLD_PID"
}
e2e_stop_all() { [[ -n "${E2E_HOLD_PID:-}" ]] && kill "$E2E_HOLD_PID" 2>/dev/null; wine_stop_display; }
e2e_windows_path() { "$WINE" winepath.exe -w "$1" 2>/dev/null | tr -d '\r'; }

# ---------------------------------------------------------------- the program

# probe <command>...: tests/e2e/tools/probe.cpp, its output without CRs.
probe() { "$WINE" "$E2E_BIN/probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
# <record> | e2e_field <name>: the value of a field of the first record.
e2e_field() { head -n 1 | grep -oP "(^|\t)$1=\K[^\t]*"; }
# e2e_new_app [folder]: a new copy of the program in the scenario's folder
# (default app/): APP_DIR, APP_WIN_DIR, APP_WIN_EXE.
e2e_new_app() {
  APP_DIR="$E2E_SCENARIO_DIR/${1:-app}"
  rm -rf "$APP_DIR"; mkdir -p "$APP_DIR"
  cp "$E2E_BIN/Morvane3.exe" "$APP_DIR/"
  APP_WIN_DIR="$(e2e_windows_path "$APP_DIR")"; APP_WIN_DIR="${APP_WIN_DIR%\\}"
  APP_WIN_EXE="$APP_WIN_DIR\\Morvane3.exe"
}
# e2e_start_app [VAR=value...] [-- args...]: starts the copy in its folder; APP_PID.
# e2e_start_other the same for any program: OTHER_PID.
e2e_start_app() { e2e_start APP_PID "$@"; }
e2e_start_other() { e2e_start OTHER_PID "$@"; }
e2e_start() {
  local var=$1 envs=(); shift
  while (($#)) && [[ $1 != -- ]]; do envs+=("$1"); shift; done
  [[ ${1:-} == -- ]] && shift
  [[ $var == APP_PID ]] && set -- Morvane3.exe "$@"
  (cd "${APP_DIR:-.}" && exec env "${envs[@]}" "$WINE" "$@") >>"$E2E_SCENARIO_DIR/${var%_PID}.log" 2>&1 &
  printf -v "$var" %s "$!"; disown "$!"   # ended by its id later, without the shell's notice
  echo "$!" >>"$E2E_SCENARIO_DIR/pids"
}
# e2e_start_over_notepad [VAR=value...]: a notepad in the same environment
# under the places the scenarios use, clicked at E2E_OVER (Wine sees the gesture's keys and
# buttons only over one of its own windows), then the program; waits for the indicator.
e2e_start_over_notepad() {
  e2e_notepad_under "$@" || return 1
  e2e_start_app "$@"
  e2e_check "the indicator is shown" e2e_wait_until 20 e2e_indicator_visible || { e2e_shot no-indicator; return 1; }
}
e2e_notepad_under() {
  e2e_start_other "$@" -- notepad.exe
  e2e_check "notepad runs" e2e_wait_until 20 e2e_notepad_visible || return 1
  e2e_wait_until 10 e2e_notepad_moved   # it may still place itself after showing
  xdotool mousemove $E2E_OVER click 1
}
e2e_notepad_visible() { probe windows Notepad | grep -qP '\tclass=Notepad\tvisible=1\t'; }
e2e_notepad_moved() { probe move Notepad 100 100 800 500 && probe windows Notepad | grep -qP '\tclass=Notepad\t.*\trect=100,100,900,600\t'; }
e2e_ended() { ! kill -0 "$1" 2>/dev/null; }
e2e_app_windows() { probe windows | grep -F "	exe=$APP_WIN_EXE	"; }
e2e_indicator() { e2e_app_windows | grep -P "\tclass=Morvane3Indicator\t"; }
e2e_indicator_visible() { e2e_indicator | grep -qP '\tvisible=1\t'; }
e2e_app_window_titled() { e2e_app_windows | grep -P '\tvisible=1\t' | grep -P "\ttitle=\Q$1\E$"; }
e2e_indicator_rect() { e2e_indicator | grep -P '\tvisible=1\t' | e2e_field rect; }
# e2e_check_indicator_at "what" <x> <y>: its top-left corner is at (x, y).
e2e_check_indicator_at() {
  e2e_check "$1" e2e_wait_until 5 eval "[[ \$(e2e_indicator_rect | cut -d, -f1,2) == $2,$3 ]]" ||
    e2e_note "indicator $(e2e_indicator | e2e_field rect)"
}
# Ends whatever the scenario started and waits until no window of it is left.
e2e_end_scenario_processes() {
  local pid
  [[ -f "$E2E_SCENARIO_DIR/pids" ]] || return 0
  while read -r pid; do kill -KILL "$pid" 2>/dev/null; done <"$E2E_SCENARIO_DIR/pids"
  while read -r pid; do e2e_wait_until 5 e2e_ended "$pid"; done <"$E2E_SCENARIO_DIR/pids"
  rm -f "$E2E_SCENARIO_DIR/pids"
  e2e_wait_until 5 eval "probe windows | grep -q '^windows	count=0$'"
}

# ---------------------------------------------------------------- controls, screenshots, pixels

e2e_rect_centre() { local l t r b; IFS=, read -r l t r b <<<"$1"; echo "$(( (l + r) / 2 )) $(( (t + b) / 2 ))"; }
# e2e_click_control <window> <text>: a real click in the middle of the visible control with that text.
e2e_click_control() {
  local rect; rect=$(probe children "$1" | grep -P '\tvisible=1\t' | grep -P "\ttext=\Q$2\E$" | e2e_field rect)
  [[ -n $rect ]] && xdotool mousemove $(e2e_rect_centre "$rect") click 1
}
e2e_shot() { import -window root "$E2E_SCENARIO_DIR/$1.png" 2>/dev/null; }
# e2e_crop <shot> <l,t,r,b> <name>
e2e_crop() {
  local l t r b; IFS=, read -r l t r b <<<"$2"
  convert "$E2E_SCENARIO_DIR/$1.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$E2E_SCENARIO_DIR/$3.png"
}
e2e_pixels_differing() { compare -metric AE "$E2E_SCENARIO_DIR/$1.png" "$E2E_SCENARIO_DIR/$2.png" null: 2>&1 | grep -oP '^[0-9]+'; }
# e2e_check_shows "what" <text> <name>: the indicator, kept as <name>.png, is
# pixel for pixel <name>-expected.png: the probe's drawing of the text in the
# default font and colours, one column more on the left and right and one row
# less at the top and bottom (margin 1).
e2e_check_shows() {
  local cell
  cell=$(probe text "$2" "$(e2e_windows_path "$E2E_SCENARIO_DIR")\\$3.raw" | e2e_field size) &&
    convert -size "$cell" -depth 8 "bgra:$E2E_SCENARIO_DIR/$3.raw" -alpha off -bordercolor white -border 1x0 \
      -shave 0x1 "$E2E_SCENARIO_DIR/$3-expected.png" || { e2e_not_ok "$1"; e2e_note "the probe cannot draw $2"; return 1; }
  e2e_check "$1" e2e_wait_until 5 e2e_indicator_is "$3" "$3-expected" || e2e_note "see $E2E_SCENARIO_DIR/$3.png and $3-expected.png"
}
# e2e_indicator_is <name> <expected>: the indicator, cropped from a new screenshot as <name>.png, is <expected>.png.
e2e_indicator_is() {
  local rect; rect=$(e2e_indicator_rect)
  [[ -n $rect ]] && e2e_shot "$1-screen" && e2e_crop "$1-screen" "$rect" "$1" && [[ $(e2e_pixels_differing "$1" "$2") == 0 ]]
}
# e2e_controls_inside <window>: every visible control of the window lies in its client area.
e2e_controls_inside() {
  local client; client=$(probe windows | grep -P "^window\thwnd=$1\t" | e2e_field client)
  probe children "$1" | grep -P '\tvisible=1\t' | grep -oP '\trect=\K[^\t]*' |
    awk -F, -v c="$client" 'BEGIN { split(c, p, ",") } $1 < p[1] || $2 < p[2] || $3 > p[3] || $4 > p[4] { bad = 1 }
      END { exit bad || c == "" }'
}
# e2e_in_order <window> <x|y> <id>...: the visible controls follow one another
# along the axis in this order, each clear of the one before but for at most
# one pixel (the position dialog's bar covers the preview's bottom border row).
e2e_in_order() {
  local kids axis=$2 id far=-99999 l t r b; kids=$(probe children "$1" | grep -P '\tvisible=1\t'); shift 2
  for id; do
    IFS=, read -r l t r b <<<"$(grep -P "\tid=$id\t" <<<"$kids" | e2e_field rect)"
    [[ -n $l ]] || return 1
    if [[ $axis == x ]]; then ((l >= far - 1)) || return 1; far=$r; else ((t >= far - 1)) || return 1; far=$b; fi
  done
}

# ---------------------------------------------------------------- registry and settings

# e2e_reg_value <key under HKCU> [<value name>]: the data of a string value (default value without a name).
e2e_reg_value() { probe reg "$@"; }
e2e_setting_is() { tr -d '\r' <"$APP_DIR/Morvane3.dat" | grep -qx "$1=$2"; }   # <key> <value>, in any section
e2e_accepted_here() { "$WINE" reg.exe add "HKCU\\$E2E_LOCATION_KEY" /ve /d "$APP_WIN_DIR" /f >/dev/null 2>&1; }
# e2e_write_settings <line>...: the copy's Morvane3.dat, CR LF line ends.
e2e_write_settings() { printf '%s\r\n' "$@" >"$APP_DIR/Morvane3.dat"; }

# ---------------------------------------------------------------- scenarios

# e2e_run_scenario <name> <function>: runs in a process of its own (run.sh
# --scenario), ends what it started, and checks that no copy of the program crashed.
e2e_run_scenario() {
  export E2E_SCENARIO=$1 E2E_SCENARIO_DIR="$E2E_OUT/$1"
  rm -rf "$E2E_SCENARIO_DIR"; mkdir -p "$E2E_SCENARIO_DIR"
  trap 'e2e_end_scenario_processes
    e2e_check "the program did not crash" e2e_not grep -qs Unhandled "$E2E_SCENARIO_DIR/APP.log"' EXIT
  trap 'exit 124' TERM
  "$2"
}
