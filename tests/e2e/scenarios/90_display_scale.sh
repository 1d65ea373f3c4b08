# At 150 % and 200 % display scale (LogPixels 144 and 192, set before the
# program starts): the first-run dialog and the position dialog show every
# control inside the window, and the indicator is the reference rendering of
# its text in Tahoma 8 bold at that scale, with its margins.

e2e_scale_set_dpi() {
  "$WINE" reg.exe add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# e2e_scale_controls_inside <window hwnd>: every visible control lies inside
# its parent (the window's client area for the window's own controls).
e2e_scale_controls_inside() {
  local client outside
  client=$(probe windows | grep -P "^window\thwnd=$1\t" | e2e_field client)
  outside=$(probe children "$1" | awk -F'\t' -v top="$1" -v client="$client" '
    { for (i = 2; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] } }
    { rect[f["hwnd"]] = f["rect"] }
    f["visible"] == 1 { parent[f["hwnd"]] = f["parent"] == top ? "" : f["parent"]; order[n++] = f["hwnd"] }
    END {
      for (k = 0; k < n; k++) {
        h = order[k]; split(rect[h], c, ","); split(parent[h] == "" ? client : rect[parent[h]], p, ",")
        if (c[1] < p[1] || c[2] < p[2] || c[3] > p[3] || c[4] > p[4]) print h " " rect[h] " outside " p[1] "," p[2] "," p[3] "," p[4]
      }
    }')
  [[ -n $client && -z $outside ]] || { e2e_note "client $client; ${outside:-no client area}"; return 1; }
}

scenario_display_scale() {
  local dpi here size differing dialog x y
  here=$(e2e_windows_path "$E2E_SCENARIO_DIR")
  for dpi in 144 192; do
    e2e_scale_set_dpi "$dpi"
    e2e_new_app
    e2e_reg_delete_key "$E2E_LOCATION_KEY"
    e2e_start_other -- notepad.exe
    e2e_check "notepad runs at $dpi DPI" e2e_wait_until 30 e2e_notepad_visible || break
    # The gesture over notepad, wherever it came up.
    read -r x y < <(e2e_rect_centre "$(probe windows Notepad | grep -P '\tvisible=1\t' | e2e_field rect)")
    e2e_mouse_to "$x" "$y"
    e2e_start_app
    e2e_check "the first-run dialog is shown at $dpi DPI" e2e_wait_until 30 e2e_app_window_titled "Morvane3™" ||
      { e2e_shot "no-dialog-$dpi"; break; }
    sleep 0.5
    e2e_shot "first-run-$dpi"
    dialog=$(e2e_app_window_titled "Morvane3™" | e2e_field hwnd)
    e2e_check "the first-run dialog shows every control inside it at $dpi DPI" e2e_scale_controls_inside "$dialog"
    e2e_check "\"&Yes\" accepts" probe click "$dialog" '&Yes'
    e2e_check "the indicator is shown at $dpi DPI" e2e_wait_until 10 e2e_indicator_visible || break
    e2e_mouse_to $((x + 20)) $((y + 10))
    e2e_check_red_on_white "the indicator is painted at $dpi DPI" "indicator"
    cp "$E2E_SCENARIO_DIR/indicator.png" "$E2E_SCENARIO_DIR/indicator-$dpi.png"
    e2e_expected_indicator EN "$here" || { e2e_not_ok "the probe renders EN"; break; }
    mv "$E2E_SCENARIO_DIR/expected-EN.png" "$E2E_SCENARIO_DIR/expected-EN-$dpi.png"
    size=$(e2e_indicator | grep -P '\tvisible=1\t' | e2e_field size)
    e2e_check_equal "the indicator holds EN with its margins at $dpi DPI" "$E2E_EXPECTED_SIZE" "$size"
    differing=$(e2e_pixels_differing "indicator-$dpi" "expected-EN-$dpi")
    e2e_check_equal "the indicator's pixels are EN in Tahoma bold at $dpi DPI" 0 "${differing:-sizes differ}"

    e2e_check "the position dialog opens at $dpi DPI" e2e_pos_open_dialog $((x + 20)) $((y + 10)) || { e2e_shot "no-position-$dpi"; break; }
    sleep 0.5
    e2e_shot "position-$dpi"
    e2e_check "the position dialog shows every control inside it at $dpi DPI" \
      e2e_scale_controls_inside "$(e2e_pos_dialog_hwnd)"
    xdotool key Escape
    e2e_wait_until 5 e2e_not e2e_app_window_titled "$E2E_POS_TITLE"
    e2e_end_scenario_processes
  done
  "$WINE" reg.exe delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1
}

e2e_scenario display_scale 240 scenario_display_scale
