# After the control menu closes without a dialog (Escape, or a margin chosen)
# the program the user was typing in has the keyboard again.

focus_notepad_text() { probe children Notepad | grep -P '\tclass=Edit\t' | e2e_field text; }
focus_notepad_text_is() { [[ $(focus_notepad_text) == "$1" ]]; }

scenario_menu_focus() {
  cmd_start "[Main]" || return
  xdotool type abc
  e2e_check "typing reaches notepad" e2e_wait_until 5 focus_notepad_text_is abc || return
  cmd_open_menu 420 300 || { e2e_not_ok "the menu opens"; return; }
  xdotool key Escape
  e2e_wait_until 3 e2e_not cmd_program_popup
  xdotool type def
  e2e_check "after Escape typing reaches notepad again" e2e_wait_until 5 focus_notepad_text_is abcdef
  cmd_choose "margin 3" 420 300 m 3
  xdotool type ghi
  e2e_check "after a margin typing reaches notepad again" e2e_wait_until 5 focus_notepad_text_is abcdefghi
  e2e_note "notepad holds: $(focus_notepad_text)"
  e2e_shot after-margin
}

e2e_scenario menu_focus 90 scenario_menu_focus
