# Helpers for the end-to-end tests: they start the real zelk binary in a
# scratch game folder on the current display and drive it with xdotool.
# Needs: ZELK (the binary), and optionally ZELK_ASSETS (Images and Sounds).
#
# A walk never waits for a time. The game writes what it does to a trace
# (ZELK_TRACE, see app/EventTrace.h): a line a tick, a line for each input
# it takes, each save and each change of screen, phase or dialog. Every
# action of a walk waits for the game's own line saying it happened: the
# pointer seen where it was moved, the click taken, the screen come, the
# picture still. PATIENCE only turns a wait that never ends into a failure.

set -euo pipefail
: "${ZELK:?path of the zelk binary}"
ARTEFACTS="${ARTEFACTS_ROOT:-$PWD/e2e-artefacts}/$(basename "$0" .sh)"
mkdir -p "$ARTEFACTS"
GAME_DIR="$(mktemp -d)"
TRACE="$ARTEFACTS/trace.txt"
PATIENCE="${E2E_PATIENCE:-300}"
ZELK_PID=""
MARK=0   # trace lines already looked at
SEEN=""  # the line the last wait found

cleanup() {
  if [ -n "$ZELK_PID" ] && kill -0 "$ZELK_PID" 2>/dev/null; then
    kill "$ZELK_PID" 2>/dev/null || true
    wait "$ZELK_PID" 2>/dev/null || true
  fi
  rm -rf "$GAME_DIR"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; echo "trace ends: $(tail -n 3 "$TRACE" 2>/dev/null | tr '\n' '|')" >&2; exit 1; }

# Debian's awk (mawk) reads a pipe in whole blocks unless told to read it
# line by line.
STREAM_AWK=(awk)
if awk -W version 2>&1 | grep -q mawk; then STREAM_AWK=(awk -W interactive); fi

# Waits for the next trace line after the mark that the awk condition picks
# ($2 is the event, "tick", "move", "up", or a state's "screen=..."), then
# moves the mark past it. Further arguments are awk -v assignments.
await() {
  local condition="$1" what="$2" found
  shift 2
  await_from "$((MARK + 1))" "$condition" "$what" "$@"
}

# The same from line $1 of the trace on.
await_from() {
  local from="$1" condition="$2" what="$3" found
  shift 3
  MARK=$((from - 1))
  found="$( (timeout "$PATIENCE" tail -n "+$from" -F --pid="$ZELK_PID" "$TRACE" 2>/dev/null || true) |
            "${STREAM_AWK[@]}" "$@" "$condition { print NR \" \" \$0; exit }" || true)"
  [ -n "$found" ] || fail "never came: $what"
  MARK=$((MARK + ${found%% *}))
  SEEN="${found#* }"
}

# A state holding every word given ("screen=map", "phase=play", ...): the
# state as it stands at the mark, or one that comes after.
await_state() {
  local words="$*" current
  current="$(head -n "$MARK" "$TRACE" | grep -n ' screen=' | tail -n 1 | cut -d: -f1 || true)"
  await_from "${current:-$((MARK + 1))}" '{ ok = 0 } index($2, "screen=") == 1 { n = split(want, w, " "); ok = 1; for (i = 1; i <= n; i++) if (index(" " $0 " ", " " w[i] " ") == 0) ok = 0 } ok' \
    "a state with $words" -v want="$words"
}

# A dialog open over the game.
await_dialog() {
  local current
  current="$(head -n "$MARK" "$TRACE" | grep -n ' screen=' | tail -n 1 | cut -d: -f1 || true)"
  await_from "${current:-$((MARK + 1))}" 'index($2, "screen=") == 1 && index($0, " dialog=none") == 0' "a dialog"
}

# The end of the next tick; its frame drawn if asked ("drawn").
await_tick() {
  if [ "${1:-}" = drawn ]; then await '$2 == "tick" && $3 == 0' "a drawn frame"; else await '$2 == "tick"' "a tick"; fi
}

# That many ticks more (a frame count).
await_ticks() { await '$2 == "tick" && ++n >= want' "$1 ticks" -v want="$1"; }

# The picture unchanged for a quarter of a second of ticks (16): whatever
# moved has stopped. (The town map's clouds and the trophy house's shine
# never stop: not there.)
await_still() { await '$2 == "tick" && $3 >= 16' "a still picture"; }

# A save that reached the disk.
await_saved() { await '$2 == "saved"' "a save"; }

start_game() {
  if [ -n "${ZELK_ASSETS:-}" ] && [ -d "$ZELK_ASSETS/Images" ] && [ ! -e "$GAME_DIR/Images" ]; then
    ln -s "$ZELK_ASSETS/Images" "$GAME_DIR/Images"
    ln -s "$ZELK_ASSETS/Sounds" "$GAME_DIR/Sounds"
  fi
  : >"$TRACE"
  MARK=0
  # ZELK_ARGS: options for the game, word by word.
  (cd "$GAME_DIR" && ZELK_TRACE="$TRACE" exec "$ZELK" ${ZELK_ARGS:-} >"$ARTEFACTS/stdout.txt" 2>"$ARTEFACTS/stderr.txt") &
  ZELK_PID=$!
  await_tick drawn
  WINDOW="$(xdotool search --sync --onlyvisible --name '^Zelk$' | head -n 1)"
  [ -n "$WINDOW" ] || fail "no window titled Zelk"
  # Only now: the test server resets its keyboard when its last client leaves.
  "$ZELK_BIND_KEYSYMS" eacute egrave ecircumflex agrave ccedilla
  MARK=0  # what the walk waits for next may have come already
}

# Window geometry as "WIDTHxHEIGHT".
window_size() { xdotool getwindowgeometry "$WINDOW" | awk '/Geometry/ {print $2}'; }

screen_size() { xdotool getdisplaygeometry | tr ' ' 'x'; }

# Waits for a shell condition on something outside the game (a file, the
# window's size), looking again after each tick of the game.
wait_for() {
  local condition="$1" what="${2:-$1}"
  until eval "$condition"; do
    kill -0 "$ZELK_PID" 2>/dev/null || fail "the game ended before: $what"
    await_tick
  done
}

# Saves a screenshot of the whole screen as $ARTEFACTS/$1.png.
# The game is held still while the screen is read: a screen that moves on by
# itself (the splash) cannot change under a slow screenshot.
shot() {
  local held=0
  if [ -n "$ZELK_PID" ] && kill -STOP "$ZELK_PID" 2>/dev/null; then held=1; fi
  local status=0
  import -window root "$ARTEFACTS/$1.png" || status=$?
  if [ "$held" -eq 1 ]; then kill -CONT "$ZELK_PID" 2>/dev/null || true; fi
  return "$status"
}

# Mean brightness of a screenshot, 0 (black) to 1 (white).
brightness() { convert "$ARTEFACTS/$1.png" -colorspace Gray -format '%[fx:mean]' info:; }

# Waits for the game to end and returns its exit status.
wait_exit() {
  local status=0
  timeout "$PATIENCE" tail -f --pid="$ZELK_PID" /dev/null || fail "the game did not end"
  wait "$ZELK_PID" || status=$?
  ZELK_PID=""
  return "$status"
}

# Moves the pointer there; back once the game has seen it there.
point_at() {
  if [ "$(xdotool getmouselocation | cut -d' ' -f1-2)" != "x:$1 y:$2" ]; then
    xdotool mousemove "$1" "$2"
    await '$2 == "move" && $3 == x && $4 == y' "the pointer at $1,$2" -v x="$1" -v y="$2"
  fi
}

# The button pressed or released where the pointer is, taken by the game.
press() {
  xdotool mousedown 1
  await '$2 == "down"' "the press"
}
release() {
  xdotool mouseup 1
  await '$2 == "up"' "the release"
  await_tick
}

# Moves the pointer there (the game sees the move), then clicks; back once
# the game has taken the click and run a tick on it.
click_at() {
  point_at "$1" "$2"
  xdotool click 1
  await '$2 == "up" && $3 == x && $4 == y' "the click at $1,$2" -v x="$1" -v y="$2"
  await_tick
}

# Where a point of the 1362 x 726 reference layout lies on this screen.
ref_x() { echo $(( $1 * $(screen_size | cut -dx -f1) / 1362 )); }
ref_y() { echo $(( $1 * $(screen_size | cut -dx -f2) / 726 )); }

# How different two screenshots are: the share of pixels that changed (0 to 1).
difference() {
  compare -metric AE -fuzz 8% "$ARTEFACTS/$1.png" "$ARTEFACTS/$2.png" null: 2>&1 >/dev/null |
    awk -v total="$(identify -format '%[fx:w*h]' "$ARTEFACTS/$1.png")" '{printf "%.4f", $1 / total}'
}

# How much a screenshot varies (0 for a blank screen).
variety() { convert "$ARTEFACTS/$1.png" -colorspace Gray -format '%[fx:standard_deviation]' info:; }

# Takes screenshot $1 and fails unless it shows something and differs from $2.
expect_screen() {
  local name="$1" previous="${2:-}"
  shot "$name"
  awk -v v="$(variety "$name")" -v least="${E2E_MIN_VARIETY:-0.03}" 'BEGIN { exit !(v > least) }' || fail "$name is blank"
  if [ -n "$previous" ]; then
    awk -v d="$(difference "$name" "$previous")" -v least="${E2E_MIN_CHANGE:-0.05}" 'BEGIN { exit !(d > least) }' ||
      fail "$name looks like $previous"
  fi
  echo "screen $name: variety $(variety "$name")${previous:+, $(difference "$name" "$previous") changed from $previous}"
}

# A name as the trace writes it: spaces become "_".
one_word() { printf '%s' "${1// /_}"; }

# Types a name in the login dialog; accented letters go by their keysym.
# Back once the dialog's field shows the whole name.
type_name() {
  local name="$1" i c
  for ((i = 0; i < ${#name}; i++)); do
    c="${name:i:1}"
    case "$c" in
      é) xdotool key eacute ;;
      è) xdotool key egrave ;;
      ê) xdotool key ecircumflex ;;
      à) xdotool key agrave ;;
      ç) xdotool key ccedilla ;;
      " ") xdotool key space ;;
      *) xdotool type "$c" ;;
    esac
  done
  await_state "text=$(one_word "$name")"
  await_still
}

# The splash runs its course and the title comes, drawn and still.
wait_for_title() {
  await_state screen=title
  await_still
}

# The login button of the title, on this screen.
login_button_x() { awk -v w="$(screen_size | cut -dx -f1)" 'BEGIN { printf "%d", w * 0.8901989683124539 }'; }
login_button_y() { awk -v h="$(screen_size | cut -dx -f2)" 'BEGIN { printf "%d", h * 0.7910863509749304 }'; }

# Logs in from the title: the login button, the name, Enter; back on the
# town map.
log_in() {
  click_at "$(login_button_x)" "$(login_button_y)"
  await_dialog
  await_still
  shot login_empty
  type_name "$1"
  shot login_typed
  xdotool key Return
  await_state screen=map dialog=none
  await_tick drawn
}

# From the town map into a workplace's room (reference point of its
# building): the building is pointed at, then clicked.
enter_room() {
  point_at "$(ref_x "$1")" "$(ref_y "$2")"
  click_at "$(ref_x "$1")" "$(ref_y "$2")"
  await_state screen=room curtain=0
  await_still
}

# After a click that runs the room's curtain: it closes, then the next
# screen (the words of its state) comes and is drawn. (A minigame's sheet
# may keep moving: its caption and buttons glow.)
wait_curtain() {
  await_state "$@"
  await_tick drawn
}

# The score panel has dropped its bars: its buttons show, and the game's
# result is stored and saved.
wait_panel() {
  await_state panel=ready
  await_tick drawn
}
