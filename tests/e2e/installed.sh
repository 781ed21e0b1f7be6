#!/usr/bin/env bash
# The installed program finds its picture: installs the build into a scratch prefix and
# checks, through the X server, that the colour picker button shows the icon.
# Usage: tests/e2e/installed.sh BUILD_DIR
set -uo pipefail

[[ $# -eq 1 && -d $1 ]] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start_xvfb || exit 1

prefix=$E2E_TMP/prefix
cmake --install "$1" --prefix "$prefix" >"$E2E_ARTIFACTS/install.log" 2>&1
check "the build installs" test -x "$prefix/bin/plumivard"

start_app "$prefix/bin/plumivard"
win=$(wait_window PLUMIVARD)
check "the installed program opens its window" test -n "$win"
if [[ -n $win ]]; then
  read -r _ _ _ height < <(window_geometry "$win")
  top=$((height - 358))
  # The icon's cyan dot, in the button at 158,262 of the content area.
  check "the colour picker button shows its icon" eventually equals 00AEEF window_pixel "$win" 166 $((top + 268))
fi

summary
