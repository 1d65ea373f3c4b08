# Enter after dragging the sample in the position dialog presses OK: the
# offsets are written and the indicator comes back at them.

scenario_position_enter() {
  e2e_pos_start 400 300 0 0 || return
  e2e_check "the dialog opens" e2e_pos_open_dialog 420 280 || { e2e_shot no-dialog; return; }
  local cursor sample cl ct
  cursor=$(e2e_pos_rect_of 203); sample=$(e2e_pos_rect_of 204)
  IFS=, read -r cl ct _ _ <<<"$cursor"
  # shellcheck disable=SC2046
  e2e_pos_drag $(e2e_rect_centre "$sample") $((cl - 60)) $((ct - 40))
  e2e_check "the sample was dragged" e2e_wait_until 3 e2e_pos_sample_at "$((cl - 60)),$((ct - 40))"
  e2e_shot dragged
  xdotool key Return
  e2e_check "Enter closes the dialog" e2e_wait_until 5 e2e_not e2e_app_window_titled "$E2E_POS_TITLE"
  e2e_check "Enter stores ShiftX=-60, ShiftY=-40" e2e_wait_until 5 e2e_pos_dat_is -60 -40 ||
    e2e_note "found ShiftX=$(e2e_pos_dat_value ShiftX) ShiftY=$(e2e_pos_dat_value ShiftY)"
  e2e_check "the indicator is shown again" e2e_wait_until 5 e2e_indicator_visible
  e2e_mouse_to 600 420
  e2e_check_indicator_at "the indicator sits at the new offsets" 600 420 -60 -40
  e2e_shot after-enter
}

e2e_scenario position_enter 90 scenario_position_enter
