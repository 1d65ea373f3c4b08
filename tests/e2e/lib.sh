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
# Where Morvane3.exe and probe.exe are taken from.
E2E_BIN="${E2E_BIN:-$E2E_ROOT/build/win64}"
E2E_RESULTS="$E2E_OUT/results.txt"
WINE="$(command -v wine64 || { [[ -x /usr/lib/wine/wine64 ]] && echo /usr/lib/wine/wine64; } || command -v wine)"
WINESERVER="$(command -v wineserver || echo /usr/lib/wine/wineserver64)"

# The registry entries the program writes (HKEY_CURRENT_USER), used by the scenarios.
E2E_LOCATION_KEY='HKCU\SOFTWARE\Zantor Ltd\Morvane3'
E2E_APP_PATHS_KEY='HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\Morvane3.exe'
E2E_RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
E2E_RUN_VALUE='Morvane Language Badge ®'

# ---------------------------------------------------------------- results

e2e_ok() { echo "ok - $E2E_SCENARIO: $*" | tee -a "$E2E_RESULTS"; }
e2e_not_ok() { echo "not ok - $E2E_SCENARIO: $*" | tee -a "$E2E_RESULTS"; }
# A note under the last check, for whoever reads the log of a failure.
e2e_note() { echo "#   $*"; }
# e2e_check "what" command...: one check from a command's exit status.
e2e_check() {
  local what=$1; shift
  if "$@"; then e2e_ok "$what"; else e2e_not_ok "$what"; return 1; fi
}

# e2e_check "what" e2e_not command...: the command must fail.
e2e_not() { ! "$@"; }

# e2e_check_equal "what" <expected> <found>: with both shown on failure.
e2e_check_equal() {
  if [[ $3 == "$2" ]]; then e2e_ok "$1"; else e2e_not_ok "$1"; e2e_note "expected: $2"; e2e_note "found:    $3"; fi
}

# e2e_check_reg "what" <key> <value name, empty for the default> <expected data>
e2e_check_reg() {
  local found
  found=$(e2e_reg_value "$2" "$3") || found="<missing>"
  e2e_check_equal "$1" "$4" "$found"
}

# ---------------------------------------------------------------- waiting

e2e_now_ms() { echo $(( ${EPOCHREALTIME/./} / 1000 )); }

# e2e_wait_until <seconds> command...: polls every 0.2 s until the command
# succeeds; fails when the time is up.
e2e_wait_until() {
  local deadline=$(( $(e2e_now_ms) + $1 * 1000 )); shift
  while (( $(e2e_now_ms) < deadline )); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  "$@" >/dev/null 2>&1
}

# ---------------------------------------------------------------- display and Wine

e2e_start_display() {
  local n
  for n in $(seq 110 160); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$E2E_OUT/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    export DISPLAY=":$n"
    if e2e_wait_until 10 xdotool getdisplaygeometry && kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
      return 0
    fi
    kill "$E2E_XVFB_PID" 2>/dev/null; wait "$E2E_XVFB_PID" 2>/dev/null
  done
  echo "no free X display" >&2
  return 1
}

# A prefix of our own for the run: a copy of the one scripts/wine-env.sh
# prepared (the caller's WINEPREFIX) when it exists (quick), else a new one
# with Wine's Tahoma.
e2e_prepare_prefix() {
  local shared="${WINEPREFIX:-$E2E_ROOT/build/wineprefix}"
  export WINEPREFIX="$E2E_OUT/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  rm -rf "$WINEPREFIX"
  if [[ -f "$shared/system.reg" ]]; then
    mkdir -p "$WINEPREFIX"
    # The shared prefix may be in use meanwhile: a file that changes is taken as it is.
    (cd "$shared" && tar --warning=no-file-changed --exclude=./wineserver -cf - .) | (cd "$WINEPREFIX" && tar -xf -)
  else
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot.exe -i >/dev/null 2>&1
    "$WINESERVER" -w
  fi
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
  # One server for the whole run: a fresh one would run the autostart
  # entries the scenarios leave in the registry.
  "$WINESERVER" -p
  # A crash ends the program with its backtrace in the scenario's log
  # instead of a dialog that waits.
  "$WINE" reg.exe add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # Wine's desktop process ends with the last program of the session and
  # leaves the pointer of a server without window manager stuck at the
  # screen's centre; a program that stays keeps it up between scenarios.
  "$WINE" "$E2E_BIN/probe.exe" hold >/dev/null 2>&1 &
  E2E_HOLD_PID=$!
  disown "$E2E_HOLD_PID"
}

e2e_stop_all() {
  [[ -n "${E2E_HOLD_PID:-}" ]] && kill "$E2E_HOLD_PID" 2>/dev/null
  [[ -n "${WINEPREFIX:-}" ]] && "$WINESERVER" -k >/dev/null 2>&1
  if [[ -n "${E2E_XVFB_PID:-}" ]]; then
    kill "$E2E_XVFB_PID" 2>/dev/null; wait "$E2E_XVFB_PID" 2>/dev/null
  fi
}

# Windows paths of unix ones, as the program sees them (Z:\...).
e2e_windows_path() { "$WINE" winepath.exe -w "$1" 2>/dev/null | tr -d '\r'; }

# Under de_DE.UTF-8 the program reads German; generated when the system has
# the locale sources but not the compiled locale.
e2e_have_locale() {
  local wanted=${1,,}; wanted=${wanted//-/}
  locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | tr -d '-' | grep -qx "$wanted" && return 0
  [[ -f /usr/share/i18n/locales/${1%%.*} ]] && command -v localedef >/dev/null || return 1
  localedef -i "${1%%.*}" -f UTF-8 "$1" >/dev/null 2>&1
  locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | tr -d '-' | grep -qx "$wanted"
}

# ---------------------------------------------------------------- the probe

probe() { "$WINE" "$E2E_BIN/probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

# e2e_field <name>: the value of a field of the first record on stdin.
e2e_field() { head -n 1 | grep -oP "(^|\t)$1=\K[^\t]*"; }

# ---------------------------------------------------------------- the program

# A new folder with a copy of the program for the scenario; sets APP_DIR,
# APP_WIN_DIR and APP_WIN_EXE (Windows paths, as the program sees them).
e2e_new_app() {
  APP_DIR="$E2E_SCENARIO_DIR/app"
  rm -rf "$APP_DIR"; mkdir -p "$APP_DIR"
  cp "$E2E_BIN/Morvane3.exe" "$APP_DIR/"
  APP_WIN_DIR="$(e2e_windows_path "$APP_DIR")"
  APP_WIN_DIR="${APP_WIN_DIR%\\}"
  APP_WIN_EXE="$APP_WIN_DIR\\Morvane3.exe"
}

# e2e_start_app [VAR=value...] [-- arguments...]: starts the scenario's copy
# in the background from its folder; APP_PID is the process of this start.
e2e_start_app() {
  local envs=()
  while (($#)) && [[ $1 != -- ]]; do envs+=("$1"); shift; done
  [[ ${1:-} == -- ]] && shift
  (cd "$APP_DIR" && exec env "${envs[@]}" "$WINE" Morvane3.exe "$@") >>"$E2E_SCENARIO_DIR/app.log" 2>&1 &
  APP_PID=$!
  disown "$APP_PID"  # ended by its id later, without the shell's notice
  echo "$APP_PID" >>"$E2E_SCENARIO_DIR/pids"
}

# Another Windows program of the run (notepad), ended with the scenario.
e2e_start_other() {
  local envs=()
  while (($#)) && [[ $1 != -- ]]; do envs+=("$1"); shift; done
  [[ ${1:-} == -- ]] && shift
  env "${envs[@]}" "$WINE" "$@" >>"$E2E_SCENARIO_DIR/other.log" 2>&1 &
  OTHER_PID=$!
  disown "$OTHER_PID"
  echo "$OTHER_PID" >>"$E2E_SCENARIO_DIR/pids"
}

# Wine's notepad, the other program of some scenarios.
e2e_notepad_visible() { probe windows Notepad | grep -qP '\tclass=Notepad\tvisible=1\t'; }

e2e_running() { kill -0 "$1" 2>/dev/null; }
e2e_ended() { ! kill -0 "$1" 2>/dev/null; }

# The windows of the scenario's copies of the program (all of their processes).
e2e_app_windows() { probe windows | grep -F "	exe=$APP_WIN_EXE	"; }
e2e_app_window_of_class() { e2e_app_windows | grep -P "\tclass=$1\t"; }
e2e_indicator() { e2e_app_window_of_class Morvane3Indicator; }
e2e_indicator_visible() { e2e_indicator | grep -qP '\tvisible=1\t'; }
# A visible top-level window of the program with that title.
e2e_app_window_titled() { e2e_app_windows | grep -P '\tvisible=1\t' | grep -P "\ttitle=\Q$1\E$"; }

# Where the indicator belongs for the cursor hot spot (x, y) and the stored
# offsets (0 = automatic), given its size "WxH": "left,top". An offset pair
# that would put the indicator over the hot spot counts as automatic; an
# automatic offset puts the indicator's right (bottom) edge on the cursor
# image's (hot spot + 32), but at least 8 pixels from the hot spot.
e2e_indicator_expected() {
  local x=$1 y=$2 sx=$3 sy=$4 w=${5%x*} h=${5#*x}
  if (( sx <= 0 && sy <= 0 && sx + w >= 0 && sy + h >= 0 )); then sx=0; sy=0; fi
  (( sx == 0 )) && { sx=$((32 - w)); ((sx < 8)) && sx=8; }
  (( sy == 0 )) && { sy=$((32 - h)); ((sy < 8)) && sy=8; }
  echo "$((x + sx)),$((y + sy))"
}

# e2e_indicator_at <x> <y> <shiftX> <shiftY>: the visible indicator is where
# it belongs for that hot spot; E2E_INDICATOR_FOUND tells where it was.
e2e_indicator_at() {
  local line rect size l t
  line=$(e2e_indicator | grep -P '\tvisible=1\t')
  rect=$(e2e_field rect <<<"$line"); size=$(e2e_field size <<<"$line")
  E2E_INDICATOR_FOUND="${rect:-not visible}"
  [[ -n $rect ]] || return 1
  IFS=, read -r l t _ <<<"$rect"
  [[ "$l,$t" == "$(e2e_indicator_expected "$1" "$2" "$3" "$4" "$size")" ]]
}

# e2e_check_indicator_at "what" <x> <y> <shiftX> <shiftY>: waits up to 5 s.
e2e_check_indicator_at() {
  if e2e_wait_until 5 e2e_indicator_at "$2" "$3" "$4" "$5"; then e2e_ok "$1"; return 0; fi
  e2e_indicator_at "$2" "$3" "$4" "$5"
  e2e_not_ok "$1"
  e2e_note "indicator rect: $E2E_INDICATOR_FOUND, cursor: $2,$3, stored offsets: $4,$5"
  return 1
}

# Ends what the scenario started, and waits until its windows are gone so
# that the next scenario finds no running copy.
e2e_end_scenario_processes() {
  local pid
  [[ -f "$E2E_SCENARIO_DIR/pids" ]] || return 0
  while read -r pid; do kill -KILL "$pid" 2>/dev/null; done <"$E2E_SCENARIO_DIR/pids"
  while read -r pid; do e2e_wait_until 5 e2e_ended "$pid"; done <"$E2E_SCENARIO_DIR/pids"
  rm -f "$E2E_SCENARIO_DIR/pids"
  e2e_wait_until 5 e2e_no_program_windows
}
e2e_no_program_windows() { probe windows | grep -q '^windows	count=0$'; }

# Every scenario ends with this check: no copy of the program crashed.
e2e_check_no_crash() {
  local crash
  crash=$(grep -m1 -h 'Unhandled' "$E2E_SCENARIO_DIR/app.log" 2>/dev/null)
  if [[ -z $crash ]]; then e2e_ok "the program did not crash"; return; fi
  e2e_not_ok "the program did not crash"
  e2e_note "$crash (see $E2E_SCENARIO_DIR/app.log)"
}

# ---------------------------------------------------------------- input

e2e_mouse_to() { xdotool mousemove "$1" "$2"; }

# The centre of a "L,T,R,B" rectangle, as "x y".
e2e_rect_centre() { local l t r b; IFS=, read -r l t r b <<<"$1"; echo "$(( (l + r) / 2 )) $(( (t + b) / 2 ))"; }

# Clicks the control with that text in a window, with the real mouse.
e2e_click_control() {
  local rect
  rect=$(probe children "$1" | grep -P '\tvisible=1\t' | grep -P "\ttext=\Q$2\E$" | e2e_field rect)
  [[ -n $rect ]] || return 1
  # shellcheck disable=SC2046
  e2e_mouse_to $(e2e_rect_centre "$rect")
  xdotool click 1
}

# ---------------------------------------------------------------- screen

e2e_shot() { import -window root "$E2E_SCENARIO_DIR/$1.png" 2>/dev/null; }

# e2e_crop <shot> <"L,T,R,B"> <out>: the rectangle of a screenshot.
e2e_crop() {
  local l t r b; IFS=, read -r l t r b <<<"$2"
  convert "$E2E_SCENARIO_DIR/$1.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$E2E_SCENARIO_DIR/$3.png"
}

# "white=N red=M other=K": how many pixels of an image are white, pure-ish
# red, or anything else.
e2e_colour_census() {
  convert "$E2E_SCENARIO_DIR/$1.png" -depth 8 -format %c histogram:info:- |
    sed -nE 's/^ *([0-9]+): *\( *([0-9]+), *([0-9]+), *([0-9]+).*/\1 \2 \3 \4/p' |
    awk '{ if ($2 >= 250 && $3 >= 250 && $4 >= 250) w += $1
           else if ($2 >= 200 && $3 <= 80 && $4 <= 80) red += $1
           else o += $1 }
         END { printf "white=%d red=%d other=%d\n", w, red, o }'
}

# Pixels that differ between two images of the same size; nothing when the
# sizes differ.
e2e_pixels_differing() {
  compare -metric AE "$E2E_SCENARIO_DIR/$1.png" "$E2E_SCENARIO_DIR/$2.png" null: 2>&1 | grep -oP '^[0-9]+'
}

# e2e_check_red_on_white "what" <shot name>: a screenshot of the indicator,
# mostly white with some red pixels (waits up to 5 s for the first paint).
e2e_check_red_on_white() {
  if ! e2e_wait_until 5 e2e_indicator_painted "$2"; then
    e2e_not_ok "$1"
    e2e_note "indicator: ${E2E_INDICATOR_FOUND:-not found}; pixels: ${E2E_CENSUS:-none}"
    return 1
  fi
  e2e_ok "$1"
}

# Screenshot and crop of the visible indicator, with white and red pixels
# and more white than red; E2E_CENSUS tells what was found.
e2e_indicator_painted() {
  local rect white red
  rect=$(e2e_indicator | grep -P '\tvisible=1\t' | e2e_field rect)
  E2E_INDICATOR_FOUND=${rect:-not visible}
  [[ -n $rect ]] || return 1
  e2e_shot "$1-screen" && e2e_crop "$1-screen" "$rect" "$1" || return 1
  E2E_CENSUS=$(e2e_colour_census "$1")
  white=$(grep -oP 'white=\K[0-9]+' <<<"$E2E_CENSUS"); red=$(grep -oP 'red=\K[0-9]+' <<<"$E2E_CENSUS")
  (( red > 0 && white > red ))
}

# ---------------------------------------------------------------- registry

# e2e_reg_value <key> [name]: the data of a text value (no name: the key's
# default value); fails when the key or the value is missing.
e2e_reg_value() {
  local key=$1 name=${2-} file="$E2E_SCENARIO_DIR/reg-export"
  rm -f "$file.reg"
  "$WINE" reg.exe export "$key" "$file.reg" /y >/dev/null 2>&1 || return 1
  local line escaped
  if [[ -z $name ]]; then
    line=$(iconv -f UTF-16 -t UTF-8 "$file.reg" | tr -d '\r' | grep -m1 '^@=')
    line=${line#@=}
  else
    escaped=${name//\\/\\\\}; escaped=${escaped//\"/\\\"}
    line=$(iconv -f UTF-16 -t UTF-8 "$file.reg" | tr -d '\r' | grep -m1 -F "\"$escaped\"=")
    line=${line#"\"$escaped\"="}
  fi
  [[ $line == \"*\" ]] || return 1
  line=${line#\"}; line=${line%\"}
  line=${line//\\\\/\\}; line=${line//\\\"/\"}
  printf '%s\n' "$line"
}
e2e_reg_key_exists() { "$WINE" reg.exe query "$1" >/dev/null 2>&1; }
e2e_reg_set() {
  local which=(/ve); [[ -n $2 ]] && which=(/v "$2")
  "$WINE" reg.exe add "$1" "${which[@]}" /d "$3" /f >/dev/null 2>&1
}
e2e_reg_delete_key() { "$WINE" reg.exe delete "$1" /f >/dev/null 2>&1; true; }
e2e_reg_delete_value() { "$WINE" reg.exe delete "$1" /v "$2" /f >/dev/null 2>&1; true; }

# The state an earlier acceptance of the scenario's folder leaves: the
# location key names its directory, so the program starts straight away.
e2e_accepted_here() { e2e_reg_set "$E2E_LOCATION_KEY" "" "$APP_WIN_DIR"; }

# e2e_write_settings "[Main]" "ShiftX=-40" ...: the settings file beside the
# copy, in the profile format with Windows line ends.
e2e_write_settings() { printf '%s\r\n' "$@" >"$APP_DIR/Morvane3.dat"; }

# ---------------------------------------------------------------- scenarios

# e2e_run_scenario <name> <seconds> <function>: runs the function in a
# subshell of its own, ended after the time limit; whatever it started is
# ended afterwards. A scenario that runs out of time counts as one failure.
e2e_run_scenario() {
  local name=$1 limit=$2 fn=$3
  echo "# scenario $name"
  # A process group of its own, so that the watchdog reaches whatever the
  # scenario is waiting on; the programs it starts are ended by their ids.
  set -m
  (
    set +m
    export E2E_SCENARIO=$name E2E_SCENARIO_DIR="$E2E_OUT/$name"
    rm -rf "$E2E_SCENARIO_DIR"; mkdir -p "$E2E_SCENARIO_DIR"
    trap 'e2e_end_scenario_processes; e2e_check_no_crash' EXIT
    trap 'exit 124' TERM
    "$fn"
  ) &
  local scenario=$!
  set +m
  (
    trap 'kill "$nap" 2>/dev/null; exit 0' TERM
    sleep "$limit" & nap=$!
    wait "$nap" && kill -TERM -- "-$scenario" 2>/dev/null
  ) &
  local watchdog=$!
  wait "$scenario"; local rc=$?
  kill "$watchdog" 2>/dev/null; wait "$watchdog" 2>/dev/null
  if ((rc == 124)); then
    E2E_SCENARIO=$name e2e_not_ok "finished within $limit s"
  fi
  return 0
}
