# "&No" on the first-run dialog ends the program and leaves nothing behind:
# no registry entry, no settings file beside the executable.

scenario_first_run_no() {
  e2e_new_app
  e2e_reg_delete_key "$E2E_LOCATION_KEY"
  e2e_reg_delete_key "$E2E_APP_PATHS_KEY"
  e2e_reg_delete_value "$E2E_RUN_KEY" "$E2E_RUN_VALUE"
  e2e_mouse_to 640 400
  e2e_start_app
  e2e_check "the first-run dialog is shown" \
    e2e_wait_until 20 e2e_app_window_titled "Morvane3™" || { e2e_shot no-dialog; return; }
  e2e_shot first-run-dialog
  e2e_check "\"&No\" can be clicked" \
    e2e_click_control "$(e2e_app_window_titled "Morvane3™" | e2e_field hwnd)" "&No"
  e2e_check "\"&No\" ends the program" e2e_wait_until 10 e2e_ended "$APP_PID"
  e2e_check "no location key is written" e2e_not e2e_reg_key_exists "$E2E_LOCATION_KEY"
  e2e_check "no application-path entry is written" e2e_not e2e_reg_key_exists "$E2E_APP_PATHS_KEY"
  e2e_check "no autostart value is written" e2e_not e2e_reg_value "$E2E_RUN_KEY" "$E2E_RUN_VALUE"
  e2e_check "no settings file is written beside the executable" \
    e2e_not compgen -G "$APP_DIR/*.dat"
}

e2e_scenario first_run_no 45 scenario_first_run_no
