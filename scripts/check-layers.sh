#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer, or of another
# module on its own layer. Layers from the bottom: resources, platform,
# services, pickers and about, menu, indicator, position, startup.
set -uo pipefail
cd "$(dirname "$0")/.."
declare -A layer=([resources]=0 [platform]=1 [services]=2 [pickers]=3 [about]=3
                  [menu]=4 [indicator]=5 [position]=6 [startup]=7)
bad=0
while IFS=: read -r file _ included; do
  from=${file#src/}; from=${from%%/*}
  to=${included#*\"}; to=${to%%/*}
  [[ -n ${layer[$to]:-} && $from != "$to" ]] || continue
  if (( layer[$to] >= layer[$from] )); then
    echo "layering: $file includes ${included#*#include }"
    bad=1
  fi
done < <(grep -rn '^#include "' src --include='*.h' --include='*.cpp')
(( bad == 0 )) && echo "layering: every include points down"
exit $bad
