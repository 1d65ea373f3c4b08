# The first start from a new folder: the first-run dialog, Enter accepts it,
# the acceptance records the folder and switches autostart on, and the
# indicator starts beside the cursor, red text on white.

scenario_first_run() {
  e2e_new_app
  e2e_mouse_to 640 400
  e2e_start_app
  # The very first Wine program of the run also starts Wine's desktop: slower.
  e2e_check "the first-run dialog \"Morvane3™\" is shown" \
    e2e_wait_until 30 e2e_app_window_titled "Morvane3™" || { e2e_shot no-dialog; return; }
  local dialog children
  dialog=$(e2e_app_window_titled "Morvane3™")
  e2e_shot first-run-dialog
  children=$(probe children "$(e2e_field hwnd <<<"$dialog")")
  printf '%s\n' "$children" >"$E2E_SCENARIO_DIR/dialog-children.txt"
  e2e_check "the dialog shows \"&Yes\"" grep -qP '\tvisible=1\t.*\ttext=&Yes$' <<<"$children"
  e2e_check "the dialog shows \"&No\"" grep -qP '\tvisible=1\t.*\ttext=&No$' <<<"$children"

  # No window manager: keys go to the window under the pointer.
  local x y
  read -r x y < <(e2e_rect_centre "$(e2e_field rect <<<"$dialog")")
  e2e_mouse_to "$x" "$y"
  xdotool key Return
  e2e_check "Enter accepts: the indicator is shown" e2e_wait_until 10 e2e_indicator_visible || { e2e_shot after-enter; return; }
  e2e_check "the dialog has closed" e2e_wait_until 5 e2e_not e2e_app_window_titled "Morvane3™"

  e2e_check_reg "the location key holds the folder" "$E2E_LOCATION_KEY" "" "$APP_WIN_DIR"
  e2e_check_reg "the location key holds CurrentVersion 3.23" "$E2E_LOCATION_KEY" CurrentVersion "3.23"
  e2e_check_reg "the application-path entry holds the full path" "$E2E_APP_PATHS_KEY" "" "$APP_WIN_EXE"
  e2e_check_reg "the application-path entry's Path holds the folder" "$E2E_APP_PATHS_KEY" Path "$APP_WIN_DIR"
  e2e_check_reg "autostart names the executable" "$E2E_RUN_KEY" "$E2E_RUN_VALUE" "$APP_WIN_EXE"

  e2e_check_indicator_at "the indicator is beside the cursor" "$x" "$y" 0 0
  e2e_check_red_on_white "the indicator shows red text on white" indicator
}

e2e_scenario first_run 60 scenario_first_run
