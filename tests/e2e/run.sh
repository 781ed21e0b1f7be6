#!/usr/bin/env bash
# End-to-end test: the program, installed from a build into a scratch prefix, on a private
# Xvfb, used through the X server as a person would: keys, clicks, the real colour dialog,
# the menu bar and the clipboard.
# Usage: tests/e2e/run.sh BUILD_DIR
# Screenshots and logs go to $E2E_ARTIFACTS (default: ./e2e-artifacts).
set -uo pipefail

[[ $# -eq 1 && -d $1 ]] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start_xvfb || exit 1
check "the build tree holds the icon beside the program" test -f "$1/PLUMIVARD/Resources/cmyk.gif"
cmake --install "$1" --prefix "$E2E_TMP/prefix" >"$E2E_ARTIFACTS/install.log" 2>&1
check "the build installs" test -x "$E2E_TMP/prefix/bin/plumivard"
# Started through its link in bin/, which leads to the bundle that holds the icon.
start_app "$E2E_TMP/prefix/bin/plumivard"

win=$(wait_window PLUMIVARD)
check "the main window appears" test -n "$win"
[[ -n $win ]] || { summary; exit 1; }

check "the main window takes the focus" focus "$win"
read -r _ _ width height < <(window_geometry "$win")
check "the main window is 194 wide" equals 194 echo "$width"
check "the main window is at least 358 high" test "${height:-0}" -ge 358
# The content area is the window's bottom 358 pixels; the menu bar sits above it.
top=$((height - 358))
screenshot main-window

# A point inside each swatch, in window coordinates.
current_swatch() { window_pixel "$win" 40 $((top + 20)); }
safe_swatch() { window_pixel "$win" 150 $((top + 20)); }
copy_hex() { focus "$win" && key ctrl+shift+c; }
# enter TEXT: replaces the focused field's text and moves on with Tab.
enter() { key ctrl+a && type_text "$1" && key Tab; }

check "the current colour opens black" eventually equals 000000 current_swatch
check "the web-safe swatch opens white" eventually equals FFFFFF safe_swatch
# The icon's cyan dot, in the button at 158,262 of the content area.
check "the colour picker button shows its icon" eventually equals 00AEEF window_pixel "$win" 166 $((top + 268))
copy_hex
check "Copy Hex right after opening gives #000000" eventually equals '#000000' clipboard_text

# The focus starts in the red field: type each channel and move on with Tab.
focus "$win"
enter 127
enter 200
enter 10
check "typed values reach the current colour" eventually equals 7FC80A current_swatch
copy_hex
check "Copy Hex gives the hexadecimal fields" eventually equals '#7FC80A' clipboard_text

click_at "$win" 140 $((top + 327))
check "Compare shows the web-safe colour" eventually equals 66CC00 safe_swatch

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

# centred_over A B: the centre of window A lies within a pixel of B's.
centred_over() {
  local a b dx dy
  read -r -a a < <(window_geometry "$1")
  read -r -a b < <(window_geometry "$2")
  dx=$((2 * (a[0] - b[0]) + a[2] - b[2])) dy=$((2 * (a[1] - b[1]) + a[3] - b[3]))
  ((dx * dx <= 4 && dy * dy <= 4)) || { e2e_log "$1 at ${a[*]} is not centred over $2 at ${b[*]}"; return 1; }
}
# transient_for WIN: the id of the window that WIN is transient for, as 0x...
transient_for() { xprop -id "$1" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*'; }

# About, from the Edit menu: its last item. The converter stands away from the screen's
# corner, so the box can open centred over it.
timeout "$E2E_TIMEOUT" xdotool windowmove --sync "$win" 300 200
focus "$win"
click_at "$win" 56 $((top / 2))
key Up Return
about=$(wait_window "About Plumivard")
check "About opens the about box" test -n "$about"
if [[ -n $about ]]; then
  read -r _ _ about_width about_height < <(window_geometry "$about")
  check "the about box is 298 x 190" equals "298 190" echo "$about_width $about_height"
  check "the about box belongs to the converter window" equals "$(printf '0x%x' "$win")" transient_for "$about"
  check "the about box opens centred over the converter window" centred_over "$about" "$win"
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
check "the quit shortcut ends the program with status 0" equals 0 echo "$?"

summary && exit 0
echo "--- program output ($E2E_ARTIFACTS/app.log):"
cat "$E2E_ARTIFACTS/app.log"
exit 1
