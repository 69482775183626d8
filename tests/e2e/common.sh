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
  if [ -n "$ZELK_PID" ] && kill -0 "$ZELK_PID" 2>/dev/null; then kill "$ZELK_PID" 2>/dev/null || true; fi
  rm -rf "$GAME_DIR"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_game() {
  if [ -n "${ZELK_ASSETS:-}" ] && [ -d "$ZELK_ASSETS/Images" ]; then
    ln -s "$ZELK_ASSETS/Images" "$GAME_DIR/Images"
    ln -s "$ZELK_ASSETS/Sounds" "$GAME_DIR/Sounds"
  fi
  (cd "$GAME_DIR" && exec "$ZELK" >"$ARTEFACTS/stdout.txt" 2>"$ARTEFACTS/stderr.txt") &
  ZELK_PID=$!
  WINDOW="$(xdotool search --sync --onlyvisible --name '^Zelk$' | head -n 1)"
  [ -n "$WINDOW" ] || fail "no window titled Zelk"
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
