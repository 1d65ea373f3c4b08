#!/usr/bin/env bash
# Builds the three configurations and runs every test: native unit tests
# (ctest), the Win32 tests under Wine, and the end-to-end scenarios; checks
# that includes point down the layers and that the tests stay a small share
# of the code. Ends with one summary line: "Total: N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh || exit 1
source scripts/wine-env.sh

passed=0; failed=0
count() { passed=$((passed + $1)); failed=$((failed + $2)); echo "$3: $1 passed, $2 failed"; }
build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$(nproc)" || { echo "build $1 failed"; exit 1; }
}

# Checks that are not tests, each counted as one.
check() {
  local label=$1; shift
  if "$@"; then count 1 0 "$label"; else count 0 1 "$label"; fi
}
check "Layering check" bash scripts/check-layers.sh
if [[ -f ../shared/tools/test-share ]]; then
  check "Test share check" ../shared/tools/test-share
else
  echo "Test share check skipped: ../shared/tools/test-share is not there"
fi

build native
ctest --preset native -j "$(nproc)" --timeout 120 | tee build/native/ctest.log | tail -n 15
total=$(grep -oP 'tests failed out of \K[0-9]+' build/native/ctest.log || echo 0)
bad=$(grep -oP '[0-9]+(?= tests failed out of)' build/native/ctest.log || echo 0)
[[ "$total" -gt 0 ]] || bad=$((bad + 1))
count $((total - bad)) "$bad" "Native unit tests"

build win64
build win32

wine_start_display
wine_prepare_prefix
trap wine_stop_display EXIT

# GoogleTest under Wine: count from its own closing lines.
run_gtest_exe() {
  local exe=$1 label=$2 log="build/win64/$2.log"
  timeout 600 "$WINE" "$exe" --gtest_color=no >"$log" 2>&1; local rc=$?
  tail -n 30 "$log"
  local ok bad
  ok=$(grep -oP '^\[  PASSED  \] \K[0-9]+' "$log" || echo 0)
  bad=$(grep -oP '^\[  FAILED  \] \K[0-9]+(?= tests?,)' "$log" || echo 0)
  if [[ $rc -ne 0 && $bad -eq 0 ]]; then bad=1; echo "$label exited with $rc"; fi
  count "$ok" "$bad" "$label"
}
[[ -f build/win64/morvane_win_tests.exe ]] && run_gtest_exe build/win64/morvane_win_tests.exe "Win32 tests under Wine"

if [[ -x tests/e2e/run.sh ]]; then
  e2e_out=$(bash tests/e2e/run.sh 2>&1); echo "$e2e_out"
  ok=$(grep -oP '^E2E: \K[0-9]+(?= passed)' <<<"$e2e_out" || echo 0)
  bad=$(grep -oP '^E2E: [0-9]+ passed, \K[0-9]+' <<<"$e2e_out" || echo 1)
  count "$ok" "$bad" "End-to-end scenarios"
fi

echo "Total: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
