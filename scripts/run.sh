#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it starts a
# virtual X server, waits a few seconds, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Morvane3 -j "$(nproc)"
source scripts/wine-env.sh
if [[ -n "${DISPLAY:-}" ]]; then
  wine_prepare_prefix
  exec "$WINE" build/win64/Morvane3.exe "$@"
fi
wine_start_display
trap wine_stop_display EXIT
wine_prepare_prefix
"$WINE" build/win64/Morvane3.exe "$@" &
sleep "${MORVANE_RUN_SECONDS:-6}"
shot="$PWD/build/run-screenshot.png"
import -window root "$shot"
echo "Screenshot: $shot"
