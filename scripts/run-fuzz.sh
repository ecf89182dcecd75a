#!/usr/bin/env bash
# Runs each fuzz target for a bounded time from its kept corpus and regressions:
# scripts/run-fuzz.sh BUILD_DIR SECONDS TARGET...
# A crash fails the run; the input that caused it is kept in fuzz/regressions/TARGET/.
set -u
build=$1; seconds=$2; shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$@"; do
  corpus=$(mktemp -d)
  cp -r "$root/fuzz/corpus/$target/." "$corpus/" 2>/dev/null
  cp -r "$root/fuzz/regressions/$target/." "$corpus/" 2>/dev/null
  mkdir -p "$root/fuzz/regressions/$target"
  if "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$root/fuzz/regressions/$target/" -print_final_stats=0 "$corpus" \
       > "$build/fuzz-$target.log" 2>&1; then
    echo "fuzz $target: $(grep -Eo 'Done [0-9]+ runs' "$build/fuzz-$target.log" | tail -1) in ${seconds}s, no crash"
  else
    echo "fuzz $target: FAILED, see $build/fuzz-$target.log; the input is in fuzz/regressions/$target/" >&2
    tail -30 "$build/fuzz-$target.log" >&2
    status=1
  fi
  rm -rf "$corpus"
done
exit $status
