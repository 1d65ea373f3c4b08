# Two monitors on an Xorg server of its own with the dummy video driver (Xvfb
# gives Wine one): the primary 1024 x 768 at 0,0, a second 800 x 600 at
# 1024,0. The first-run dialog opens centred on the monitor under the cursor;
# the indicator follows there; "Keep Inside the Screen" holds at the primary's
# right edge and the second's bottom-right corner, without it the placement is
# as always; a caption-less window covering the second monitor hides it with
# "Hide Over Full Screen". Skipped, with one line, where Xorg cannot run.

two_start_xorg() {
  local n
  [[ $(id -u) == 0 && -f /usr/lib/xorg/modules/drivers/dummy_drv.so ]] && command -v xrandr >/dev/null || return 1
  for n in $(seq 121 140); do [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break; done
  /usr/lib/xorg/Xorg ":$n" -config "$E2E_ROOT/tests/e2e/two-monitors.xorg.conf" -noreset -nolisten tcp \
    -logfile "$E2E_SCENARIO_DIR/xorg.log" >/dev/null 2>&1 &
  TWO_XORG_PID=$!
  export DISPLAY=":$n"
  e2e_wait_until 10 xrandr && xrandr --addmode DUMMY1 800x600 && xrandr --output DUMMY1 --mode 800x600 --right-of DUMMY0 &&
    e2e_wait_until 10 eval 'xrandr | grep -q "^DUMMY1 connected 800x600+1024+0"'
}
# two_start [settings line...]: notepad across both monitors under every place the cursor goes, then the program.
two_start() {
  e2e_start_other -- notepad.exe
  e2e_wait_until 20 e2e_notepad_visible && e2e_wait_until 10 probe move Notepad 600 40 1224 580
  e2e_mouse_to 1400 300; xdotool click 1
  (($#)) && e2e_accepted_here && e2e_write_settings '[Main]' "$@"
  e2e_start_app
}
# two_check_at "what" <hot spot x> <y> <mirrored across: 0/1> <down: 0/1>: the indicator beside a
# 32 x 32 cursor at the automatic offset, or on the other side of the hot spot on a mirrored axis.
two_check_at() { e2e_mouse_to "$2" "$3"; e2e_check "$1" e2e_wait_until 5 two_at "${@:2}" || e2e_note "$(e2e_indicator_rect)"; }
two_at() {
  local w h sx sy; IFS=x read -r w h <<<"$(e2e_indicator | e2e_field size)"
  sx=$((w < 24 ? 32 - w : 8)) sy=$((h < 24 ? 32 - h : 8))
  [[ $(e2e_indicator_rect | cut -d, -f1,2) == "$(($3 ? $1 - sx - w : $1 + sx)),$(($4 ? $2 - sy - h : $2 + sy))" ]]
}

scenario_two_monitors() {
  if two_start_xorg; then
    local shared=$WINEPREFIX
    export WINEPREFIX="$E2E_SCENARIO_DIR/prefix"   # a Wine session of its own on this server
    mkdir -p "$WINEPREFIX"; (cd "$shared" && tar --exclude=./wineserver -cf - .) | (cd "$WINEPREFIX" && tar -xf -)
    # At the system's own scale, whatever an earlier scenario's server had yet to write back.
    sed -i '/^"LogPixels"=/d' "$WINEPREFIX/user.reg"
    two_monitors_journey
    e2e_end_scenario_processes; "$WINESERVER" -k 2>/dev/null
  else
    echo "# two_monitors skipped: Xorg with the dummy video driver cannot run here"
  fi
  kill "$TWO_XORG_PID" 2>/dev/null
}
two_monitors_journey() {
  local dialog
  e2e_start_other -- "$E2E_BIN/probe.exe" hold
  e2e_new_app; two_start
  e2e_check "a first start with the cursor on the second monitor shows the first-run dialog" \
    e2e_wait_until 30 e2e_app_window_titled "Morvane3™" || { e2e_shot no-dialog; return 1; }
  dialog=$(e2e_app_window_titled "Morvane3™")
  e2e_shot first-run
  # Centred at its designed size, 488 x 360 with the frame, before its layout: 1024 + (800 - 488) / 2, (600 - 360) / 2.
  e2e_check_equal "it is centred on the second monitor" 1180,120 "$(e2e_field rect <<<"$dialog" | cut -d, -f1,2)"
  e2e_click_control "$(e2e_field hwnd <<<"$dialog")" '&Yes'
  e2e_check "the indicator is shown" e2e_wait_until 20 e2e_indicator_visible || return 1
  two_check_at "the indicator follows the cursor on the second monitor" 1300 200 0 0
  two_check_at "without Keep Inside it crosses the primary's right edge" 1020 300 0 0
  e2e_end_scenario_processes; e2e_start_other -- "$E2E_BIN/probe.exe" hold
  two_start KeepInside=1 FullScreen=1
  two_check_at "Keep Inside holds at the primary's right edge" 1020 300 1 0
  two_check_at "and at the second monitor's bottom-right corner" 1815 595 1 1
  e2e_shot kept-corner
  e2e_start_other -- "$E2E_BIN/probe.exe" hold 1024 0 1824 600
  e2e_check "a caption-less window covering the second monitor hides it" e2e_wait_until 10 e2e_not e2e_indicator_visible
}
e2e_scenario two_monitors 120 scenario_two_monitors
