# The position dialog, opened from the control menu ("Set &Position...",
# access key p): the indicator hidden while it is open, the sample painted
# like the indicator and dragged with the real mouse, Enter after the drag
# storing the new offsets and Cancel storing the old ones again. Then, with
# "Hide Over &Full Screen" on, notepad over the whole screen hides the
# indicator until it is smaller again.
# Uses cmd_choose and cmd_window of 70_menu_commands.sh.

pos_title="Morvane3™ - Set Position"
pos_rect() { probe children "$(cmd_window "$pos_title")" | grep -P "\tid=$1\t" | e2e_field rect; }
pos_stored() { e2e_setting_is ShiftX "$1" && e2e_setting_is ShiftY "$2"; }
pos_sample_at() { [[ $(pos_rect 204 | cut -d, -f1,2) == "$1" ]]; }
# Left button held from the sample's centre to (x, y), in steps.
pos_drag() {
  local x0 y0 i
  read -r x0 y0 < <(e2e_rect_centre "$(pos_rect 204)")
  e2e_mouse_to "$x0" "$y0"; xdotool mousedown 1; sleep 0.1
  for ((i = 1; i <= 12; i++)); do e2e_mouse_to $((x0 + ($1 - x0) * i / 12)) $((y0 + ($2 - y0) * i / 12)); sleep 0.05; done
  sleep 0.2; xdotool mouseup 1; sleep 0.2
}
pos_open() {
  cmd_choose "the position dialog" p || return 1
  e2e_check "\"Set &Position...\" opens \"$pos_title\"" e2e_wait_until 10 e2e_app_window_titled "$pos_title" ||
    { e2e_shot no-dialog; return 1; }
  e2e_check "the indicator is hidden while the dialog is open" e2e_not e2e_indicator_visible
}

scenario_position_dialog() {
  e2e_new_app
  e2e_accepted_here
  e2e_write_settings "[Main]" "ShiftX=-40" "ShiftY=20" "FullScreen=1"
  e2e_start_over_notepad || return
  e2e_check_indicator_at "the indicator starts at the stored offsets -40,20" 420 300 -40 20 || return
  sleep 0.3
  e2e_shot indicator-screen && e2e_crop indicator-screen "$(e2e_indicator_rect)" indicator
  pos_open || return
  local cl ct
  IFS=, read -r cl ct _ _ <<<"$(pos_rect 203)"
  e2e_check "the sample starts at the stored offsets from the hot spot" pos_sample_at "$((cl - 40)),$((ct + 20))"
  e2e_shot dialog-screen && e2e_crop dialog-screen "$(pos_rect 204)" sample
  e2e_check_equal "the sample looks like the indicator, pixel for pixel" 0 "$(e2e_pixels_differing indicator sample)"
  pos_drag $((cl - 60)) $((ct - 40))
  e2e_shot dragged
  e2e_check "the dragged sample's corner is at the pointer" e2e_wait_until 3 pos_sample_at "$((cl - 60)),$((ct - 40))"
  xdotool key Return
  e2e_check "Enter after the drag closes the dialog and stores ShiftX=-60, ShiftY=-40" e2e_wait_until 5 \
    eval "! e2e_app_window_titled '$pos_title' >/dev/null && pos_stored -60 -40"
  e2e_mouse_to 640 420
  e2e_check_indicator_at "the indicator sits at the new offsets" 640 420 -60 -40
  e2e_shot after-enter

  pos_open || return
  IFS=, read -r cl ct _ _ <<<"$(pos_rect 203)"
  pos_drag $((cl + 70)) $((ct - 60))
  e2e_write_settings "[Main]" "ShiftX=7" "ShiftY=9" "FullScreen=1"   # Cancel must write the old offsets again
  e2e_check "Cancel can be clicked" e2e_click_control "$(cmd_window "$pos_title")" '&Cancel'
  e2e_check "Cancel stores the old ShiftX=-60, ShiftY=-40 again" e2e_wait_until 5 pos_stored -60 -40
  e2e_mouse_to 300 250
  e2e_check_indicator_at "the indicator is back at its old offsets" 300 250 -60 -40
  e2e_shot after-cancel

  # Full screen: a maximised notepad is no full-screen program, even with its
  # frame over the whole screen (no taskbar here); a window without a caption is.
  local w h; read -r w h <<<"$(xdotool getdisplaygeometry)"
  e2e_mouse_to 420 300; xdotool click 1
  probe move Notepad -8 -8 $((w + 16)) $((h + 16)) >/dev/null && probe maximise Notepad >/dev/null
  e2e_check "notepad maximised in front" e2e_wait_until 5 eval \
    "probe windows Notepad | grep -P '\tclass=Notepad\t' | grep -qP '\tforeground=1\tmaximised=1\trect=-\d+,-\d+,'"
  sleep 0.5   # the foreground window is looked at every 100 ms
  e2e_check "over maximised notepad the indicator stays shown" e2e_indicator_visible
  e2e_shot maximised
  e2e_start_other -- "$E2E_BIN/probe.exe" hold 0 0 "$w" "$h"
  e2e_check "a window without a caption over the whole screen hides the indicator" \
    e2e_wait_until 5 e2e_not e2e_indicator_visible
  e2e_shot full-screen
  kill "$OTHER_PID"
  e2e_check "with it gone the indicator is back" e2e_wait_until 5 e2e_indicator_visible
}
e2e_scenario position_dialog 150 scenario_position_dialog
