# The colour and font dialogs of the control menu: titled, topmost and
# centred on the screen; cancelled they write nothing, and a colour typed into
# the colour dialog and confirmed is stored and painted.
# Uses the helpers of 70_menu_commands.sh (cmd_start, cmd_choose...).

# The dialog's rectangle centred on the 1280x800 screen, within 2 px.
cmd_centred() {
  local rect x y
  rect=$(e2e_field rect <<<"$(e2e_app_window_titled "$1")")
  [[ -n $rect ]] || return 1
  read -r x y < <(e2e_rect_centre "$rect")
  e2e_within 2 $((x - 640)) $((y - 400))
}
cmd_topmost() { e2e_app_window_titled "$1" | grep -qP '\ttopmost=1\t'; }

# cmd_dialog_opens <title> <access key>: opens the dialog from the menu and
# checks its title, place and that the indicator is hidden; sets CMD_DIALOG.
cmd_dialog_opens() {
  cmd_choose "$1" 420 300 "$2" || return 1
  e2e_check "the dialog \"$1\" opens" e2e_wait_until 10 e2e_app_window_titled "$1" || { e2e_shot "no-dialog-$2"; return 1; }
  CMD_DIALOG=$(e2e_field hwnd <<<"$(e2e_app_window_titled "$1")")
  e2e_check "\"$1\" is topmost" cmd_topmost "$1"
  e2e_check "\"$1\" is centred on the screen" cmd_centred "$1" ||
    e2e_note "rect: $(e2e_field rect <<<"$(e2e_app_window_titled "$1")")"
  e2e_check "the indicator is hidden while \"$1\" is up" cmd_indicator_hidden
}

# cmd_cancel_writes_nothing <title>: Cancel closes the dialog, the indicator
# returns and the settings file is as it was.
cmd_cancel_writes_nothing() {
  probe click "$CMD_DIALOG" Cancel >/dev/null
  e2e_check "Cancel closes \"$1\"" e2e_wait_until 5 e2e_not e2e_app_window_titled "$1"
  e2e_check "the indicator returns after Cancel" e2e_wait_until 5 e2e_indicator_visible
  e2e_check "Cancel in \"$1\" leaves the settings file unchanged" \
    cmp -s "$E2E_SCENARIO_DIR/settings-before.dat" "$APP_DIR/Morvane3.dat"
}

# Replaces the text of an edit box of the dialog (by control id) by typing.
cmd_type_into() {
  local rect
  rect=$(probe children "$CMD_DIALOG" | grep -P "\tid=$1\tclass=Edit\t" | e2e_field rect)
  [[ -n $rect ]] || return 1
  # shellcheck disable=SC2046
  e2e_mouse_to $(e2e_rect_centre "$rect")
  xdotool click 1
  xdotool key End BackSpace BackSpace BackSpace
  xdotool type --delay 40 "$2"
  xdotool key Tab
}

# How many pixels of a picture have exactly that colour ("R,G,B").
cmd_pixels_of() {
  convert "$E2E_SCENARIO_DIR/$1.png" -depth 8 -format %c histogram:info:- |
    grep -F "($2)" | awk '{ n += $1 } END { print n + 0 }'
}

scenario_menu_colour() {
  cmd_start "[Main]" || return
  cp "$APP_DIR/Morvane3.dat" "$E2E_SCENARIO_DIR/settings-before.dat"
  local title="Morvane3™ - Set Background Color"
  cmd_dialog_opens "$title" b || return
  e2e_shot colour-dialog
  probe children "$CMD_DIALOG" >"$E2E_SCENARIO_DIR/colour-children.txt"
  cmd_cancel_writes_nothing "$title"

  cmd_dialog_opens "$title" b || return
  # Red, Green and Blue of the full-open colour dialog: 0, 128, 255.
  e2e_check "red, green and blue are typed into the dialog" \
    eval 'cmd_type_into 706 0 && cmd_type_into 707 128 && cmd_type_into 708 255'
  e2e_shot colour-typed
  probe click "$CMD_DIALOG" OK >/dev/null
  e2e_check "OK closes the colour dialog" e2e_wait_until 5 e2e_not e2e_app_window_titled "$title"
  e2e_check "the indicator returns" e2e_wait_until 5 e2e_indicator_visible
  e2e_check "the chosen colour is written as \"BackColor\"=FF8000" e2e_wait_until 5 cmd_setting_is Main BackColor FF8000
  e2e_note "BackColor=$(cmd_setting Main BackColor), Custom=$(cmd_setting ShowColor Custom)"
  local rect n
  e2e_mouse_to 420 300; sleep 1
  rect=$(e2e_indicator | grep -P '\tvisible=1\t' | e2e_field rect)
  e2e_shot colour-painted-screen && e2e_crop colour-painted-screen "$rect" colour-painted
  n=$(cmd_pixels_of colour-painted "0,128,255")
  e2e_check "the indicator is painted on the new background" test "${n:-0}" -gt 0 ||
    e2e_note "pixels of 0,128,255: $n; census: $(e2e_colour_census colour-painted)"
}
e2e_scenario menu_colour 120 scenario_menu_colour

scenario_menu_font() {
  cmd_start "[Main]" || return
  cp "$APP_DIR/Morvane3.dat" "$E2E_SCENARIO_DIR/settings-before.dat"
  local title="Morvane3™ - Set Font & Color"
  cmd_dialog_opens "$title" f || return
  e2e_shot font-dialog
  probe children "$CMD_DIALOG" >"$E2E_SCENARIO_DIR/font-children.txt"
  cmd_cancel_writes_nothing "$title"
}
e2e_scenario menu_font 90 scenario_menu_font
