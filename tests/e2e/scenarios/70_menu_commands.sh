# The gesture and the control menu's commands, chosen with their access keys:
# the margin, transparency with its hint, the background colour and font
# dialogs, the about dialog, the Display
# submenu (screenshots) and quit, each checked in the settings file, the
# indicator window and screenshots. Whenever the menu closes without a
# dialog, what the user types goes to notepad again.

# cmd_menu_open [n]: at least n (1) pop-up menus of the program are up.
cmd_menu_open() { (( $(e2e_app_windows | grep -cP '\tclass=#32768\tvisible=1\t') >= ${1:-1} )); }
cmd_size() { e2e_indicator | grep -P '\tvisible=1\t' | e2e_field size; }
cmd_size_is_not() { local size; size=$(cmd_size) && [[ -n $size && $size != "$1" ]]; }
# The indicator, cropped from a new screenshot as colour.png, is painted on the
# background 00,80,FF (BackColor=FF8000) over at least half its area, and no
# pixel of the old white background is left.
cmd_painted_on_the_new_background() {
  local rect count l t r b; rect=$(e2e_indicator_rect) && e2e_shot colour-screen && e2e_crop colour-screen "$rect" colour || return 1
  IFS=, read -r l t r b <<<"$rect"
  count=$(convert "$E2E_SCENARIO_DIR/colour.png" -depth 8 -format %c histogram:info:- | tee "$E2E_SCENARIO_DIR/colour.txt" |
    grep -F '(0,128,255)' | grep -oP '^\s*\K[0-9]+')
  (( ${count:-0} * 2 >= (r - l) * (b - t) )) && ! grep -qF '(255,255,255)' "$E2E_SCENARIO_DIR/colour.txt"
}
# cmd_shown_for_the_time "what" <ms just before the change>: "After a change" with its 2 s and a 0.3 s
# fade. The probe takes a while to look: seen shown by a look begun a second or more after the change, and
# seen gone by a look ended within 5 s of it.
cmd_shown_for_the_time() {
  local late=0 start
  while start=$(( $(e2e_now_ms) - $2 )); ((start < 8000)); do
    if e2e_indicator_visible; then ((start >= 1000)) && late=1; elif ((start >= 1000)); then break; fi
  done
  start=$(( $(e2e_now_ms) - $2 ))
  e2e_check "$1: still shown at 1 s, gone by 5 s" eval "((late && start <= 5000))" || e2e_note "gone by $start ms"
}
cmd_settings_are() { local pair; for pair; do e2e_setting_is "${pair%%=*}" "${pair#*=}" || return; done; }
cmd_window() { e2e_field hwnd <<<"$(e2e_app_window_titled "$1")"; }
# The dialog is topmost and centred on the 1280 x 800 screen, within 2 px.
cmd_topmost_centred() {
  local line x y; line=$(e2e_app_window_titled "$1" | grep -P '\ttopmost=1\t') || return 1
  read -r x y < <(e2e_rect_centre "$(e2e_field rect <<<"$line")")
  (( x >= 638 && x <= 642 && y >= 398 && y <= 402 ))
}

# The keyboard goes back to notepad once the menu has gone: wait for it to be in front before typing.
cmd_notepad_in_front() { probe windows Notepad | grep -P '\tclass=Notepad\t' | grep -qP '\tforeground=1\t'; }
cmd_type() { e2e_wait_until 5 cmd_notepad_in_front; xdotool type "$1"; }
cmd_notepad_holds() { [[ $(probe children Notepad | grep -P '\tclass=Edit\t' | e2e_field text) == "$1" ]]; }

# cmd_open "what" <key>...: left Shift + middle button over notepad, then the
# keys; cmd_choose also waits until the menu has closed. Notepad is clicked
# first: after a dialog has gone, no window of Wine's may have the keyboard.
cmd_open() {
  xdotool mousemove $E2E_OVER click 1
  e2e_check "the gesture opens the menu for: $1" eval "cmd_gesture || cmd_gesture" || { e2e_shot "no-menu-$2"; return 1; }
  sleep 0.3   # the menu takes keys once its loop runs
  shift
  local key
  for key; do
    xdotool key "$key"
    # A submenu is a second pop-up; its keys count once it is up.
    if [[ $key == [md] ]]; then e2e_wait_until 3 cmd_menu_open 2 && sleep 0.3; fi
  done
}
# Under load Wine's key state may miss a short gesture: it is made a second time then.
cmd_gesture() { xdotool keydown Shift_L mousedown 2; sleep 0.4; xdotool mouseup 2 keyup Shift_L; e2e_wait_until 4 cmd_menu_open; }
cmd_choose() { cmd_open "$@" && e2e_wait_until 3 e2e_not cmd_menu_open; }
scenario_menu_commands() {
  e2e_new_app
  e2e_accepted_here
  e2e_write_settings "[Main]" "[Font]" "Name=Tahoma"
  e2e_start_over_notepad || return

  xdotool type abc
  e2e_check "typing reaches notepad" e2e_wait_until 5 cmd_notepad_holds abc
  cmd_choose "nothing" Escape
  cmd_type def
  e2e_check "after Escape what the user types reaches notepad again" e2e_wait_until 5 cmd_notepad_holds abcdef ||
    e2e_note "$(probe children Notepad | grep -P '\tclass=Edit\t' | e2e_field text) $(probe windows | grep foreground=1)"

  local s1 s0 s9
  s1=$(cmd_size)
  cmd_choose "margin 0" m 0 && e2e_check "margin 0 writes Margin=0" e2e_wait_until 5 e2e_setting_is Margin 0
  cmd_type ghi
  e2e_check "after a margin what the user types reaches notepad again" e2e_wait_until 5 cmd_notepad_holds abcdefghi
  e2e_wait_until 5 cmd_size_is_not "$s1"; s0=$(cmd_size); e2e_shot margin-0
  cmd_choose "margin 9" m 9 && e2e_check "margin 9 writes Margin=9" e2e_wait_until 5 e2e_setting_is Margin 9
  e2e_wait_until 5 cmd_size_is_not "$s0"; s9=$(cmd_size); e2e_shot margin-9
  e2e_check_equal "margins 1, 0 and 9 grow the indicator by 2 and 18 px" "2 2 18 18" \
    "$(( ${s1%x*} - ${s0%x*} )) $(( ${s1#*x} - ${s0#*x} )) $(( ${s9%x*} - ${s0%x*} )) $(( ${s9#*x} - ${s0#*x} ))"

  local hint="Morvane3™ - Transparent Background"
  cmd_choose "transparency on" t
  e2e_check "the first switch on shows the hint" e2e_wait_until 10 e2e_app_window_titled "$hint" || { e2e_shot no-hint; return; }
  e2e_check "the indicator is hidden while the hint is up" e2e_not e2e_indicator_visible
  e2e_click_control "$(cmd_window "$hint")" "&Do not display this message again"
  e2e_click_control "$(cmd_window "$hint")" "&OK"
  e2e_check "OK closes the hint and the indicator returns" e2e_wait_until 5 e2e_indicator_visible
  e2e_check "the ticked box writes Silent=1, and Transparent=1" e2e_wait_until 3 \
    eval "e2e_setting_is Silent 1 && e2e_setting_is Transparent 1"
  cmd_choose "transparency off" t
  e2e_check "off writes Transparent=0" e2e_wait_until 5 e2e_setting_is Transparent 0

  local colours="Morvane3™ - Set Background Color" dialog id value
  cmd_choose "background colour" b
  e2e_check "the colour dialog opens titled, topmost and centred" e2e_wait_until 10 cmd_topmost_centred "$colours" ||
    { e2e_shot no-colours; return; }
  dialog=$(cmd_window "$colours")
  for id in 706:0 707:128 708:255; do  # red, green and blue of the full-open dialog
    value=${id#*:}
    xdotool mousemove $(e2e_rect_centre "$(probe children "$dialog" | grep -P "\tid=${id%:*}\tclass=Edit\t" | e2e_field rect)")
    xdotool click 1 key End BackSpace BackSpace BackSpace type "$value"; xdotool key Tab
  done
  e2e_click_control "$dialog" OK
  e2e_check "OK writes BackColor=FF8000" e2e_wait_until 5 e2e_setting_is BackColor FF8000
  xdotool mousemove 420 300
  e2e_check "the indicator is painted on the new background" e2e_wait_until 5 cmd_painted_on_the_new_background

  # The font goes to the dialog and back: what it opened on (Tahoma 8 bold), with two effects ticked there.
  local font="Morvane3™ - Set Font & Color"
  cmd_choose "font" f
  e2e_check "the font dialog opens titled, topmost and centred" e2e_wait_until 10 cmd_topmost_centred "$font" ||
    { e2e_shot no-font; return; }
  e2e_click_control "$(cmd_window "$font")" "&Underline" && e2e_click_control "$(cmd_window "$font")" "Stri&keout"
  e2e_click_control "$(cmd_window "$font")" OK
  e2e_check "OK writes Tahoma 8 bold, underlined and struck out" e2e_wait_until 5 cmd_settings_are Name=Tahoma Size=8 \
    Charset=0 Weight=700 Bold=1 Italic=0 Under=1 Strike=1

  cmd_choose "about" a && e2e_check "\"&About...\" opens \"Morvane3™ - About\"" \
    e2e_wait_until 10 e2e_app_window_titled "Morvane3™ - About" && e2e_shot about-dialog
  e2e_click_control "$(cmd_window "Morvane3™ - About")" "&OK"
  e2e_check "its \"&OK\" closes it and the indicator returns" e2e_wait_until 5 e2e_indicator_visible
  cmd_open "the Display submenu" d Up && e2e_shot display-submenu && xdotool key t  # its marks are a Wine test
  e2e_check "\"Over &Text Only\" writes Show=1" e2e_wait_until 5 e2e_setting_is Show 1
  xdotool mousemove 130 135
  e2e_check "over notepad's menu bar the indicator hides" e2e_wait_until 5 e2e_not e2e_indicator_visible
  cmd_choose "Caps Lock mark" d l && e2e_check "\"Caps &Lock Mark\" writes CapsMark=1" e2e_wait_until 5 e2e_setting_is CapsMark 1
  cmd_open "the Display submenu again" d Up && e2e_shot display-submenu-changed && xdotool key Escape Escape
  local before
  cmd_open "after a change" d c && before=$(e2e_now_ms) && cmd_shown_for_the_time "\"After a &Change\" chosen" "$before"
  e2e_check "\"After a &Change\" writes Show=2, the menu closed" eval "e2e_setting_is Show 2 && ! cmd_menu_open"
  # Wine reports no move outside its own windows: the indicator's slow check (at most 8 s apart) finds the
  # pointer on the desktop. Shown there again, and gone after the time; in notepad the move is an event.
  xdotool mousemove 1100 700
  e2e_check "over another window (the desktop) it shows again" e2e_wait_until 10 e2e_indicator_visible &&
    e2e_check "and it is gone after the time" e2e_wait_until 8 e2e_not e2e_indicator_visible
  xdotool mousemove 420 300
  e2e_check "the cursor entering notepad shows it" e2e_wait_until 3 e2e_indicator_visible &&
    e2e_check "and it is gone after the time" e2e_wait_until 8 e2e_not e2e_indicator_visible

  cp "$APP_DIR/Morvane3.dat" "$E2E_SCENARIO_DIR/settings-before-quit.dat"
  cmd_choose "quit" q
  e2e_check "quit ends the program and leaves no window" e2e_wait_until 10 eval "e2e_ended $APP_PID && ! e2e_app_windows"
  e2e_check "the settings file is unchanged byte for byte" \
    cmp -s "$E2E_SCENARIO_DIR/settings-before-quit.dat" "$APP_DIR/Morvane3.dat"
}
e2e_scenario menu_commands 240 scenario_menu_commands
