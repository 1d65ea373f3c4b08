# The first start from a new folder named in Cyrillic and CJK letters (no
# ANSI code page spells it): the first-run dialog, which "&No", Escape and the
# close box each answer by ending the program without writing anything; then
# Enter accepts it, the
# acceptance records the folder as it is and switches autostart on, and the
# indicator starts beside the cursor showing EN. Then the second start from
# the accepted folder: the indicator at once, no dialog; "Start with &Windows"
# shows ticked (choosing it removes the Run value) and ticks again; a second
# copy shows nothing while it runs and ends; "/?" shows the help dialog beside the
# running copy and its "&OK" ends only it.

# The visible windows of copies other than the running one (its Windows process id); its help dialog.
e2e_other_copy_windows() { e2e_app_windows | grep -P '\tvisible=1\t' | grep -vP "\tpid=$1\t"; }
e2e_help_dialog() { e2e_other_copy_windows "$1" | grep -P '\ttitle=Morvane3™$'; }
# first_run_dialog: starts the copy and waits for its first-run dialog: dialog (its record), x and y (its centre).
first_run_dialog() {
  e2e_start_app
  e2e_check "the first-run dialog \"Morvane3™\" is shown" e2e_wait_until 30 e2e_app_window_titled "Morvane3™" || return 1
  dialog=$(e2e_app_window_titled "Morvane3™")
  read -r x y < <(e2e_rect_centre "$(e2e_field rect <<<"$dialog")")
  xdotool mousemove "$x" "$y"   # no window manager: keys go to the window under the pointer
}
# The location, application-path and autostart entries are all missing.
no_entries() { ! e2e_reg_value "$E2E_LOCATION_KEY" && ! e2e_reg_value "$E2E_APP_PATHS_KEY" && ! e2e_reg_value "$E2E_RUN_KEY" "$E2E_RUN_VALUE"; }

scenario_first_run() {
  local dialog x y answer
  e2e_new_app "Папка 工具"
  for answer in "&No" Escape "the close box"; do
    first_run_dialog || { e2e_shot no-dialog; return; }
    case $answer in
      "&No") e2e_click_control "$(e2e_field hwnd <<<"$dialog")" "&No" ;;
      Escape) xdotool key Escape ;;
      *) probe close "$(e2e_field hwnd <<<"$dialog")" ;;
    esac
    e2e_check "$answer ends the program" e2e_wait_until 10 e2e_ended "$APP_PID"
    e2e_check "$answer writes no settings file and no registry entry" eval "[[ ! -e '$APP_DIR/Morvane3.dat' ]] && no_entries"
  done
  first_run_dialog || return
  e2e_shot first-run-dialog
  xdotool key Return
  e2e_check "Enter accepts: the indicator is shown" e2e_wait_until 10 e2e_indicator_visible || { e2e_shot after-enter; return; }
  e2e_check "the dialog has closed" e2e_wait_until 5 e2e_not e2e_app_window_titled "Morvane3™"

  e2e_check_reg "the location key holds the folder" "$E2E_LOCATION_KEY" "" "$APP_WIN_DIR"
  e2e_check_reg "autostart names the executable" "$E2E_RUN_KEY" "$E2E_RUN_VALUE" "$APP_WIN_EXE"

  # Automatic: 18 x 11 px beside a 32 x 32 cursor, its right and bottom edges on the cursor's (at least 8 px away).
  e2e_check_indicator_at "the indicator is beside the cursor" $((x + 14)) $((y + 21))
  e2e_check_shows "the indicator shows EN, red on white" EN indicator

  e2e_end_scenario_processes
  e2e_start_over_notepad || return
  local first=$APP_PID
  e2e_check "started again, no dialog is shown" e2e_not e2e_app_window_titled "Morvane3™"
  cmd_choose "start with Windows, ticked" w
  e2e_check "choosing it removes the Run value" e2e_wait_until 5 e2e_not e2e_reg_value "$E2E_RUN_KEY" "$E2E_RUN_VALUE"
  cmd_choose "start with Windows, unticked" w
  e2e_check_reg "choosing it again writes the Run value" "$E2E_RUN_KEY" "$E2E_RUN_VALUE" "$APP_WIN_EXE"
  local running_pid
  running_pid=$(e2e_indicator | e2e_field pid)
  e2e_start_app
  e2e_check "a second copy shows no window while it runs" e2e_holds 3 e2e_not e2e_other_copy_windows "$running_pid"
  e2e_check "and ends by itself within 5 s" e2e_wait_until 2 e2e_ended "$APP_PID"
  e2e_start_app -- "/?"
  local help=$APP_PID
  e2e_check "\"/?\" while a copy runs shows the help dialog" e2e_wait_until 20 e2e_help_dialog "$running_pid" ||
    { e2e_shot no-help; return; }
  dialog=$(e2e_field hwnd <<<"$(e2e_help_dialog "$running_pid")")
  e2e_check "the help dialog shows only \"&OK\"" eval "probe children $dialog | grep -P '\tvisible=1\t.*\ttext=&(OK|Yes|No)$' |
    grep -oP 'text=\K.*' | paste -sd' ' | grep -qx '&OK'"
  e2e_click_control "$dialog" "&OK"
  e2e_check "\"&OK\" ends the help copy" e2e_wait_until 10 e2e_ended "$help"
  e2e_check "the running copy goes on, its indicator shown" eval "! e2e_ended $first && e2e_indicator_visible"
}
e2e_scenario first_and_second_start 180 scenario_first_run
