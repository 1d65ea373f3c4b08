# Starts from a folder where the program was accepted before: the indicator
# at once, no dialog; a second copy ends without showing anything; "/?"
# shows the help dialog beside the running copy and its "&OK" ends only it.

scenario_second_start() {
  e2e_new_app
  e2e_accepted_here
  e2e_mouse_to 300 300
  e2e_start_app
  local first=$APP_PID saw_dialog=0 deadline=$(( $(e2e_now_ms) + 30000 ))
  while (( $(e2e_now_ms) < deadline )); do
    e2e_app_window_titled "Morvane3™" >/dev/null && saw_dialog=1
    e2e_indicator_visible && break
    sleep 0.2
  done
  e2e_check "started from the accepted folder, the indicator is shown" e2e_indicator_visible || { e2e_shot no-indicator; return; }
  e2e_check "no dialog is shown" test "$saw_dialog" = 0
  e2e_shot running
  local running_pid
  running_pid=$(e2e_indicator | e2e_field pid)

  e2e_start_app
  local second=$APP_PID shown=0
  deadline=$(( $(e2e_now_ms) + 5000 ))
  while (( $(e2e_now_ms) < deadline )) && e2e_running "$second"; do
    e2e_app_windows | grep -P '\tvisible=1\t' | grep -vqP "\tpid=$running_pid\t" && shown=1
    sleep 0.2
  done
  e2e_check "a second copy ends by itself within 5 s" e2e_ended "$second"
  e2e_check "the second copy shows no window" test "$shown" = 0
  e2e_check "the first copy keeps running" e2e_running "$first"

  e2e_start_app -- "/?"
  local help=$APP_PID
  e2e_check "\"/?\" while a copy runs shows the help dialog" \
    e2e_wait_until 20 e2e_help_dialog "$running_pid" || { e2e_shot no-help; return; }
  local dialog children
  dialog=$(e2e_help_dialog "$running_pid")
  e2e_shot help-dialog
  children=$(probe children "$(e2e_field hwnd <<<"$dialog")")
  printf '%s\n' "$children" >"$E2E_SCENARIO_DIR/help-children.txt"
  e2e_check "the help dialog shows \"&OK\"" grep -qP '\tvisible=1\t.*\ttext=&OK$' <<<"$children"
  e2e_check "the help dialog shows neither \"&Yes\" nor \"&No\"" \
    e2e_not grep -qP '\tvisible=1\t.*\ttext=&(Yes|No)$' <<<"$children"
  e2e_click_control "$(e2e_field hwnd <<<"$dialog")" "&OK"
  e2e_check "\"&OK\" ends the help copy" e2e_wait_until 10 e2e_ended "$help"
  e2e_check "the running copy goes on" e2e_running "$first"
  e2e_check "its indicator is still shown" e2e_indicator_visible
}

# The visible "Morvane3™" window of a copy other than the running one.
e2e_help_dialog() { e2e_app_window_titled "Morvane3™" | grep -vP "\tpid=$1\t"; }

e2e_scenario second_start 75 scenario_second_start
