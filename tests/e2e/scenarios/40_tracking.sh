# The indicator follows the cursor: at the automatic offset without settings,
# at the fixed offset of "ShiftX" / "ShiftY" from the settings file.

scenario_tracking() {
  e2e_new_app
  e2e_accepted_here
  e2e_mouse_to 400 300
  e2e_start_app
  e2e_check "the indicator is shown" e2e_wait_until 20 e2e_indicator_visible || { e2e_shot no-indicator; return; }
  local point x y
  for point in "400 300" "850 560" "120 640"; do
    read -r x y <<<"$point"
    e2e_mouse_to "$x" "$y"
    e2e_check_indicator_at "automatic offset with the cursor at $x,$y" "$x" "$y" 0 0
  done
  e2e_shot automatic
  e2e_end_scenario_processes

  e2e_write_settings "[Main]" "ShiftX=-40" "ShiftY=20"
  e2e_mouse_to 500 400
  e2e_start_app
  e2e_check "the indicator is shown again" e2e_wait_until 20 e2e_indicator_visible || { e2e_shot no-indicator-2; return; }
  for point in "500 400" "300 200"; do
    read -r x y <<<"$point"
    e2e_mouse_to "$x" "$y"
    e2e_check_indicator_at "ShiftX=-40, ShiftY=20 with the cursor at $x,$y: left x-40, top y+20" "$x" "$y" -40 20
  done
  e2e_shot fixed
}

e2e_scenario tracking 60 scenario_tracking
