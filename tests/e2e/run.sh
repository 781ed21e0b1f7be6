#!/usr/bin/env bash
# End-to-end test: the built program on a private Xvfb, used through the X server as a
# person would: keys, clicks, the real colour dialog, the menu bar and the clipboard.
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
if [[ -z $win ]]; then
  screenshot no-window
  summary
  exit 1
fi

check "the main window takes the focus" focus "$win"
read -r width height < <(window_size "$win")
check "the main window is 194 wide" equals 194 echo "$width"
check "the main window is at least 358 high" test "${height:-0}" -ge 358
# The content area is the window's bottom 358 pixels; the menu bar sits above it.
top=$((height - 358))
screenshot main-window

# A point inside each swatch, in window coordinates.
current_swatch() { window_pixel "$win" 40 $((top + 20)); }
safe_swatch() { window_pixel "$win" 150 $((top + 20)); }
copy_hex() {
  focus "$win" && key ctrl+shift+c
}

check "the current colour opens black" eventually equals 000000 current_swatch
check "the web-safe swatch opens white" eventually equals FFFFFF safe_swatch
copy_hex
check "Copy Hex right after opening gives #000000" eventually equals '#000000' clipboard_text

# The focus starts in the red field: type each channel and move on with Tab.
focus "$win"
key ctrl+a
type_text 127
key Tab ctrl+a
type_text 200
key Tab ctrl+a
type_text 10
key Tab
check "typed values reach the current colour" eventually equals 7FC80A current_swatch
copy_hex
check "Copy Hex gives the hexadecimal fields" eventually equals '#7FC80A' clipboard_text

click_at "$win" 140 $((top + 327))
check "Compare shows the web-safe colour" eventually equals 66CC00 safe_swatch
check "Compare leaves the current colour" equals 7FC80A current_swatch

# The colour picker button opens the platform's dialog; its answer becomes the colour.
click_at "$win" 169 $((top + 273))
dialog=$(wait_window "Select a Color")
check "the colour picker opens the colour dialog" test -n "$dialog"
if [[ -n $dialog ]]; then
  screenshot colour-dialog
  focus "$dialog"
  key alt+h ctrl+a
  type_text '#123456'
  key Return
  check "the chosen colour becomes the current colour" eventually equals 123456 current_swatch
  copy_hex
  check "the chosen colour reaches the hexadecimal fields" eventually equals '#123456' clipboard_text
fi

# About, from the Edit menu: its last item.
focus "$win"
click_at "$win" 56 $((top / 2))
key Up Return
about=$(wait_window "About Plumivard")
check "About opens the about box" test -n "$about"
if [[ -n $about ]]; then
  read -r about_width about_height < <(window_size "$about")
  check "the about box is 298 x 190" equals "298 190" echo "$about_width $about_height"
  screenshot about-box
  focus "$about"
  key Return
  check "Return presses OK and closes the about box" eventually equals "" xdotool search --onlyvisible --name '^About Plumivard$'
fi

focus "$win"
key ctrl+r
check "Reset returns the current colour to black" eventually equals 000000 current_swatch
check "Reset returns the web-safe swatch to white" eventually equals FFFFFF safe_swatch
copy_hex
check "Copy Hex after Reset gives #000000" eventually equals '#000000' clipboard_text

focus "$win"
key ctrl+q
wait_app_exit 20
status=$?
check "the quit shortcut ends the program with status 0" equals 0 echo "$status"

if ! summary; then
  echo "--- program output ($E2E_ARTIFACTS/app.log):"
  cat "$E2E_ARTIFACTS/app.log"
  exit 1
fi
