#!/usr/bin/env bash
# Runs each fuzz target for a bounded time from its kept corpus and regressions:
# scripts/run-fuzz.sh BUILD_DIR SECONDS TARGET...
# A crash fails the run; the input that caused it is kept in fuzz/regressions/TARGET/.
set -u
build=$1; seconds=$2; shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
# Each target's seed inputs, and the folder that keeps the inputs that once broke it.
declare -A seeds=(
  [rtf]="tests/help/rtf-fixtures tests/help/rtf-regressions"
  [settings_text]="fuzz/corpus/settings fuzz/regressions/settings"
)
declare -A regressions=([rtf]=tests/help/rtf-regressions [settings_text]=fuzz/regressions/settings)
declare -A options=([rtf]="-dict=$root/fuzz/rtf.dict")
status=0
for target in "$@"; do
  corpus=$(mktemp -d)
  for dir in ${seeds[$target]}; do cp -r "$root/$dir/." "$corpus/"; done
  kept=$root/${regressions[$target]}
  mkdir -p "$kept"
  if "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       ${options[$target]:-} -artifact_prefix="$kept/" -print_final_stats=0 "$corpus" \
       > "$build/fuzz-$target.log" 2>&1; then
    echo "fuzz $target: $(grep -Eo 'Done [0-9]+ runs' "$build/fuzz-$target.log" | tail -1) in ${seconds}s, no crash"
  else
    echo "fuzz $target: FAILED, see $build/fuzz-$target.log; the input is in ${regressions[$target]}/" >&2
    tail -30 "$build/fuzz-$target.log" >&2
    status=1
  fi
  rm -rf "$corpus"
done
exit $status
