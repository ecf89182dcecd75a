#!/usr/bin/env bash
# Writes assets/docs/share-table.json: the exact expected share of lucky numbers in a 6/49
# ticket with six lucky numbers at each slider position, for the user guides' table.
set -euo pipefail
tool=${1:-build/bench/numora-skew-stats}
out=${2:-assets/docs/share-table.json}
{
  echo "{"
  for s in 0 10 20 30 40 50 60 70 80 90; do
    e=$($tool --lottery 649 --lucky 3,7,11,19,23,42 --skew $s --tickets 1 --seed 1 \
        | sed -E 's/.*"expected_share":([0-9.]+).*/\1/')
    sep=","; [ "$s" = 90 ] && sep=""
    echo "  \"$s\": $e$sep"
  done
  echo "}"
} > "$out"
