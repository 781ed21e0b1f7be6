#!/usr/bin/env bash
# Builds PLUMIVARD (Release, in build/) and launches it. The program reads no command line.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh

# Keep whatever generator an existing build/ was made with.
generator=()
[[ -f build/CMakeCache.txt ]] || generator=(-G Ninja)
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DPLUMIVARD_TESTS=OFF
cmake --build build -j "$(nproc)" --target plumivard

exec build/PLUMIVARD/bin/plumivard
