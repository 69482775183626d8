#!/usr/bin/env bash
# The French delivery GPS played by a learner on the real binary: the city
# and the street typed on the navigator's keyboard and picked among the
# suggestions, the house number on the keypad, then the route. A perfect
# delivery scores 7; the profile holds the cell and the total.
. "$(dirname "$0")/common.sh"

LEARNER=Rene
PROFILE="$GAME_DIR/Profiles/$LEARNER.txt"
W=0; H=0

# A spot of the navigator on the 1362 x 726 reference layout.
touch_gps() {
  click_at "$(( $1 * W / 1362 ))" "$(( $2 * H / 726 ))"
  await_tick drawn
}

# Line n of the profile.
profile_line() { sed -n "${1}p" "$PROFILE" | tr -d '\r'; }

start_game
W="$(screen_size | cut -dx -f1)"; H="$(screen_size | cut -dx -f2)"
wait_for_title
log_in "$LEARNER"
shot map
enter_room 267 535  # the pizzeria
shot room
click_at "$(ref_x 687)" "$(ref_y 668)"  # the French GPS's icon
wait_curtain screen=game game=2_8 phase=intro
expect_screen gps_intro room

click_at $(( W - 250 )) 52  # play
await_state phase=play
await_tick drawn
expect_screen gps_keyboard gps_intro
touch_gps 495 532  # s
touch_gps 819 478  # u
shot gps_su
[ "$(difference gps_su gps_keyboard)" != "0.0000" ] || fail "typing showed no suggestions"
touch_gps 711 266  # Sudbury, ON
touch_gps 459 478  # w
touch_gps 531 478  # e
touch_gps 711 342  # Westmount St.
expect_screen gps_keypad gps_su
touch_gps 711 316  # 2
touch_gps 711 316  # 2
touch_gps 587 396  # 4
touch_gps 1000 556  # Aller

# The route shows behind the panel as it slides in (for as long as the
# panel takes: no state to wait for), then the panel drops its bars and
# stores the score; it is told from the keypad, the last screen that stood.
wait_panel
expect_screen gps_panel gps_keypad
[ -f "$PROFILE" ] || fail "no profile was saved"
# The pizzeria's row is the second of eleven; the French GPS is its eighth cell.
[ "$(profile_line 19)" = 7 ] || fail "the French GPS's cell is $(profile_line 19), not 7"
[ "$(profile_line 161)" = 7 ] || fail "total is $(profile_line 161), not 7"
echo "perfect delivery: cell 7, total 7"
