# The "&Display" submenu and what its options do to the indicator. Wine's
# cursor handles are per process, so the indicator never sees the I-beam
# here: "over text only" is seen hiding over notepad's menu bar only.
# Uses the helpers of 70_menu_commands.sh (cmd_start, cmd_open_menu...).

disp_checked() { grep -P "^item\tmenu=control\.6\t.*\tchecked=1\t" | grep -oP '\tcaption=\K.*' | paste -sd'|'; }
disp_open_submenu() { cmd_open_menu 420 300 && xdotool key d && e2e_wait_until 3 cmd_two_popups && sleep 0.3; }

scenario_display_menu() {
  cmd_start "[Main]" || return
  disp_open_submenu || { e2e_not_ok "the Display submenu opens"; return; }
  local menu
  menu=$(probe menu)
  e2e_check_equal "the Display submenu lists its items" \
    '&Always|Over &Text Only|After a &Change||Hide Over &Full Screen|Show &Country|Caps &Lock Mark|Hide from &Screenshots' \
    "$(e2e_menu_captions control.6 <<<"$menu")"
  e2e_check_equal "only \"&Always\" is checked" '&Always' "$(disp_checked <<<"$menu")"
  xdotool key t
  e2e_check "\"Over &Text Only\" writes \"Show\"=1" e2e_wait_until 5 cmd_setting_is Main Show 1
  e2e_mouse_to 130 135
  e2e_check "over notepad's menu bar the indicator hides" e2e_wait_until 5 cmd_indicator_hidden
  e2e_shot over-text-only-menu-bar
  disp_open_submenu && xdotool key l
  e2e_check "\"Caps &Lock Mark\" writes \"CapsMark\"=1" e2e_wait_until 5 cmd_setting_is Main CapsMark 1
  disp_open_submenu
  e2e_shot display-submenu-marks
  e2e_check_equal "the marks follow the file at the next opening" 'Over &Text Only|Caps &Lock Mark' \
    "$(probe menu | disp_checked)"
  xdotool key Escape Escape
}
e2e_scenario display_menu 90 scenario_display_menu

scenario_display_after_change() {
  cmd_start "[Main]" "Show=2" "ShowSeconds=3" || return
  e2e_check "after three seconds and a fade the indicator hides" e2e_wait_until 8 cmd_indicator_hidden
  e2e_mouse_to 1100 700
  e2e_check "on another window (the desktop) it shows again" e2e_wait_until 3 e2e_indicator_visible
  e2e_shot after-change-desktop
  e2e_check "and hides again after the time" e2e_wait_until 8 cmd_indicator_hidden
}
e2e_scenario display_after_change 75 scenario_display_after_change

scenario_display_full_screen() {
  cmd_start "[Main]" "FullScreen=1" || return
  local width height
  read -r width height < <(xdotool getdisplaygeometry)
  probe move Notepad 0 0 "$width" "$height" >/dev/null
  e2e_check "notepad over the whole screen hides the indicator" e2e_wait_until 5 cmd_indicator_hidden
  e2e_shot full-screen
  probe move Notepad 100 100 800 500 >/dev/null
  e2e_check "smaller again, the indicator is back" e2e_wait_until 5 e2e_indicator_visible
}
e2e_scenario display_full_screen 75 scenario_display_full_screen

# disp_shows <locale> <text> <settings line>...: the indicator under that
# locale shows exactly the text as the probe draws it.
disp_shows() {
  local locale=$1 text=$2; shift 2
  e2e_have_locale "$locale" || { e2e_not_ok "the locale $locale is available"; return; }
  e2e_new_app
  e2e_accepted_here
  e2e_write_settings "$@"
  e2e_start_other LC_ALL="$locale" LANG="$locale" -- notepad.exe
  e2e_check "notepad runs" e2e_wait_until 20 e2e_notepad_visible || return
  probe move Notepad 100 100 700 450 >/dev/null
  e2e_mouse_to 400 300
  e2e_start_app LC_ALL="$locale" LANG="$locale"
  e2e_check_red_on_white "the indicator is shown" indicator || return
  e2e_expected_indicator "$text" "$(e2e_windows_path "$E2E_SCENARIO_DIR")" || { e2e_not_ok "the probe renders $text"; return; }
  e2e_check_equal "the indicator shows $text: its pixels are those of $text" 0 \
    "$(e2e_pixels_differing indicator "expected-$text" || echo 'sizes differ')"
}
scenario_display_label() { disp_shows de_DE.UTF-8 DEU "[Labels]" "04070407=DEU"; }
e2e_scenario display_label 60 scenario_display_label
scenario_display_country() { disp_shows en_GB.UTF-8 EN-GB "[Main]" "Country=1"; }
e2e_scenario display_country 60 scenario_display_country
