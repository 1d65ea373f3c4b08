# Under a German locale the indicator shows DE: its pixels are those of "DE"
# in Tahoma 8 bold red on white as the probe draws it, and not those of "EN".

scenario_language_de() {
  if ! e2e_have_locale de_DE.UTF-8; then
    e2e_not_ok "the locale de_DE.UTF-8 is available (locale -a; localedef could not make it)"
    return
  fi
  e2e_new_app
  e2e_accepted_here
  # A German program under the cursor, so the window under it reads German too.
  e2e_start_other LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 -- notepad.exe
  e2e_check "a German notepad runs" e2e_wait_until 20 e2e_notepad_visible || return
  probe move Notepad 100 100 700 450 >/dev/null
  e2e_mouse_to 400 300
  e2e_start_app LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8
  e2e_check "the indicator is shown" e2e_wait_until 20 e2e_indicator_visible || { e2e_shot no-indicator; return; }
  e2e_check_indicator_at "the indicator is beside the cursor" 400 300 0 0
  e2e_check_red_on_white "the indicator shows red text on white" indicator

  local size here
  size=$(e2e_indicator | grep -P '\tvisible=1\t' | e2e_field size)
  here=$(e2e_windows_path "$E2E_SCENARIO_DIR")
  e2e_expected_indicator DE "$here" || { e2e_not_ok "the probe renders DE"; return; }
  e2e_check_equal "the indicator is as large as DE with margin 1" "$E2E_EXPECTED_SIZE" "$size"
  local differing
  differing=$(e2e_pixels_differing indicator expected-DE)
  e2e_check_equal "the indicator's pixels are those of DE in Tahoma 8 bold" 0 "${differing:-sizes differ}"
  e2e_expected_indicator EN "$here" || { e2e_not_ok "the probe renders EN"; return; }
  e2e_check "the indicator shows letters, but not EN" e2e_shows_other_than EN
}

# The indicator's screenshot has red pixels and is not the expected picture
# of the code (of another size, or other pixels).
e2e_shows_other_than() {
  local differing
  e2e_colour_census indicator | grep -qP 'red=[1-9]' || return 1
  differing=$(e2e_pixels_differing indicator "expected-$1")
  [[ ${differing:-1} != 0 ]]
}


# e2e_expected_indicator <code> <scenario folder as Windows path>: the
# indicator as it should look with the default settings (Tahoma 8 bold, red
# on white, margin 1): the text cell with one pixel more on the left and
# right and one row less at the top and bottom, the text drawn one pixel in
# and one row up. Gives expected-<code>.png and E2E_EXPECTED_SIZE.
e2e_expected_indicator() {
  local code=$1 render cell w h
  render=$(probe render "$code" Tahoma 8 1 0000FF FFFFFF "$2\\render-$code.bmp") || return 1
  cell=$(e2e_field size <<<"$render")
  w=$(( ${cell%x*} + 2 )); h=$(( ${cell#*x} - 2 ))
  E2E_EXPECTED_SIZE="${w}x$h"
  convert -size "$E2E_EXPECTED_SIZE" xc:white "$E2E_SCENARIO_DIR/render-$code.bmp" -geometry +1-1 -composite \
    "$E2E_SCENARIO_DIR/expected-$code.png"
}

e2e_scenario language_de 60 scenario_language_de
