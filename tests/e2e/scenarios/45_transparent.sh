# A stored "Transparent" of 1 starts the indicator cut down to its letters:
# the window has a region inside its rectangle, and the screenshot of that
# rectangle shows red letters over the (black) desktop with no white left.

# The indicator's region field: "L,T,R,B/count" in window coordinates, or "none".
e2e_indicator_region() { e2e_indicator | grep -P '\tvisible=1\t' | e2e_field region; }

e2e_indicator_region_set() { [[ $(e2e_indicator_region) =~ ^[0-9-]+,[0-9-]+,[0-9]+,[0-9]+/[1-9][0-9]*$ ]]; }

# The region's box lies inside the window's own rectangle.
e2e_region_inside_window() {
  local rect region l t r b rl rt rr rb
  rect=$(e2e_indicator | e2e_field rect); region=$(e2e_indicator_region)
  IFS=, read -r l t r b <<<"$rect"; IFS=,/ read -r rl rt rr rb _ <<<"$region"
  (( rl >= 0 && rt >= 0 && rr <= r - l && rb <= b - t ))
}

# Letters only: red pixels and no white background left in the rectangle.
e2e_letters_only() {
  local rect census
  rect=$(e2e_indicator | grep -P '\tvisible=1\t' | e2e_field rect)
  [[ -n $rect ]] || return 1
  e2e_shot "$1-screen" && e2e_crop "$1-screen" "$rect" "$1" || return 1
  census=$(e2e_colour_census "$1")
  echo "$census" >"$E2E_SCENARIO_DIR/$1-census.txt"
  [[ $(grep -oP 'white=\K[0-9]+' <<<"$census") -eq 0 && $(grep -oP 'red=\K[0-9]+' <<<"$census") -gt 0 ]]
}

scenario_transparent() {
  e2e_new_app
  e2e_accepted_here
  e2e_write_settings "[Main]" "Transparent=1"
  e2e_mouse_to 420 330
  e2e_start_app
  e2e_check "the indicator is shown" e2e_wait_until 20 e2e_indicator_visible || { e2e_shot no-indicator; return; }
  e2e_check "the indicator has a non-empty window region" e2e_wait_until 5 e2e_indicator_region_set
  e2e_note "region: $(e2e_indicator_region)"
  e2e_check "the region lies inside the window" e2e_region_inside_window
  e2e_check "only the red letters are on screen, no white background" e2e_wait_until 5 e2e_letters_only letters
}

e2e_scenario transparent 60 scenario_transparent
