# The code of the keyboard language of the program under the cursor, by
# locale: one accepted copy started over a notepad of the same locale, with
# notepad in front (its focus thread is the one read), shows exactly the
# expected text: DE, a label of the "Labels" section, the country after the
# code (EN under the C locale is the first start's).

# lang_shows <locale> <text> <settings line>...
lang_shows() {
  locale -a | grep -qix "${1/UTF-8/utf8}" || localedef -i "${1%%.*}" -f UTF-8 "$1" >/dev/null 2>&1
  e2e_check "the locale $1 is available" eval "locale -a | grep -qix '${1/UTF-8/utf8}'" || return
  e2e_write_settings "${@:3}"
  e2e_start_over_notepad LC_ALL="$1" LANG="$1" || return
  e2e_check "notepad in $1 is the foreground window" eval "probe windows Notepad | grep -qP '\tclass=Notepad\t.*\tforeground=1\t'"
  e2e_check_shows "over it the indicator shows $2" "$2" "indicator-$2"
  e2e_end_scenario_processes
}

scenario_language_de() {
  e2e_new_app
  e2e_accepted_here
  lang_shows de_DE.UTF-8 DE "[Main]"
  lang_shows de_DE.UTF-8 DEU "[Labels]" "04070407=DEU"
  lang_shows en_GB.UTF-8 EN-GB "[Main]" "Country=1"
}
e2e_scenario language_de 180 scenario_language_de
