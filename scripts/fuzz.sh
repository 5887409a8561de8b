#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan), replays every seed and regression input,
# then fuzzes each target for a bounded time (FUZZ_SECONDS, 60 by default). A crash or a
# sanitizer report fails the run; what it found is left in the work directory it names.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work="$(mktemp -d /tmp/kinemora-fuzz.XXXXXX)"
for target in picture text; do
  fuzzer="build-fuzz/tests/fuzz/${target}_fuzz"
  mkdir -p "$work/$target"
  echo "== $target: replaying seeds and regressions"
  inputs=("tests/fuzz/corpus/$target")
  [ -d "tests/fuzz/regressions/$target" ] && inputs+=("tests/fuzz/regressions/$target")
  find "${inputs[@]}" -type f -print0 |
    xargs -0 "$fuzzer" -rss_limit_mb=2048 >"$work/$target.replay.log" 2>&1 ||
    { tail -40 "$work/$target.replay.log"; exit 1; }
  echo "== $target: fuzzing for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$work/$target-" "$work/$target" "tests/fuzz/corpus/$target" \
    >"$work/$target.log" 2>&1 || { tail -60 "$work/$target.log"; exit 1; }
  grep -E '^stat::number_of_executed_units' "$work/$target.log" || true
done
rm -rf "$work"
echo "fuzzing: no crash, no sanitizer report"
