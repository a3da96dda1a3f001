#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite; then builds the library and
# its tests without Qt under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/) and
# runs them, the short fuzz pass of the file readers included.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

summary=()
status=0
run_ctest() {  # <build dir> <label>
  local log
  log="$(mktemp)"
  if (cd "$1" && ctest --output-on-failure -j "$jobs" --timeout 600) 2>&1 | tee "$log"; then :; else status=1; fi
  summary+=("$2: $(grep -E 'tests passed|No tests were found' "$log" | tail -1)")
  rm -f "$log"
}

run_ctest build "Release build"

# Sanitizer build: every report aborts the test that caused it. The fuzz pass and the
# extreme-input sweep run fewer cases here, where each run costs several times more.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
      -DCHASSISLAB_SANITIZE=ON -DCHASSISLAB_BUILD_QT=OFF -DCHASSISLAB_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
export FUZZ_CASES=300 SWEEP_CASES=60
run_ctest build-asan "Sanitizer build (ASan+UBSan, no Qt)"

echo
echo "==== Test summary ===="
for line in "${summary[@]}"; do echo "$line"; done
exit "$status"
