# The gesture and the control menu's commands, chosen with their access keys:
# the margin, transparency with its hint, the background colour, start with
# Windows and quit, each checked in the settings file, the registry, the
# indicator window and screenshots.

# The value of a key of the scenario's settings file ("" when missing).
cmd_setting() {
  tr -d '\r' <"$APP_DIR/Morvane3.dat" 2>/dev/null |
    awk -v section="[$1]" -v key="$2" '/^\[/ { inside = ($0 == section); next }
      inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}
cmd_setting_is() { [[ $(cmd_setting "$1" "$2") == "$3" ]]; }
cmd_popups() { e2e_app_windows | grep -cP '\tclass=#32768\tvisible=1\t'; }
cmd_menu_open() { (( $(cmd_popups) >= ${1:-1} )); }
cmd_size() { e2e_indicator | grep -P '\tvisible=1\t' | e2e_field size; }
cmd_region() { e2e_indicator | grep -P '\tvisible=1\t' | e2e_field region; }
cmd_cut() { [[ $(cmd_region) =~ /[1-9][0-9]*$ ]]; }
cmd_window() { e2e_field hwnd <<<"$(e2e_app_window_titled "$1")"; }
# The dialog is topmost and centred on the 1280 x 800 screen, within 2 px.
cmd_topmost_centred() {
  local line x y; line=$(e2e_app_window_titled "$1" | grep -P '\ttopmost=1\t') || return 1
  read -r x y < <(e2e_rect_centre "$(e2e_field rect <<<"$line")")
  (( x >= 638 && x <= 642 && y >= 398 && y <= 402 ))
}

# cmd_choose "what" <key>...: left Shift + middle button over notepad, then the
# keys. Notepad is clicked first: after a dialog has gone, no window of Wine's
# may have the keyboard.
cmd_choose() {
  e2e_mouse_to 420 300; xdotool click 1
  xdotool keydown Shift_L mousedown 2; sleep 0.3; xdotool mouseup 2 keyup Shift_L
  e2e_check "the gesture opens the menu for: $1" e2e_wait_until 5 cmd_menu_open || { e2e_shot "no-menu-$2"; return 1; }
  shift
  local key
  for key; do
    xdotool key "$key"
    # The margin submenu is a second pop-up; its key counts once it is up.
    [[ $key == m ]] && e2e_wait_until 3 cmd_menu_open 2 && sleep 0.3
  done
  e2e_wait_until 3 e2e_not cmd_menu_open
}

scenario_menu_commands() {
  e2e_new_app
  e2e_accepted_here
  e2e_reg_delete_value "$E2E_RUN_KEY" "$E2E_RUN_VALUE"
  e2e_write_settings "[Main]" "[Font]" "Name=Tahoma"
  e2e_start_over_notepad || return

  local s1 s0 s9
  s1=$(cmd_size)
  cmd_choose "margin 0" m 0 && e2e_check "margin 0 writes Margin=0" e2e_wait_until 5 cmd_setting_is Main Margin 0
  e2e_wait_until 3 e2e_indicator_visible; sleep 0.5; s0=$(cmd_size); e2e_shot margin-0
  cmd_choose "margin 9" m 9 && e2e_check "margin 9 writes Margin=9" e2e_wait_until 5 cmd_setting_is Main Margin 9
  e2e_wait_until 3 e2e_indicator_visible; sleep 0.5; s9=$(cmd_size); e2e_shot margin-9
  e2e_check_equal "margins 1, 0 and 9 grow the indicator by 2 and 18 px" "2 2 18 18" \
    "$(( ${s1%x*} - ${s0%x*} )) $(( ${s1#*x} - ${s0#*x} )) $(( ${s9%x*} - ${s0%x*} )) $(( ${s9#*x} - ${s0#*x} ))"

  local hint="Morvane3™ - Transparent Background"
  cmd_choose "transparency on" t
  e2e_check "the first switch on shows the hint" e2e_wait_until 10 e2e_app_window_titled "$hint" || { e2e_shot no-hint; return; }
  e2e_shot hint
  e2e_check "the indicator is hidden while the hint is up" e2e_not e2e_indicator_visible
  probe click "$(cmd_window "$hint")" "&Do not display this message again" >/dev/null
  probe click "$(cmd_window "$hint")" "&OK" >/dev/null
  e2e_check "OK closes the hint and the indicator returns" e2e_wait_until 5 e2e_indicator_visible
  e2e_check "the ticked box writes Silent=1, and Transparent=1" e2e_wait_until 3 \
    eval "cmd_setting_is Main Silent 1 && cmd_setting_is Main Transparent 1"
  e2e_check "the indicator is cut to its letters" e2e_wait_until 5 cmd_cut
  e2e_shot transparent
  cmd_choose "transparency off" t
  e2e_check "off writes Transparent=0 and gives the full rectangle back" e2e_wait_until 5 \
    eval "cmd_setting_is Main Transparent 0 && [[ \$(cmd_region) == none ]]"

  local fonts="Morvane3™ - Set Font & Color"
  cp "$APP_DIR/Morvane3.dat" "$E2E_SCENARIO_DIR/settings-before-font.dat"
  cmd_choose "font" f
  e2e_check "the font dialog opens titled, topmost and centred" e2e_wait_until 10 cmd_topmost_centred "$fonts" || e2e_shot no-fonts
  e2e_shot font-dialog
  probe click "$(cmd_window "$fonts")" Cancel >/dev/null
  e2e_check "Cancel closes it and writes nothing" e2e_wait_until 5 eval \
    "e2e_indicator_visible && cmp -s '$E2E_SCENARIO_DIR/settings-before-font.dat' '$APP_DIR/Morvane3.dat'"

  local colours="Morvane3™ - Set Background Color" dialog id value
  cmd_choose "background colour" b
  e2e_check "the colour dialog opens titled, topmost and centred" e2e_wait_until 10 cmd_topmost_centred "$colours" ||
    { e2e_shot no-colours; return; }
  dialog=$(cmd_window "$colours")
  for id in 706:0 707:128 708:255; do  # red, green and blue of the full-open dialog
    value=${id#*:}
    e2e_mouse_to $(e2e_rect_centre "$(probe children "$dialog" | grep -P "\tid=${id%:*}\tclass=Edit\t" | e2e_field rect)")
    xdotool click 1 key End BackSpace BackSpace BackSpace type "$value"; xdotool key Tab
  done
  e2e_shot colour-dialog
  probe click "$dialog" OK >/dev/null
  e2e_check "OK writes BackColor=FF8000" e2e_wait_until 5 cmd_setting_is Main BackColor FF8000
  e2e_mouse_to 420 300; sleep 1
  e2e_shot colour-screen && e2e_crop colour-screen "$(e2e_indicator | grep -P '\tvisible=1\t' | e2e_field rect)" colour
  e2e_check "the indicator is painted on the new background" eval \
    "convert '$E2E_SCENARIO_DIR/colour.png' -depth 8 -format %c histogram:info:- | grep -qF '(0,128,255)'"

  cmd_choose "start with Windows on" w
  e2e_check_reg "switching on writes the Run value" "$E2E_RUN_KEY" "$E2E_RUN_VALUE" "$APP_WIN_EXE"
  cmd_choose "start with Windows off" w
  e2e_check "switching off removes the Run value" e2e_wait_until 5 e2e_not e2e_reg_value "$E2E_RUN_KEY" "$E2E_RUN_VALUE"

  cp "$APP_DIR/Morvane3.dat" "$E2E_SCENARIO_DIR/settings-before-quit.dat"
  cmd_choose "quit" q
  e2e_check "quit ends the program and leaves no window" e2e_wait_until 10 eval "e2e_ended $APP_PID && ! e2e_app_windows"
  e2e_shot after-quit
  e2e_check "the settings file is unchanged byte for byte" \
    cmp -s "$E2E_SCENARIO_DIR/settings-before-quit.dat" "$APP_DIR/Morvane3.dat"
}
e2e_scenario menu_commands 240 scenario_menu_commands
