# Starts from a folder where the program was accepted before: the indicator
# at once, no dialog; a second copy ends without showing anything; "/?"
# shows the help dialog beside the running copy and its "&OK" ends only it.

# The visible "Morvane3™" window of a copy other than the running one.
e2e_help_dialog() { e2e_app_window_titled "Morvane3™" | grep -vP "\tpid=$1\t"; }

scenario_second_start() {
  e2e_new_app
  e2e_accepted_here
  e2e_mouse_to 300 300
  e2e_start_app
  local first=$APP_PID
  e2e_check "started from the accepted folder, the indicator is shown" e2e_wait_until 30 e2e_indicator_visible ||
    { e2e_shot no-indicator; return; }
  e2e_check "no dialog is shown" e2e_not e2e_app_window_titled "Morvane3™"
  e2e_shot running
  local running_pid
  running_pid=$(e2e_indicator | e2e_field pid)
  e2e_start_app
  local second=$APP_PID
  e2e_check "a second copy ends by itself within 5 s" e2e_wait_until 5 e2e_ended "$second"
  e2e_check "the second copy showed no window" e2e_not e2e_help_dialog "$running_pid"
  e2e_start_app -- "/?"
  local help=$APP_PID dialog
  e2e_check "\"/?\" while a copy runs shows the help dialog" e2e_wait_until 20 e2e_help_dialog "$running_pid" ||
    { e2e_shot no-help; return; }
  dialog=$(e2e_field hwnd <<<"$(e2e_help_dialog "$running_pid")")
  e2e_shot help-dialog
  e2e_check "the help dialog shows only \"&OK\"" eval "probe children $dialog | grep -P '\tvisible=1\t.*\ttext=&(OK|Yes|No)$' |
    grep -oP 'text=\K.*' | paste -sd' ' | grep -qx '&OK'"
  e2e_click_control "$dialog" "&OK"
  e2e_check "\"&OK\" ends the help copy" e2e_wait_until 10 e2e_ended "$help"
  e2e_check "the running copy goes on, its indicator shown" eval "e2e_running $first && e2e_indicator_visible"
}
e2e_scenario second_start 75 scenario_second_start
