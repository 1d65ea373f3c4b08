# A folder whose name the ANSI code page cannot spell (Cyrillic and CJK
# letters): the first start asks, the registry holds the folder as it is, the
# second start does not ask, and "Start with &Windows" shows ticked, unticks
# and ticks again.

wide_start_item_is() { probe menu | grep -qP "^item\tmenu=control\tpos=7\t.*\tchecked=$1\t"; }

scenario_wide_folder() {
  APP_DIR="$E2E_SCENARIO_DIR/Папка 工具"
  mkdir -p "$APP_DIR" && cp "$E2E_BIN/Morvane3.exe" "$APP_DIR/"
  APP_WIN_DIR="$(e2e_windows_path "$APP_DIR")"; APP_WIN_DIR="${APP_WIN_DIR%\\}"
  APP_WIN_EXE="$APP_WIN_DIR\\Morvane3.exe"
  e2e_reg_delete_key "$E2E_LOCATION_KEY"
  e2e_reg_delete_value "$E2E_RUN_KEY" "$E2E_RUN_VALUE"
  e2e_start_other -- notepad.exe
  e2e_check "notepad runs" e2e_wait_until 20 e2e_notepad_visible || return
  local x y n
  read -r x y < <(e2e_rect_centre "$(probe windows Notepad | grep -P '\tvisible=1\t' | e2e_field rect)")
  e2e_mouse_to "$x" "$y"
  xdotool click 1

  e2e_start_app
  e2e_check "the first start asks" e2e_wait_until 30 e2e_app_window_titled "Morvane3™" || { e2e_shot no-dialog; return; }
  e2e_shot first-start
  probe click "$(e2e_app_window_titled "Morvane3™" | e2e_field hwnd)" '&Yes' >/dev/null
  e2e_check "the indicator runs" e2e_wait_until 10 e2e_indicator_visible || return
  e2e_check_reg "the location key holds the folder as it is" "$E2E_LOCATION_KEY" "" "$APP_WIN_DIR"
  e2e_check_reg "the application-path entry holds the path" "$E2E_APP_PATHS_KEY" "" "$APP_WIN_EXE"
  e2e_check_reg "autostart holds the path" "$E2E_RUN_KEY" "$E2E_RUN_VALUE" "$APP_WIN_EXE"
  e2e_end_scenario_processes

  e2e_start_other -- notepad.exe
  e2e_wait_until 20 e2e_notepad_visible
  e2e_mouse_to "$x" "$y"
  xdotool click 1
  e2e_start_app
  e2e_check "the second start does not ask" e2e_wait_until 20 e2e_indicator_visible || { e2e_shot second-start; return; }
  e2e_check "no dialog is shown" e2e_not e2e_app_window_titled "Morvane3™"
  for n in 1 0; do
    cmd_open_menu "$x" "$y" || { e2e_not_ok "the menu opens"; return; }
    e2e_check "\"Start with &Windows\" shows checked=$n" wide_start_item_is "$n"
    e2e_shot "menu-$n"
    xdotool key w
    e2e_wait_until 3 e2e_not cmd_program_popup
  done
  cmd_open_menu "$x" "$y" && e2e_check "\"Start with &Windows\" ends ticked" wide_start_item_is 1
  xdotool key Escape
  e2e_check_reg "autostart holds the path again" "$E2E_RUN_KEY" "$E2E_RUN_VALUE" "$APP_WIN_EXE"
}

e2e_scenario wide_folder 150 scenario_wide_folder
