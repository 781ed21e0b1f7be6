#!/usr/bin/env bash
# End-to-end test: the built program on a private Xvfb, used through the X server.
# Usage: tests/e2e/run.sh BINARY
# Screenshots and logs go to $E2E_ARTIFACTS (default: ./e2e-artifacts).
set -uo pipefail

if [[ $# -ne 1 || ! -x $1 ]]; then
  echo "usage: $0 BINARY (an executable)" >&2
  exit 2
fi
binary=$1

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_xvfb || exit 1
start_app "$binary"

win=$(wait_window PLUMIVARD)
check "the main window appears" test -n "$win"

if [[ -n $win ]]; then
  check "the main window takes the focus" focus "$win"
  read -r width height < <(window_size "$win")
  check "the main window is 194 wide" equals 194 echo "$width"
  check "the main window is at least 358 high" test "${height:-0}" -ge 358
  screenshot main-window

  focus "$win"
  key ctrl+q
  wait_app_exit 20
  status=$?
  check "the quit shortcut ends the program with status 0" equals 0 echo "$status"
else
  screenshot no-window
fi

if ! summary; then
  echo "--- program output ($E2E_ARTIFACTS/app.log):"
  cat "$E2E_ARTIFACTS/app.log"
  exit 1
fi
