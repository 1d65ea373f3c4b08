#!/usr/bin/env bash
# End-to-end scenarios: the real program (build/win64/Morvane3.exe) under
# Wine on a virtual X server of its own, driven with xdotool and observed with
# the probe (tests/e2e/tools/probe.cpp), the registry and screenshots.
#
#   tests/e2e/run.sh [scenario...]     all scenarios, or only those named
#   E2E_BIN=build/other tests/e2e/run.sh   take Morvane3.exe and probe.exe from there
#
# A scenario is a function in a file of its own, tests/e2e/scenarios/NN_name.sh
# (run in the order of the names), built from the helpers of lib.sh and
# registered with "e2e_scenario <name> <time limit in s> <function>".
# The last line counts checks: "E2E: N passed, M failed".
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_SCENARIOS=()
e2e_scenario() { E2E_SCENARIOS+=("$*"); }
for file in "$(dirname "${BASH_SOURCE[0]}")"/scenarios/*.sh; do
  # shellcheck source=/dev/null
  source "$file"
done
# One scenario, as the loop below starts it under a time limit.
if [[ ${1:-} == --scenario ]]; then e2e_run_scenario "$2" "$3"; exit; fi
E2E_SCENARIO=setup
mkdir -p "$E2E_OUT"
: >"$E2E_RESULTS"
trap 'e2e_stop_all; echo "E2E: $(grep -c "^ok - " "$E2E_RESULTS") passed, $(grep -c "^not ok - " "$E2E_RESULTS") failed"' EXIT

[[ -f "$E2E_BIN/Morvane3.exe" && -f "$E2E_BIN/probe.exe" ]] || { e2e_not_ok "Morvane3.exe and probe.exe are built in $E2E_BIN"; exit 1; }
# Wine reads command lines and writes names in the locale's character set.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
e2e_start_display || { e2e_not_ok "a virtual X server starts"; exit 1; }
e2e_prepare_prefix
started=$(e2e_now_ms)
for entry in "${E2E_SCENARIOS[@]}"; do
  read -r name limit fn <<<"$entry"
  (($#)) && [[ " $* " != *" $name "* ]] && continue
  echo "# scenario $name"
  timeout -k 10 "$limit" bash "${BASH_SOURCE[0]}" --scenario "$name" "$fn"
  (($? == 124)) && E2E_SCENARIO=$name e2e_not_ok "finished within $limit s"
done
echo "# scenarios took $(( ($(e2e_now_ms) - started) / 1000 )) s"
