#!/usr/bin/env bash
# Start-up benchmark: under Xvfb, starts the built program and, the same way, a bare Qt
# window of the same size with a one-item menu bar; measures the time from process start
# until the window is mapped, and the proportional set size once it has been idle for a
# second. Prints the medians and the ratios program/reference.
# Usage: scripts/bench.sh [RUNS]   (default 15)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
runs=${1:-15}

bash scripts/install-deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLUMIVARD_TESTS=OFF -DPLUMIVARD_BENCH=ON >/dev/null
cmake --build build/bench -j "$(nproc)" --target plumivard reference_window map_timer >/dev/null

# shellcheck source=tests/e2e/lib.sh
source tests/e2e/lib.sh
E2E_ARTIFACTS=$PWD/build/bench/artifacts
start_xvfb

program=build/bench/PLUMIVARD/bin/plumivard
reference=build/bench/bench/reference_window

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$E2E_TMP/program"
: >"$E2E_TMP/reference"
# One warm-up of each, so both start from the same file cache.
build/bench/bench/map_timer PLUMIVARD 200 "$program" >/dev/null
build/bench/bench/map_timer PLUMIVARD 200 "$reference" >/dev/null
for ((i = 0; i < runs; i++)); do
  build/bench/bench/map_timer PLUMIVARD 1000 "$program" >>"$E2E_TMP/program"
  build/bench/bench/map_timer PLUMIVARD 1000 "$reference" >>"$E2E_TMP/reference"
done

p_ms=$(cut -d' ' -f1 "$E2E_TMP/program" | median)
r_ms=$(cut -d' ' -f1 "$E2E_TMP/reference" | median)
p_pss=$(cut -d' ' -f2 "$E2E_TMP/program" | median)
r_pss=$(cut -d' ' -f2 "$E2E_TMP/reference" | median)
printf '%-22s %12s %12s\n' "" "start-up ms" "PSS kB"
printf '%-22s %12s %12s\n' "program (median)" "$p_ms" "$p_pss"
printf '%-22s %12s %12s\n' "reference (median)" "$r_ms" "$r_pss"
awk -v a="$p_ms" -v b="$r_ms" -v c="$p_pss" -v d="$r_pss" -v n="$runs" \
  'BEGIN { printf "%-22s %12.2f %12.2f\n(%d runs each)\n", "ratio program/ref", a / b, c / d, n }'
