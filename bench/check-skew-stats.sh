#!/usr/bin/env bash
# Runs the statistics tool for every lottery and slider position and prints lottery, skew,
# measured and expected share and z; exits non-zero when any |z| exceeds 4.
set -euo pipefail
tool=${1:-build/bench/numora-skew-stats}
tickets=${2:-1000000}
bad=0
for lottery in "649 --lucky 3,7,11,19,23,42" "s7 --lucky 5,9,14,22,31,38,44" \
               "custom --lucky 4,15,60 --balls 64 --drawn 5 --set-size 3"; do
  for skew in 0 10 20 30 40 50 60 70 80 90; do
    line=$($tool --lottery $lottery --skew $skew --tickets "$tickets" --seed 20261209)
    z=$(sed -E 's/.*"z":(-?[0-9.]+).*/\1/' <<<"$line")
    measured=$(sed -E 's/.*"measured_share":([0-9.]+).*/\1/' <<<"$line")
    expected=$(sed -E 's/.*"expected_share":([0-9.]+).*/\1/' <<<"$line")
    printf '%-7s skew %2s  measured %s  expected %s  z %s\n' "${lottery%% *}" "$skew" "$measured" "$expected" "$z"
    awk -v z="$z" 'BEGIN { exit (z > 4 || z < -4) ? 0 : 1 }' && bad=1
  done
done
exit $bad
