#!/usr/bin/env bash
# Every #include of src/ points to the same folder or to a layer below it, so no folder sits both
# above and below another: base < model < draws, wheel < session < stats < gen < output, history < eval
# < app < print < ui, cli. Folders on the same level (draws and wheel, output and history, ui and cli) include
# neither each other. Prints each upward or sideways include and fails when there is one.
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"
declare -A rank=([base]=0 [model]=1 [draws]=2 [wheel]=2 [session]=3 [stats]=4 [gen]=5 [output]=6 [history]=6
                 [eval]=7 [app]=8 [print]=9 [ui]=10 [cli]=10)
status=0
for dir in "$src"/*/; do
  layer=$(basename "$dir")
  if [[ -z "${rank[$layer]+set}" ]]; then
    echo "src/$layer: a folder of no layer; give it its place in scripts/check-layers.sh"
    status=1
    continue
  fi
  while IFS=: read -r file line text; do
    target=$(sed -n 's/.*#include "\([A-Za-z]*\)\/.*/\1/p' <<<"$text")
    [[ -z "$target" || "$target" == "$layer" ]] && continue
    if [[ -z "${rank[$target]+set}" ]] || (( rank[$target] >= rank[$layer] )); then
      echo "${file#"$src"/}:$line: $layer includes $target: $text"
      status=1
    fi
  done < <(grep -rn '#include "' "$dir" || true)
done
exit $status
