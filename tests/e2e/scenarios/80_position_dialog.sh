# The position dialog, opened from the control menu ("Set &Position...",
# access key p): its title, size and controls, the indicator hidden while it
# is open, the sample dragged with the real mouse, OK storing the new offsets
# and Cancel storing the old ones again, and the sample painted exactly like
# the indicator, with and without the transparent background.

E2E_POS_TITLE="Morvane3™ - Set Position"

# Left Shift + middle button through the X server, then "p" in the menu.
e2e_pos_open_dialog() {
  e2e_mouse_to "$1" "$2"
  xdotool keydown Shift_L mousedown 2
  sleep 0.3
  xdotool mouseup 2 keyup Shift_L
  e2e_check "left Shift + middle button opens the control menu" e2e_wait_until 5 e2e_pos_menu_open ||
    { e2e_shot no-menu; return 1; }
  e2e_shot menu
  xdotool key p
  e2e_wait_until 10 e2e_app_window_titled "$E2E_POS_TITLE" || { e2e_shot after-p; probe windows >"$E2E_SCENARIO_DIR/windows-after-p.txt"; return 1; }
}
e2e_pos_menu_open() { probe popup | grep -P '^popup\t' | grep -qF "	exe=$APP_WIN_EXE"; }

e2e_pos_dialog_hwnd() { e2e_app_window_titled "$E2E_POS_TITLE" | e2e_field hwnd; }
# The child of the dialog with that control id (whole "child" record).
e2e_pos_child() { probe children "$(e2e_pos_dialog_hwnd)" | grep -P "\tid=$1\t"; }
e2e_pos_rect_of() { e2e_pos_child "$1" | e2e_field rect; }

# "ShiftX" or "ShiftY" in the settings file beside the copy.
e2e_pos_dat_value() { tr -d '\r' <"$APP_DIR/Morvane3.dat" 2>/dev/null | grep -m1 -oP "^$1=\K-?[0-9]+"; }
e2e_pos_dat_is() { [[ $(e2e_pos_dat_value ShiftX) == "$1" && $(e2e_pos_dat_value ShiftY) == "$2" ]]; }

# e2e_pos_drag <from x> <from y> <to x> <to y>: left button held, in steps.
e2e_pos_drag() {
  local x0=$1 y0=$2 x1=$3 y1=$4 i steps=12
  e2e_mouse_to "$x0" "$y0"
  xdotool mousedown 1
  sleep 0.1
  for ((i = 1; i <= steps; i++)); do
    e2e_mouse_to $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps))
    sleep 0.05
  done
  sleep 0.2
  xdotool mouseup 1
  sleep 0.2
}

# The sample's top-left corner is at "x,y" (screen).
e2e_pos_sample_at() { [[ $(e2e_pos_rect_of 204 | cut -d, -f1,2) == "$1" ]]; }

# e2e_pos_same_pixels "what" <image a> <image b>: same size, no pixel differs.
e2e_pos_check_same_pixels() {
  local size_a size_b diff
  size_a=$(identify -format %wx%h "$E2E_SCENARIO_DIR/$2.png" 2>/dev/null)
  size_b=$(identify -format %wx%h "$E2E_SCENARIO_DIR/$3.png" 2>/dev/null)
  e2e_check_equal "$1: same size" "$size_a" "$size_b"
  diff=$(e2e_pixels_differing "$2" "$3")
  e2e_check_equal "$1: no pixel differs" 0 "${diff:-sizes differ}"
}

# The colour of the top-left pixel of an image (outside the letters when the
# window is cut down to them) replaced with magenta: what shows through
# around the letters becomes the same in two pictures on different backdrops.
e2e_pos_backdrop_to_magenta() {
  local file="$E2E_SCENARIO_DIR/$1.png" colour
  colour=$(convert "$file" -format '%[pixel:p{0,0}]' info:-)
  convert "$file" -fill magenta -opaque "$colour" "$E2E_SCENARIO_DIR/$2.png"
}

# Starts the copy with these settings lines and waits for the indicator at
# the cursor (x, y) with offsets (sx, sy).
e2e_pos_start() {
  local x=$1 y=$2 sx=$3 sy=$4; shift 4
  e2e_new_app
  e2e_accepted_here
  e2e_write_settings "[Main]" "$@"
  # Wine sees the keys and buttons of the gesture only over one of its own
  # windows: notepad lies under the places the scenarios use.
  e2e_start_other -- notepad.exe
  e2e_check "notepad runs" e2e_wait_until 20 e2e_notepad_visible || return 1
  probe move Notepad 100 100 800 500 >/dev/null
  e2e_mouse_to "$x" "$y"
  xdotool click 1
  e2e_start_app
  e2e_check "the indicator is shown" e2e_wait_until 20 e2e_indicator_visible || { e2e_shot no-indicator; return 1; }
  e2e_check_indicator_at "the indicator starts at offsets $sx,$sy" "$x" "$y" "$sx" "$sy"
}

# Shot of the visible indicator, cropped to its rectangle.
e2e_pos_shoot_indicator() {
  local rect
  rect=$(e2e_indicator | grep -P '\tvisible=1\t' | e2e_field rect)
  [[ -n $rect ]] || return 1
  sleep 0.3  # a paint after the last move
  e2e_shot "$1-screen" && e2e_crop "$1-screen" "$rect" "$1"
}

# Shot of the dialog, with the sample cropped out of it.
e2e_pos_shoot_sample() {
  local rect
  rect=$(e2e_pos_rect_of 204)
  [[ -n $rect ]] || return 1
  sleep 0.3
  e2e_shot "$1-screen" && e2e_crop "$1-screen" "$rect" "$1"
}

scenario_position_ok() {
  e2e_pos_start 400 300 0 0 || return
  e2e_pos_shoot_indicator indicator
  e2e_check "the menu item \"Set &Position...\" opens the dialog \"$E2E_POS_TITLE\"" \
    e2e_pos_open_dialog 420 280 || { e2e_shot no-dialog; return; }
  e2e_shot dialog
  local children
  children=$(probe children "$(e2e_pos_dialog_hwnd)")
  printf '%s\n' "$children" >"$E2E_SCENARIO_DIR/dialog-children.txt"
  e2e_check "the indicator is hidden while the dialog is open" e2e_not e2e_indicator_visible
  e2e_check "the menu has closed" e2e_not e2e_pos_menu_open

  local name
  for name in '&Default' '&OK' '&Cancel' \
    'Drag the language indicator to the desired position relative to the cursor:'; do
    e2e_check "the dialog shows \"$name\"" grep -qP "\tvisible=1\t.*\ttext=\Q$name\E$" <<<"$children"
  done
  e2e_check "\"&OK\" is the default button" grep -qP '\tid=207\t.*\tdefault=1\t' <<<"$children"
  e2e_check "\"&Cancel\" holds the focus" grep -qP '\tid=208\t.*\tfocus=1\t' <<<"$children"

  # Layout from the controls' screen rectangles: the label sits at (6, 6) of
  # the client area, the bar spans its width and ends at its bottom.
  local label desktop cursor sample bar ll lt dl dt dr db cl ct cr cb bl bt br bb cw ch
  label=$(e2e_pos_rect_of 201); desktop=$(e2e_pos_rect_of 202); cursor=$(e2e_pos_rect_of 203)
  sample=$(e2e_pos_rect_of 204); bar=$(e2e_pos_rect_of 205)
  IFS=, read -r ll lt _ _ <<<"$label"; IFS=, read -r dl dt dr db <<<"$desktop"
  IFS=, read -r cl ct cr cb <<<"$cursor"; IFS=, read -r bl bt br bb <<<"$bar"
  cw=$((cr - cl)); ch=$((cb - ct))
  local ox=$((ll - 6)) oy=$((lt - 6))
  e2e_note "label $label, preview $desktop, cursor $cursor, sample $sample, bar $bar"
  e2e_check_equal "the client area is (385 + CW) x (383 + CH) with the cursor picture ${cw}x$ch" \
    "$((385 + cw))x$((383 + ch))" "$((br - bl))x$((bb - oy))"
  e2e_check_equal "the bar starts at the client's left edge" "$ox" "$bl"
  e2e_check_equal "the preview is at (3, 26), (380 + CW) x (300 + CH)" \
    "3,26 $((380 + cw))x$((300 + ch))" "$((dl - ox)),$((dt - oy)) $((dr - dl))x$((db - dt))"
  e2e_check_equal "the hot spot is at (190, 150) of the preview's inner area" "190,150" "$((cl - dl - 2)),$((ct - dt - 2))"
  e2e_check_equal "the bar starts on the preview's bottom border row" "$((db - 1))" "$bt"

  local sl st sr sb sw sh
  IFS=, read -r sl st sr sb <<<"$sample"; sw=$((sr - sl)); sh=$((sb - st))
  local iw ih
  IFS=x read -r iw ih < <(e2e_indicator | e2e_field size)
  e2e_check_equal "the sample has the indicator's size" "${iw}x$ih" "${sw}x$sh"
  local ax=$((32 - sw)) ay=$((32 - sh)); ((ax < 8)) && ax=8; ((ay < 8)) && ay=8
  e2e_check_equal "the sample starts at the automatic place" "$((cl + ax)),$((ct + ay))" "$sl,$st"

  e2e_pos_shoot_sample sample
  e2e_pos_check_same_pixels "the sample looks like the indicator" indicator sample

  # 60 px left of and 40 px above the hot spot, clear of the shield.
  local tx=$((cl - 60)) ty=$((ct - 40))
  # shellcheck disable=SC2046
  e2e_pos_drag $(e2e_rect_centre "$sample") "$tx" "$ty"
  e2e_shot dragged
  e2e_check "the dragged sample's top-left corner is at the pointer" e2e_wait_until 3 e2e_pos_sample_at "$tx,$ty"
  local moved fl ft fr fb
  moved=$(e2e_pos_rect_of 204); IFS=, read -r fl ft fr fb <<<"$moved"
  e2e_note "sample after the drag: $moved"
  local shift_x=$((fl - cl)) shift_y=$((ft - ct))
  ((cl + cw - (fr - fl) == fl)) && shift_x=0
  ((ct + ch - (fb - ft) == ft)) && shift_y=0

  e2e_check "OK can be clicked" e2e_click_control "$(e2e_pos_dialog_hwnd)" '&OK'
  e2e_check "OK closes the dialog" e2e_wait_until 5 e2e_not e2e_app_window_titled "$E2E_POS_TITLE"
  e2e_check "OK stores ShiftX=$shift_x, ShiftY=$shift_y" e2e_wait_until 5 e2e_pos_dat_is "$shift_x" "$shift_y" ||
    e2e_note "found ShiftX=$(e2e_pos_dat_value ShiftX) ShiftY=$(e2e_pos_dat_value ShiftY)"
  e2e_check "the indicator is shown again" e2e_wait_until 5 e2e_indicator_visible
  e2e_mouse_to 640 420
  e2e_check_indicator_at "the indicator sits at the new offsets next to the cursor" 640 420 "$shift_x" "$shift_y"
  e2e_shot after-ok
}

scenario_position_cancel() {
  e2e_pos_start 500 400 -40 20 "ShiftX=-40" "ShiftY=20" || return
  e2e_check "the dialog opens" e2e_pos_open_dialog 520 380 || { e2e_shot no-dialog; return; }
  e2e_shot dialog
  local cursor sample cl ct
  cursor=$(e2e_pos_rect_of 203); sample=$(e2e_pos_rect_of 204)
  IFS=, read -r cl ct _ _ <<<"$cursor"
  e2e_check "the sample starts at the stored offsets -40, 20" e2e_pos_sample_at "$((cl - 40)),$((ct + 20))"
  # shellcheck disable=SC2046
  e2e_pos_drag $(e2e_rect_centre "$sample") $((cl + 70)) $((ct - 60))
  e2e_shot dragged
  e2e_check "the sample was dragged" e2e_wait_until 3 e2e_pos_sample_at "$((cl + 70)),$((ct - 60))"
  # Other values in the file meanwhile: Cancel must write the old ones again.
  e2e_write_settings "[Main]" "ShiftX=7" "ShiftY=9"
  e2e_check "Cancel can be clicked" e2e_click_control "$(e2e_pos_dialog_hwnd)" '&Cancel'
  e2e_check "Cancel closes the dialog" e2e_wait_until 5 e2e_not e2e_app_window_titled "$E2E_POS_TITLE"
  e2e_check "Cancel stores the old ShiftX=-40, ShiftY=20 again" e2e_wait_until 5 e2e_pos_dat_is -40 20 ||
    e2e_note "found ShiftX=$(e2e_pos_dat_value ShiftX) ShiftY=$(e2e_pos_dat_value ShiftY)"
  e2e_check "the indicator is shown again" e2e_wait_until 5 e2e_indicator_visible
  e2e_mouse_to 300 250
  e2e_check_indicator_at "the indicator is back at its old offsets" 300 250 -40 20
  e2e_shot after-cancel
}

scenario_position_transparent() {
  e2e_pos_start 400 300 0 0 "Transparent=1" || return
  e2e_pos_shoot_indicator indicator
  e2e_check "the dialog opens" e2e_pos_open_dialog 420 280 || { e2e_shot no-dialog; return; }
  e2e_pos_shoot_sample sample
  local census
  census=$(e2e_colour_census sample)
  e2e_check "the sample shows red letters and no white background" \
    grep -qP '^white=0 red=[1-9]' <<<"$census" || e2e_note "sample pixels: $census"
  # What shows through around the letters differs (the screen behind the
  # indicator, the preview's desktop colour behind the sample).
  e2e_pos_backdrop_to_magenta indicator indicator-letters
  e2e_pos_backdrop_to_magenta sample sample-letters
  e2e_pos_check_same_pixels "the transparent sample looks like the transparent indicator" \
    indicator-letters sample-letters
  e2e_click_control "$(e2e_pos_dialog_hwnd)" '&Cancel'
  e2e_check "Cancel closes the dialog" e2e_wait_until 5 e2e_not e2e_app_window_titled "$E2E_POS_TITLE"
}

e2e_scenario position_ok 90 scenario_position_ok
e2e_scenario position_cancel 75 scenario_position_cancel
e2e_scenario position_transparent 75 scenario_position_transparent
