# shellcheck shell=bash
# End-to-end helpers: a private Xvfb, the program under test, and the X-level input and
# output that a person would use. Sourced by run.sh, installed.sh and scripts/bench.sh.
#
# There is no window manager, so X focus follows the pointer: call `focus WIN` before
# sending keys, and again for every dialog that opens.

E2E_TIMEOUT=${E2E_TIMEOUT:-30}
E2E_ARTIFACTS=${E2E_ARTIFACTS:-$PWD/e2e-artifacts}
E2E_PASSED=0
E2E_FAILED=0
E2E_XVFB_PID=
E2E_APP_PID=
E2E_TMP=

e2e_log() { printf 'e2e: %s\n' "$*" >&2; }

# Kills everything the harness started; runs on every exit.
e2e_cleanup() {
  # Unquoted on purpose: an empty id drops out.
  # shellcheck disable=SC2206
  local pids=($E2E_APP_PID $E2E_XVFB_PID)
  if ((${#pids[@]})); then
    kill "${pids[@]}" 2>/dev/null
    wait "${pids[@]}" 2>/dev/null
  fi
  [[ -n $E2E_TMP ]] && rm -rf "$E2E_TMP"
  return 0
}

# Starts a private Xvfb on a free display and exports DISPLAY.
start_xvfb() {
  local tool
  for tool in Xvfb xdotool xwininfo xprop xclip import convert; do
    command -v "$tool" >/dev/null || { e2e_log "missing tool: $tool (run scripts/install-deps.sh)"; return 1; }
  done
  mkdir -p "$E2E_ARTIFACTS"
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/plumivard-e2e.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM

  # -displayfd picks a free display and reports it once the server accepts connections.
  local displayfd=$E2E_TMP/display tries=$((E2E_TIMEOUT * 10))
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp \
    3>"$displayfd" >"$E2E_ARTIFACTS/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  until grep -qx '[0-9]\+' "$displayfd"; do
    if ! kill -0 "$E2E_XVFB_PID" 2>/dev/null || ((tries-- <= 0)); then
      e2e_log "Xvfb did not start; see $E2E_ARTIFACTS/xvfb.log"
      return 1
    fi
    sleep 0.1
  done
  DISPLAY=":$(head -n 1 "$displayfd")"
  export DISPLAY
  # The program must talk to this server and nothing else.
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR=$E2E_TMP/runtime
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY XAUTHORITY
  e2e_log "Xvfb on $DISPLAY"
}

# start_app BINARY [ARGS...]: runs the program in the background; its output goes to app.log.
start_app() {
  "$@" >"$E2E_ARTIFACTS/app.log" 2>&1 &
  E2E_APP_PID=$!
}

# wait_app_exit [TIMEOUT]: waits for the program to end and returns its exit status; kills
# it when it is still running after TIMEOUT seconds.
wait_app_exit() {
  local tries=$((${1:-$E2E_TIMEOUT} * 10)) status
  # bash reaps its children as they end, so kill -0 fails once the program has gone.
  while kill -0 "$E2E_APP_PID" 2>/dev/null && ((tries-- > 0)); do sleep 0.1; done
  if kill -0 "$E2E_APP_PID" 2>/dev/null; then
    e2e_log "program still running; killing it"
    kill -KILL "$E2E_APP_PID"
  fi
  wait "$E2E_APP_PID"
  status=$?
  E2E_APP_PID=
  return "$status"
}

# wait_window TITLE [TIMEOUT]: prints the id of the shown window whose title is exactly TITLE.
wait_window() {
  local title=$1 timeout=${2:-$E2E_TIMEOUT} pattern
  # xdotool matches an extended regular expression; match the title literally.
  # shellcheck disable=SC2016 # the $ is a character to escape
  pattern="^$(printf '%s' "$title" | sed 's/[][\.*^$(){}?+|]/\\&/g')\$"
  timeout "$timeout" xdotool search --sync --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 | grep .
}

# focus WIN: gives WIN the keyboard focus and waits until it has it.
focus() { timeout "$E2E_TIMEOUT" xdotool windowfocus --sync "$1"; }

# type_text TEXT: types into the focused window, as a person would.
type_text() { xdotool type --delay 20 -- "$1"; }

# key KEYS...: presses key combinations in the focused window (e.g. key ctrl+q, key Tab).
key() { xdotool key --delay 20 "$@"; }

# click_at WIN X Y: a left click at X,Y inside WIN.
click_at() { xdotool mousemove --sync --window "$1" "$2" "$3" click 1; }

# window_geometry WIN: prints "X Y WIDTH HEIGHT", X and Y in root coordinates.
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
    /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print x, y, w, h }'
}

# window_pixel WIN X Y: the colour at X,Y inside WIN as upper-case RRGGBB.
window_pixel() {
  local x y
  read -r x y _ < <(window_geometry "$1")
  import -window root png:- | convert png:- -crop "1x1+$((x + $2))+$((y + $3))" -depth 8 txt:- |
    grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr -d '#' | tr '[:lower:]' '[:upper:]'
}

# clipboard_text: prints the clipboard's text.
clipboard_text() { timeout 5 xclip -o -selection clipboard; }

# screenshot NAME: saves the whole screen to $E2E_ARTIFACTS/NAME.png.
screenshot() {
  import -window root "$E2E_ARTIFACTS/$1.png" && e2e_log "screenshot $E2E_ARTIFACTS/$1.png"
}

# eventually CMD...: retries CMD until it succeeds or E2E_TIMEOUT seconds pass; for checks on
# what the program shows, which changes only once it has handled the input.
eventually() {
  local tries=$((E2E_TIMEOUT * 5))
  while ((tries-- > 0)); do
    "$@" 2>/dev/null && return 0
    sleep 0.2
  done
  # The last try speaks, so a failure says what was seen.
  "$@"
}

# equals EXPECTED CMD...: CMD prints exactly EXPECTED.
equals() {
  local expected=$1 actual
  shift
  actual=$("$@")
  [[ $actual == "$expected" ]] && return 0
  e2e_log "expected '$expected', got '$actual' from: $*"
  return 1
}

# check NAME CMD...: runs CMD as one test; on failure saves a screenshot named after it.
check() {
  local name=$1
  shift
  if "$@"; then
    E2E_PASSED=$((E2E_PASSED + 1))
    printf 'ok: %s\n' "$name"
  else
    E2E_FAILED=$((E2E_FAILED + 1))
    printf 'FAILED: %s\n' "$name"
    [[ -n ${DISPLAY:-} ]] && screenshot "failed-$E2E_FAILED-${name//[^A-Za-z0-9]/_}" 2>/dev/null
  fi
  return 0
}

# summary: prints the counts; fails when any check failed or none ran.
summary() {
  printf '%d passed, %d failed\n' "$E2E_PASSED" "$E2E_FAILED"
  ((E2E_FAILED == 0 && E2E_PASSED > 0))
}
