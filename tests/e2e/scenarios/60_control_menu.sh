# Left Shift + middle button opens the control menu at the cursor; right
# Shift does not. Typing into another program still reaches it while the
# indicator runs.

scenario_control_menu() {
  e2e_new_app
  e2e_accepted_here
  e2e_start_other -- notepad.exe
  e2e_check "notepad runs" e2e_wait_until 20 e2e_notepad_visible || return
  probe move Notepad 100 100 800 500 >/dev/null
  e2e_mouse_to 400 300
  e2e_start_app
  e2e_check "the indicator is shown" e2e_wait_until 20 e2e_indicator_visible || { e2e_shot no-indicator; return; }

  # Clicked into notepad's text, typed there: the indicator must not take the keys.
  xdotool click 1
  xdotool type --delay 40 hello
  e2e_check "typing reaches notepad while the indicator runs" e2e_wait_until 5 e2e_notepad_text_has hello
  e2e_shot typing

  local x=420 y=280
  e2e_mouse_to "$x" "$y"
  e2e_gesture_left
  e2e_check "left Shift + middle button opens a pop-up menu of the program" \
    e2e_wait_until 5 e2e_program_popup || { e2e_shot no-menu; return; }
  e2e_shot menu
  local rect l t
  rect=$(e2e_program_popup | e2e_field rect)
  IFS=, read -r l t _ <<<"$rect"
  e2e_check "the menu opens at the cursor" e2e_within 4 $((l - x)) $((t - y)) ||
    e2e_note "menu at $rect, cursor at $x,$y"

  local menu
  menu=$(probe menu)
  printf '%s\n' "$menu" >"$E2E_SCENARIO_DIR/menu.txt"
  e2e_check_equal "the control menu lists its items" \
    '\t╳|Set &Font && Color...|Set &Background Color...|&Transparent Background|Set &Position...|Set &Margin Width|&Display|Start with &Windows||&About...|&Quit' \
    "$(e2e_menu_captions control <<<"$menu")"
  e2e_check "the first item is the default item" grep -qP '^item\tmenu=control\tpos=0\t.*\tdefault=1\t' <<<"$menu"
  e2e_check "the ninth item is a separator" grep -qP '^item\tmenu=control\tpos=8\t.*\ttype=separator\t' <<<"$menu"
  e2e_check "\"Set &Background Color...\" is enabled" grep -qP '^item\tmenu=control\tpos=2\t.*\tgrayed=0\tdisabled=0\t' <<<"$menu"
  e2e_check_equal "the margin submenu lists 0 to 9 px" '&0 px|&1 px|&2 px|&3 px|&4 px|&5 px|&6 px|&7 px|&8 px|&9 px' \
    "$(e2e_menu_captions control.5 <<<"$menu")"
  e2e_check_equal "only the margin 1 px is checked" '&1 px' \
    "$(grep -P '^item\tmenu=control\.5\t.*\tchecked=1\t' <<<"$menu" | grep -oP '\tcaption=\K.*' | paste -sd'|')"

  xdotool key Escape
  e2e_check "Escape closes the menu" e2e_wait_until 3 e2e_not e2e_program_popup
  e2e_close_popup
  e2e_mouse_to 450 320
  e2e_gesture_right
  e2e_check "right Shift + middle button opens no menu" e2e_not e2e_wait_until 2 e2e_program_popup
  e2e_shot right-shift
  e2e_close_popup
}

# The middle button pressed while the left Shift key is held, both through
# the X server.
e2e_gesture_left() {
  xdotool keydown Shift_L mousedown 2
  sleep 0.3
  xdotool mouseup 2 keyup Shift_L
}

# The same with the right Shift key. Through the X server Wine would hold the
# left Shift key too, so the key goes through Wine's own input; the check
# only counts when the system then holds the right Shift key alone.
e2e_gesture_right() {
  probe key 0xA1 down >/dev/null
  e2e_check "while the right Shift key is held, the left one is not" e2e_right_shift_alone
  xdotool mousedown 2
  sleep 0.3
  xdotool mouseup 2
  probe key 0xA1 up >/dev/null
}
e2e_right_shift_alone() { probe keystate 0xA0 0xA1 | paste -sd' ' | grep -qP 'vk=0xa0\theld=0 .*vk=0xa1\theld=1'; }

e2e_notepad_text_has() { probe children Notepad | grep -P '\tclass=Edit\t' | grep -qF "$1"; }
e2e_program_popup() { probe popup | grep -P '^popup\t' | grep -F "	exe=$APP_WIN_EXE"; }

# The captions of one menu of "probe menu", joined with "|".
e2e_menu_captions() { grep -P "^item\tmenu=\Q$1\E\t" | sed -n 's/.*\tcaption=//p' | paste -sd'|'; }

# Closes a menu left open by choosing its first item, which only closes it.
e2e_close_popup() {
  e2e_program_popup >/dev/null || return 0
  local rect l t r
  rect=$(e2e_program_popup | e2e_field rect)
  IFS=, read -r l t r _ <<<"$rect"
  e2e_mouse_to $((r - 10)) $((t + 8))
  xdotool click 1
  e2e_wait_until 2 e2e_not e2e_program_popup
}

e2e_scenario control_menu 75 scenario_control_menu
