# Under a German locale the indicator shows the language of the German
# program under the cursor: red letters on white, beside the cursor, and not
# the letters the same copy shows under the C locale.

# Starts the accepted copy in this locale over a notepad of the same locale
# and keeps a picture of its indicator as <name>.png.
lang_indicator() {
  e2e_start_over_notepad LC_ALL="$1" LANG="$1" || return 1
  e2e_check_indicator_at "the indicator is beside the cursor in $1" 420 300 0 0
  e2e_check_red_on_white "the indicator shows red text on white in $1" "$2"
}

scenario_language_de() {
  if ! e2e_have_locale de_DE.UTF-8; then
    e2e_not_ok "the locale de_DE.UTF-8 is available (locale -a; localedef could not make it)"
    return
  fi
  e2e_new_app
  e2e_accepted_here
  lang_indicator C.UTF-8 indicator-en || return
  e2e_end_scenario_processes
  lang_indicator de_DE.UTF-8 indicator-de || return
  local differing
  differing=$(e2e_pixels_differing indicator-en indicator-de)
  e2e_check "the German indicator shows other letters than the English one" test "${differing:-1}" != 0
}
e2e_scenario language_de 90 scenario_language_de
