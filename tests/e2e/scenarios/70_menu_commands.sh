# The commands of the control menu, opened with left Shift + middle button
# and chosen with their access keys: the margin, transparency (with its hint),
# start with Windows, about and quit, each checked in the settings file, the
# registry and the indicator window.

# The value of a key of the scenario's settings file ("" when missing).
cmd_setting() {
  tr -d '\r' <"$APP_DIR/Morvane3.dat" 2>/dev/null |
    awk -v section="[$1]" -v key="$2" '
      /^\[/ { inside = ($0 == section); next }
      inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}
cmd_setting_is() { [[ $(cmd_setting "$1" "$2") == "$3" ]]; }

cmd_program_popup() { probe popup | grep -P '^popup\t' | grep -F "	exe=$APP_WIN_EXE"; }
cmd_two_popups() { (( $(cmd_program_popup | wc -l) >= 2 )); }

# Opens the control menu at (x, y) with the gesture; fails when no menu opens.
cmd_open_menu() {
  e2e_mouse_to "$1" "$2"
  xdotool keydown Shift_L mousedown 2
  sleep 0.3
  xdotool mouseup 2 keyup Shift_L
  e2e_wait_until 5 cmd_program_popup
}

# cmd_choose "what" <x> <y> <key>...: opens the menu and types the keys.
cmd_choose() {
  local what=$1 x=$2 y=$3; shift 3
  if ! cmd_open_menu "$x" "$y"; then
    e2e_not_ok "the menu opens for: $what"; e2e_shot "no-menu-$(date +%s%N)"; return 1
  fi
  local key
  for key; do
    xdotool key "$key"
    # The margin submenu opens a second pop-up; its key only counts once it is up.
    [[ $key == m ]] && e2e_wait_until 3 cmd_two_popups && sleep 0.3
  done
  e2e_wait_until 3 e2e_not cmd_program_popup
}

cmd_indicator_size() { e2e_indicator | grep -P '\tvisible=1\t' | e2e_field size; }
cmd_region() { e2e_indicator | grep -P '\tvisible=1\t' | e2e_field region; }
cmd_region_set() { [[ $(cmd_region) =~ /[1-9][0-9]*$ ]]; }
cmd_region_none() { [[ $(cmd_region) == none ]]; }
# Pixels of a picture that are pure-ish blue.
cmd_blue_pixels() {
  convert "$E2E_SCENARIO_DIR/$1.png" -depth 8 -format %c histogram:info:- |
    sed -nE 's/^ *([0-9]+): *\( *([0-9]+), *([0-9]+), *([0-9]+).*/\1 \2 \3 \4/p' |
    awk '$4 >= 200 && $2 <= 80 && $3 <= 80 { n += $1 } END { print n + 0 }'
}
cmd_indicator_hidden() { e2e_indicator >/dev/null && ! e2e_indicator_visible; }

# Starts an accepted copy with the given settings lines; waits for the
# indicator. Wine sees the keys of the X server only while one of its windows
# has the focus: notepad, clicked, is that window (the menu opens over it).
cmd_start() {
  e2e_new_app
  e2e_accepted_here
  e2e_write_settings "$@"
  e2e_start_other -- notepad.exe
  e2e_check "notepad runs" e2e_wait_until 20 e2e_notepad_visible || return 1
  probe move Notepad 100 100 800 500 >/dev/null
  e2e_mouse_to 400 300
  xdotool click 1
  e2e_start_app
  e2e_check "the indicator is shown" e2e_wait_until 20 e2e_indicator_visible || { e2e_shot no-indicator; return 1; }
}

# ---------------------------------------------------------------- margin

scenario_menu_margin() {
  cmd_start "[Main]" || return
  local s1 s0 s9
  s1=$(cmd_indicator_size)
  cmd_choose "margin 0" 420 300 m 0
  e2e_check "margin 0 writes \"Margin\"=0" e2e_wait_until 5 cmd_setting_is Main Margin 0
  e2e_wait_until 3 e2e_indicator_visible; sleep 0.5
  s0=$(cmd_indicator_size)
  e2e_shot margin-0
  cmd_choose "margin 9" 420 300 m 9
  e2e_check "margin 9 writes \"Margin\"=9" e2e_wait_until 5 cmd_setting_is Main Margin 9
  e2e_wait_until 3 e2e_indicator_visible; sleep 0.5
  s9=$(cmd_indicator_size)
  e2e_shot margin-9
  e2e_note "sizes: margin 1 $s1, margin 0 $s0, margin 9 $s9"
  e2e_check_equal "margin 9 is 18 px wider than margin 0" 18 "$(( ${s9%x*} - ${s0%x*} ))"
  e2e_check_equal "margin 9 is 18 px higher than margin 0" 18 "$(( ${s9#*x} - ${s0#*x} ))"
  e2e_check_equal "margin 1 lies 2 px above margin 0" 2 "$(( ${s1%x*} - ${s0%x*} ))"
}
e2e_scenario menu_margin 90 scenario_menu_margin

# ---------------------------------------------------------------- transparency

cmd_hint_title="Morvane3™ - Transparent Background"

scenario_menu_transparent() {
  cmd_start "[Main]" || return
  cmd_choose "transparency on" 420 300 t
  e2e_check "the first switch on shows the hint \"$cmd_hint_title\"" \
    e2e_wait_until 10 e2e_app_window_titled "$cmd_hint_title" || { e2e_shot no-hint; return; }
  e2e_shot hint
  e2e_check "the indicator is hidden while the hint is up" cmd_indicator_hidden
  local hint children
  hint=$(e2e_field hwnd <<<"$(e2e_app_window_titled "$cmd_hint_title")")
  children=$(probe children "$hint")
  printf '%s\n' "$children" >"$E2E_SCENARIO_DIR/hint-children.txt"
  e2e_check "the hint shows its check box" \
    grep -qP '\tvisible=1\t.*\tchecked=0\ttext=&Do not display this message again$' <<<"$children"
  probe click "$hint" "&Do not display this message again" >/dev/null
  e2e_check "the check box is ticked" e2e_wait_until 3 \
    eval "probe children $hint | grep -qP '\tchecked=1\ttext=&Do not display this message again\$'"
  probe click "$hint" "&OK" >/dev/null
  e2e_check "OK closes the hint" e2e_wait_until 5 e2e_not e2e_app_window_titled "$cmd_hint_title"
  e2e_check "the indicator returns" e2e_wait_until 5 e2e_indicator_visible
  e2e_check "the ticked box writes \"Silent\"=1" e2e_wait_until 3 cmd_setting_is Main Silent 1
  e2e_check "\"Transparent\"=1 is written" e2e_wait_until 3 cmd_setting_is Main Transparent 1
  e2e_check "the indicator is cut to its letters (a region)" e2e_wait_until 5 cmd_region_set
  e2e_note "region: $(cmd_region)"
  e2e_shot transparent-on

  cmd_open_menu 420 300 || { e2e_not_ok "the menu opens again"; return; }
  local menu
  menu=$(probe menu)
  printf '%s\n' "$menu" >"$E2E_SCENARIO_DIR/menu-transparent.txt"
  e2e_shot menu-transparent
  e2e_check "\"Set &Background Color...\" is greyed" grep -qP '^item\tmenu=control\tpos=2\t.*\tgrayed=1\t' <<<"$menu"
  e2e_check "\"&Transparent Background\" is checked" grep -qP '^item\tmenu=control\tpos=3\t.*\tchecked=1\t' <<<"$menu"
  xdotool key t
  e2e_wait_until 3 e2e_not cmd_program_popup
  e2e_check "transparency off writes \"Transparent\"=0" e2e_wait_until 5 cmd_setting_is Main Transparent 0
  e2e_check "off gives the indicator its full rectangle (no region)" e2e_wait_until 5 cmd_region_none
  e2e_note "region: $(cmd_region)"
  e2e_shot transparent-off
  cmd_open_menu 420 300 && menu=$(probe menu)
  e2e_check "\"Set &Background Color...\" is enabled again" grep -qP '^item\tmenu=control\tpos=2\t.*\tgrayed=0\tdisabled=0\t' <<<"$menu"
  xdotool key t
  e2e_wait_until 3 e2e_not cmd_program_popup
  e2e_check "with \"Silent\"=1 the second switch on shows no hint" \
    e2e_not e2e_wait_until 3 e2e_app_window_titled "$cmd_hint_title"
  e2e_check "the second switch on writes \"Transparent\"=1" e2e_wait_until 5 cmd_setting_is Main Transparent 1
  e2e_check "the second switch on cuts the indicator again" e2e_wait_until 5 cmd_region_set
  e2e_shot transparent-again
}
e2e_scenario menu_transparent 120 scenario_menu_transparent

# ---------------------------------------------------------------- start with Windows

scenario_menu_start() {
  e2e_reg_delete_value "$E2E_RUN_KEY" "$E2E_RUN_VALUE"
  cmd_start "[Main]" || return
  cmd_choose "start with Windows on" 420 300 w
  e2e_check_reg "switching on writes the Run value" "$E2E_RUN_KEY" "$E2E_RUN_VALUE" "$APP_WIN_EXE"
  cmd_open_menu 420 300 || { e2e_not_ok "the menu opens again"; return; }
  e2e_check "\"Start with &Windows\" is checked" eval "probe menu | grep -qP '^item\tmenu=control\tpos=7\t.*\tchecked=1\t'"
  e2e_shot menu-start-on
  xdotool key w
  e2e_wait_until 3 e2e_not cmd_program_popup
  e2e_check "switching off removes the Run value" e2e_wait_until 5 e2e_not e2e_reg_value "$E2E_RUN_KEY" "$E2E_RUN_VALUE"
  cmd_open_menu 420 300 || { e2e_not_ok "the menu opens again"; return; }
  e2e_check "\"Start with &Windows\" is unchecked" eval "probe menu | grep -qP '^item\tmenu=control\tpos=7\t.*\tchecked=0\t'"
  xdotool key Escape
  e2e_check "the settings file holds nothing of autostart" e2e_not grep -qi 'Start\|Run' "$APP_DIR/Morvane3.dat"
}
e2e_scenario menu_start 90 scenario_menu_start

# ---------------------------------------------------------------- about

scenario_menu_about() {
  cmd_start "[Main]" || return
  local title="Morvane3™ - About"
  cmd_choose "about" 420 300 a
  e2e_check "the about dialog \"$title\" opens" e2e_wait_until 10 e2e_app_window_titled "$title" || { e2e_shot no-about; return; }
  e2e_shot about
  e2e_check "the indicator is hidden while the dialog is up" cmd_indicator_hidden
  local about children
  about=$(e2e_field hwnd <<<"$(e2e_app_window_titled "$title")")
  children=$(probe children "$about")
  printf '%s\n' "$children" >"$E2E_SCENARIO_DIR/about-children.txt"
  # The link is painted: the visible control right under the text, with blue letters.
  local text_rect link_rect l b
  text_rect=$(grep -P '\tclass=Edit\tvisible=1\t' <<<"$children" | e2e_field rect)
  IFS=, read -r l _ _ b <<<"$text_rect"
  link_rect=$(grep -P "\tvisible=1\t.*\trect=$l,$b," <<<"$children" | e2e_field rect)
  e2e_check "the site link lies right under the text" test -n "$link_rect" || e2e_note "text box: $text_rect"
  if [[ -n $link_rect ]]; then
    e2e_crop about "$link_rect" about-link
    e2e_check "the site link is painted in blue" test "$(cmd_blue_pixels about-link)" -gt 0 ||
      e2e_note "census: $(e2e_colour_census about-link)"
  fi
  e2e_check "the dialog shows \"&OK\"" grep -qP '\tvisible=1\t.*\ttext=&OK$' <<<"$children"
  e2e_check "no \"&Yes\" in about mode" e2e_not grep -qP '\tvisible=1\t.*\ttext=&Yes$' <<<"$children"
  probe click "$about" "&OK" >/dev/null
  e2e_check "OK closes the about dialog" e2e_wait_until 5 e2e_not e2e_app_window_titled "$title"
  e2e_check "the indicator returns" e2e_wait_until 5 e2e_indicator_visible
  e2e_shot after-about
}
e2e_scenario menu_about 90 scenario_menu_about

# ---------------------------------------------------------------- quit

scenario_menu_quit() {
  cmd_start "[Main]" "Margin=3" "BackColor=E0FFFF" "[Font]" "Name=Tahoma" || return
  cp "$APP_DIR/Morvane3.dat" "$E2E_SCENARIO_DIR/settings-before.dat"
  e2e_shot before-quit
  cmd_choose "quit" 420 300 q
  e2e_check "quit ends the program" e2e_wait_until 10 e2e_ended "$APP_PID"
  e2e_shot after-quit
  e2e_check "no window of the program is left" e2e_wait_until 5 e2e_not e2e_app_windows
  e2e_check "the settings file is unchanged byte for byte" \
    cmp -s "$E2E_SCENARIO_DIR/settings-before.dat" "$APP_DIR/Morvane3.dat"
}
e2e_scenario menu_quit 60 scenario_menu_quit
