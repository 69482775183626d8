#!/usr/bin/env bash
# The call transfers played by a learner from the room's icon: the first
# call is lost on a wrong digit, the five others are put through; the
# review, then the score panel, whose click saves 5 points in the
# transfers' cell and in the total.
. "$(dirname "$0")/common.sh"

LEARNER=Mathis
PROFILE="$GAME_DIR/Profiles/$LEARNER.txt"
W=0; H=0

# A key of the dial pad: its place on the 1357 x 718 reference picture.
press() {
  case "$1" in
    0) click_at "$(( 567 * W / 1357 ))" "$(( 623 * H / 718 ))" ;;
    1) click_at "$(( 509 * W / 1357 ))" "$(( 487 * H / 718 ))" ;;
    2) click_at "$(( 568 * W / 1357 ))" "$(( 489 * H / 718 ))" ;;
    3) click_at "$(( 625 * W / 1357 ))" "$(( 487 * H / 718 ))" ;;
    4) click_at "$(( 512 * W / 1357 ))" "$(( 534 * H / 718 ))" ;;
    9) click_at "$(( 625 * W / 1357 ))" "$(( 580 * H / 718 ))" ;;
  esac
}
dial() { local i; for ((i = 0; i < ${#1}; i++)); do press "${1:i:1}"; done; }

profile_line() { sed -n "${1}p" "$PROFILE" | tr -d '\r'; }

start_game
W="$(screen_size | cut -dx -f1)"; H="$(screen_size | cut -dx -f2)"
wait_for_title
log_in "$LEARNER"
shot map
enter_room 1003 218
shot room
click_at "$(ref_x 85)" "$(ref_y 568)"  # the transfers' icon
wait_curtain screen=game game=1_8 phase=play
expect_screen first_call room

press 9  # the first call is lost: the next one comes after the pause
await_state step=2 paused=1
await_state step=2 paused=0
call=2
for extension in 12 13 0 41 431; do
  dial "$extension"
  call=$((call + 1))
  [ "$call" -gt 6 ] || await_state "step=$call"
done
await_state phase=review
await_tick drawn
expect_screen review first_call
click_at $(( W - 250 )) 52  # play: from the review to the panel
wait_panel  # the panel has slid in, dropped its bars and stored the score
expect_screen panel review
[ -f "$PROFILE" ] || fail "no profile was saved"
[ "$(profile_line 8)" = 5 ] || fail "the transfers' cell is $(profile_line 8), not 5"
[ "$(profile_line 161)" = 5 ] || fail "total is $(profile_line 161), not 5"
echo "one call lost: cell 5, total 5"
