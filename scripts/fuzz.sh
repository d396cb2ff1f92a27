#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, every library they call instrumented
# (ASan + UBSan + coverage), and runs each in turn on its seed corpus for a
# share of the given total number of seconds (default 100). Prints what each
# target covered; fails on any crash, leak, timeout, out-of-memory or UBSan
# report. A longer campaign: KINSKETCH_FUZZ_TARGETS=fuzz_gdr_decoders
# scripts/fuzz.sh 3600 (the inputs it finds stay in build-fuzz/corpus).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
total_seconds="${1:-100}"
build="$root/build-fuzz"
targets=(${KINSKETCH_FUZZ_TARGETS:-fuzz_gdr_decoders fuzz_handed_in_document fuzz_handed_in_picture
  fuzz_launcher_profile fuzz_launcher_reg_file})
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DCMAKE_CXX_COMPILER=clang++-14 -DKINSKETCH_FUZZ=ON -DKINSKETCH_BUILD_GUI=ON \
  -DKINSKETCH_BUILD_TESTS=OFF -DKINSKETCH_BUILD_BENCH=OFF -DKINSKETCH_BUILD_LAUNCHER=ON >/dev/null
if ! cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" >"$build/build.log" 2>&1; then
  cat "$build/build.log"
  exit 1
fi

# Seeds per target: every document layout and its edge cases (and every input
# that once crashed) for the document readers, settings files and registry
# exports for the launcher's.
seeds_of() {
  case "$1" in
    fuzz_launcher_profile) echo "$root/fuzz/corpus/launcher_profile $root/tests/fixtures/launcher" ;;
    fuzz_launcher_reg_file) echo "$root/fuzz/corpus/launcher_reg_file" ;;
    *) echo "$root/fuzz/corpus/gdr $root/tests/fixtures/documents $root/tests/fixtures/canvas" ;;
  esac
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp"
seconds=$((total_seconds / ${#targets[@]}))
[ "$seconds" -ge 1 ] || seconds=1
mkdir -p "$build/artifacts" "$build/logs"
failed=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus"
  echo "== $target for $seconds s"
  status=0
  # The first folder receives what the run finds; the seed folders stay as they are.
  # shellcheck disable=SC2046
  "$build/fuzz/$target" "$corpus" $(seeds_of "$target") -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
    >"$log" 2>&1 || status=$?
  grep -E '^INFO: Loaded [0-9]+ modules|#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs|^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
    "$log" || true
  # A UBSan report that did not abort still fails the step.
  if [ "$status" -ne 0 ] || grep -qE 'runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)' "$log"; then
    tail -n 60 "$log"
    echo "$target FAILED (exit $status); the input is in $build/artifacts/"
    failed+=("$target")
  fi
done
if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzzing failed: ${failed[*]}"
  exit 1
fi
echo "fuzzing: ${#targets[@]} targets, ${seconds} s each, without a crash, hang, leak or UBSan report"
