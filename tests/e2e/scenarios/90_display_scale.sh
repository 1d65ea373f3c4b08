# At 150 % and 200 % display scale (LogPixels 144 and 192, set before the
# programs start): the first-run dialog and the position dialog show every
# control inside the window, clear of each other in their designed order, and the indicator holds EN with its margins,
# pixel for pixel the probe's drawing at that scale.
# Uses pos_open of 80_position_dialog.sh.

scenario_display_scale() {
  local dpi dialog
  E2E_OVER="200 200"   # notepad, not aware of the scale, keeps to the top-left corner at 200 %
  for dpi in 144 192; do
    "$WINE" reg.exe add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    e2e_new_app "app-$dpi"
    e2e_notepad_under || break
    e2e_start_app
    e2e_check "the first-run dialog is shown at $dpi DPI" e2e_wait_until 30 e2e_app_window_titled "Morvane3™" ||
      { e2e_shot "no-dialog-$dpi"; break; }
    dialog=$(e2e_app_window_titled "Morvane3™" | e2e_field hwnd)
    e2e_shot "first-run-$dpi"
    e2e_check "the first-run dialog shows every control inside it at $dpi DPI" e2e_controls_inside "$dialog"
    # The icon left of the text, the text above the bar, "&Yes" left of "&No".
    e2e_check "its controls keep their order at $dpi DPI" eval \
      "e2e_in_order $dialog x 101 102 && e2e_in_order $dialog y 102 106 && e2e_in_order $dialog x 107 108"
    e2e_click_control "$dialog" '&Yes'
    e2e_check_shows "the indicator holds EN with its margins at $dpi DPI" EN "indicator-$dpi"
    pos_open || break
    e2e_shot "position-$dpi"
    dialog=$(cmd_window "$pos_title")
    e2e_check "the position dialog shows every control inside it at $dpi DPI" e2e_controls_inside "$dialog"
    # The label above the preview above the bar; "&Default", "&OK", "&Cancel" from left to right.
    e2e_check "its controls keep their order at $dpi DPI" eval "e2e_in_order $dialog y 201 202 205 && e2e_in_order $dialog x 206 207 208"
    e2e_end_scenario_processes
  done
  "$WINE" reg.exe delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1
}
e2e_scenario display_scale 240 scenario_display_scale
