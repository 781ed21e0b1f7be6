#!/usr/bin/env bash
# Builds and runs every test, in two builds:
#   ci    RelWithDebInfo with warnings as errors: unit, widget and end-to-end tests
#   asan  the same tests built with address, leak and undefined-behaviour sanitizers
# Usage: scripts/test.sh [ci|asan]...   (no argument: both)
# JOBS sets the parallelism (default: every core).
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
root=$PWD
jobs=${JOBS:-$(nproc)}

steps=("$@")
[[ ${#steps[@]} -gt 0 ]] || steps=(ci asan)
for step in "${steps[@]}"; do
  case $step in
    ci | asan) ;;
    *) echo "test.sh: unknown step '$step' (expected ci or asan)" >&2; exit 2 ;;
  esac
done

bash scripts/install-deps.sh || { echo "test.sh: installing dependencies failed" >&2; exit 1; }

# Only sanitized binaries read these. The suppressions cover leaks inside system libraries only.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:print_stacktrace=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

passed=0
failed=0
results=()

configure() {
  local dir=$1
  shift
  local generator=()
  [[ -f $dir/CMakeCache.txt ]] || generator=(-G Ninja)
  cmake -S . -B "$dir" "${generator[@]}" -DPLUMIVARD_TESTS=ON "$@" && cmake --build "$dir" -j "$jobs"
}

# Runs ctest in a build folder and adds its counts to the totals.
run_ctest() {
  local dir=$1
  shift
  local log=$dir/ctest.log status counts
  ctest --test-dir "$dir" --output-on-failure --no-tests=error --timeout 300 -j "$jobs" "$@" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  counts=$(grep -Eo '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [[ $counts =~ ^([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+)$ ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  elif [[ $status -ne 0 ]]; then
    failed=$((failed + 1))
  fi
  return "$status"
}

step_ci() {
  configure build/ci -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ -DPLUMIVARD_WERROR=ON \
    || return 10
  run_ctest build/ci
}

step_asan() {
  configure build/asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DPLUMIVARD_WERROR=ON \
    -DPLUMIVARD_SANITIZE=ON || return 10
  run_ctest build/asan
}

start=$SECONDS
for step in "${steps[@]}"; do
  echo
  echo "==== test.sh: $step"
  step_start=$SECONDS
  "step_$step"
  status=$?
  took=$((SECONDS - step_start))s
  if [[ $status -eq 0 ]]; then
    results+=("$step: ok ($took)")
  elif [[ $status -eq 10 ]]; then
    # A build that fails counts as one failed test, so the totals never look clean.
    failed=$((failed + 1))
    results+=("$step: FAILED to configure or build ($took)")
  else
    results+=("$step: FAILED ($took)")
  fi
done

echo
echo "==== test.sh summary ($((SECONDS - start))s)"
printf '  %s\n' "${results[@]}"
echo "summary: $passed passed, $failed failed"
[[ $failed -eq 0 ]] && ! printf '%s\n' "${results[@]}" | grep -q FAILED
