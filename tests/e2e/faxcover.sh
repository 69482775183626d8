#!/usr/bin/env bash
# The fax cover sheet filled in by a learner with the mouse: each of the
# nine paper snippets pressed, dragged across the desk while held and let
# go on its field; the play button hands the sheet in. The score panel
# must come without the reward music's help, and the profile must hold 9.
. "$(dirname "$0")/common.sh"

LEARNER=Marc
PROFILE="$GAME_DIR/Profiles/$LEARNER.txt"

# Snippet i lies at START[i] and belongs at FIELD[i] (1362 x 726 reference).
START=("1010 526" "1100 130" "1000 394" "1100 658" "1090 262" "1010 196" "1110 460" "1000 592" "1100 328")
FIELD=("545 232" "545 287" "545 342" "545 397" "545 452" "545 507" "545 562" "545 617" "545 672")

# Presses on a reference point, drags in small steps and lets go on another.
drag_ref() {
  local x0 y0 x1 y1 k
  x0="$(ref_x "$1")"; y0="$(ref_y "$2")"; x1="$(ref_x "$3")"; y1="$(ref_y "$4")"
  point_at "$x0" "$y0"
  press
  for k in 1 2 3 4; do point_at $(( x0 + (x1 - x0) * k / 4 )) $(( y0 + (y1 - y0) * k / 4 )); done
  release
}

profile_line() { sed -n "${1}p" "$PROFILE" | tr -d '\r'; }

start_game
W="$(screen_size | cut -dx -f1)"; H="$(screen_size | cut -dx -f2)"
wait_for_title
log_in "$LEARNER"
shot map
enter_room 1003 218
shot room
click_at "$(ref_x 671)" "$(ref_y 363)"  # the cover sheet's icon
wait_curtain screen=game game=1_4 phase=intro
expect_screen sheet_intro room

click_at $(( W - 250 )) 52  # play
await_state phase=play
await_tick drawn
expect_screen sheet_play sheet_intro
E2E_MIN_CHANGE=0.002
drag_ref ${START[0]} ${FIELD[0]}
await_tick drawn
expect_screen first_dropped sheet_play
for i in 1 2 3 4 5 6 7 8; do drag_ref ${START[$i]} ${FIELD[$i]}; done
await_tick drawn
expect_screen sheet_filled first_dropped

click_at $(( W - 250 )) 52  # hand the sheet in
wait_panel
E2E_MIN_CHANGE=0.05
expect_screen panel sheet_filled
[ -f "$PROFILE" ] || fail "no profile was saved"
[ "$(profile_line 4)" = 9 ] || fail "the cover sheet's cell is $(profile_line 4), not 9"
[ "$(profile_line 161)" = 9 ] || fail "total is $(profile_line 161), not 9"
echo "cover sheet: cell 9, total 9"
