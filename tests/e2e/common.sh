# Helpers for the end-to-end tests: they start the real zelk binary in a
# scratch game folder on the current display and drive it with xdotool.
# Needs: ZELK (the binary), and optionally ZELK_ASSETS (Images and Sounds).

set -euo pipefail
: "${ZELK:?path of the zelk binary}"
ARTEFACTS="${ARTEFACTS_ROOT:-$PWD/e2e-artefacts}/$(basename "$0" .sh)"
mkdir -p "$ARTEFACTS"
GAME_DIR="$(mktemp -d)"
ZELK_PID=""

cleanup() {
  if [ -n "$ZELK_PID" ] && kill -0 "$ZELK_PID" 2>/dev/null; then
    kill "$ZELK_PID" 2>/dev/null || true
    # Gone before the next walk looks for a window called Zelk.
    for _ in $(seq 50); do kill -0 "$ZELK_PID" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$ZELK_PID" 2>/dev/null || true
  fi
  rm -rf "$GAME_DIR"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_game() {
  if [ -n "${ZELK_ASSETS:-}" ] && [ -d "$ZELK_ASSETS/Images" ] && [ ! -e "$GAME_DIR/Images" ]; then
    ln -s "$ZELK_ASSETS/Images" "$GAME_DIR/Images"
    ln -s "$ZELK_ASSETS/Sounds" "$GAME_DIR/Sounds"
  fi
  # ZELK_ARGS: options for the game, word by word.
  (cd "$GAME_DIR" && exec "$ZELK" ${ZELK_ARGS:-} >"$ARTEFACTS/stdout.txt" 2>"$ARTEFACTS/stderr.txt") &
  ZELK_PID=$!
  WINDOW="$(xdotool search --sync --onlyvisible --name '^Zelk$' | head -n 1)"
  [ -n "$WINDOW" ] || fail "no window titled Zelk"
  # Only now: the test server resets its keyboard when its last client leaves.
  "$ZELK_BIND_KEYSYMS" eacute egrave ecircumflex agrave ccedilla
}

# Window geometry as "WIDTHxHEIGHT".
window_size() { xdotool getwindowgeometry "$WINDOW" | awk '/Geometry/ {print $2}'; }

screen_size() { xdotool getdisplaygeometry | tr ' ' 'x'; }

# Waits up to $2 seconds (default 10) for a shell condition.
wait_for() {
  local condition="$1" limit="${2:-10}" waited=0
  until eval "$condition"; do
    sleep 0.2
    waited=$((waited + 1))
    [ "$waited" -lt $((limit * 5)) ] || return 1
  done
}

# Saves a screenshot of the whole screen as $ARTEFACTS/$1.png.
shot() { import -window root "$ARTEFACTS/$1.png"; }

# Mean brightness of a screenshot, 0 (black) to 1 (white).
brightness() { convert "$ARTEFACTS/$1.png" -colorspace Gray -format '%[fx:mean]' info:; }

# Waits for the game to end and returns its exit status.
wait_exit() {
  local limit="${1:-10}"
  wait_for "! kill -0 $ZELK_PID 2>/dev/null" "$limit" || fail "the game did not end"
  local status=0
  wait "$ZELK_PID" || status=$?
  ZELK_PID=""
  return "$status"
}

# Moves the pointer there (the game sees the move), then clicks.
click_at() {
  xdotool mousemove "$1" "$2"
  sleep 0.15
  xdotool click 1
  sleep 0.1
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

# Waits until the screen differs from screenshot $1 by more than $2 (share of pixels).
wait_screen_change() {
  local from="$1" share="${2:-0.2}" limit="${3:-60}" i=0
  while [ "$i" -lt $((limit * 2)) ]; do
    shot _probe
    awk -v d="$(difference _probe "$from")" -v s="$share" 'BEGIN { exit !(d > s) }' && return 0
    sleep 0.5
    i=$((i + 1))
  done
  fail "the screen never changed from $from"
}

# Waits until two screenshots half a second apart are alike (animations done).
# The map's clouds never stop: at 64 frames a second they drift 16 pixels in
# that half second, which changes a few per cent of the screen.
wait_screen_still() {
  local limit="${1:-60}" i=0
  shot _still_a
  while [ "$i" -lt $((limit * 2)) ]; do
    sleep 0.5
    shot _still_b
    awk -v d="$(difference _still_a _still_b)" 'BEGIN { exit !(d < 0.04) }' && return 0
    mv "$ARTEFACTS/_still_b.png" "$ARTEFACTS/_still_a.png"
    i=$((i + 1))
  done
  fail "the screen never settled"
}

# Types a name in the login dialog; accented letters go by their keysym.
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
    sleep 0.05
  done
}

# The splash runs its course and the title (dark wood) comes. A window not
# drawn yet is black, and some of the splash's logos are dark too: the title
# is dark but not black, and still over a second and a half.
wait_for_title() {
  local i=0
  while [ "$i" -lt 120 ]; do
    shot _probe
    if awk -v b="$(brightness _probe)" 'BEGIN { exit !(b < 0.6 && b > 0.12) }'; then
      sleep 1.5
      shot _probe_later
      awk -v d="$(difference _probe _probe_later)" -v b="$(brightness _probe_later)" \
        'BEGIN { exit !(d < 0.01 && b < 0.6 && b > 0.12) }' && return 0
    fi
    sleep 0.5
    i=$((i + 1))
  done
  fail "the title never came"
}

# Logs in from the title: the login button, the name, Enter.
log_in() {
  local w h
  w="$(screen_size | cut -dx -f1)"; h="$(screen_size | cut -dx -f2)"
  click_at "$(awk -v w="$w" 'BEGIN { printf "%d", w * 0.8901989683124539 }')" \
           "$(awk -v h="$h" 'BEGIN { printf "%d", h * 0.7910863509749304 }')"
  sleep 0.5
  shot login_empty
  type_name "$1"
  sleep 0.3
  shot login_typed
  xdotool key Return
}

# Waits until a region of the screen (x y w h) changes from how it looks now.
wait_region_change() {
  local x="$1" y="$2" w="$3" h="$4" limit="${5:-120}" i=0
  shot _region
  convert "$ARTEFACTS/_region.png" -crop "${w}x${h}+${x}+${y}" +repage "$ARTEFACTS/_region_before.png"
  while [ "$i" -lt $((limit * 2)) ]; do
    sleep 0.5
    shot _region
    convert "$ARTEFACTS/_region.png" -crop "${w}x${h}+${x}+${y}" +repage "$ARTEFACTS/_region_now.png"
    awk -v d="$(difference _region_now _region_before)" 'BEGIN { exit !(d > 0.2) }' && return 0
    i=$((i + 1))
  done
  fail "the region at $x,$y never changed"
}

# After a click that runs the room's curtain: it closes (the screen goes
# black), then the next screen opens.
wait_curtain() {
  local i=0
  while [ "$i" -lt 120 ]; do
    shot _probe
    awk -v b="$(brightness _probe)" 'BEGIN { exit !(b < 0.08) }' && break
    sleep 0.25
    i=$((i + 1))
  done
  [ "$i" -lt 120 ] || fail "the curtain never closed"
  i=0
  while [ "$i" -lt 240 ]; do
    shot _probe
    awk -v b="$(brightness _probe)" 'BEGIN { exit !(b > 0.15) }' && { wait_screen_still; return 0; }
    sleep 0.25
    i=$((i + 1))
  done
  fail "nothing came after the curtain"
}

# Any click on the score panel saves, but the score is in the profile only
# once the panel has dropped its bars and stored it (slowly on a busy
# machine): clicks the middle of the screen until line $2 of profile $1
# reads $3.
click_panel_until_saved() {
  local profile="$1" line="$2" value="$3" i=0 w h
  w="$(screen_size | cut -dx -f1)"; h="$(screen_size | cut -dx -f2)"
  while [ "$i" -lt 120 ]; do
    click_at $(( w / 2 )) $(( h / 2 ))
    sleep 0.5
    [ -f "$profile" ] && [ "$(sed -n "${line}p" "$profile" | tr -d '\r')" = "$value" ] && return 0
    i=$((i + 1))
  done
  fail "line $line of the profile never became $value"
}
