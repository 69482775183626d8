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
  sleep 0.3
}
dial() { local i; for ((i = 0; i < ${#1}; i++)); do press "${1:i:1}"; done; }

profile_line() { sed -n "${1}p" "$PROFILE" | tr -d '\r'; }

start_game
W="$(screen_size | cut -dx -f1)"; H="$(screen_size | cut -dx -f2)"
wait_for_title
wait_screen_still
log_in "$LEARNER"
wait_screen_change login_typed 0.3
wait_screen_still
shot map

xdotool mousemove "$(ref_x 1003)" "$(ref_y 218)"
sleep 0.3
xdotool click 1
wait_screen_change map 0.3
wait_screen_still
shot room
click_at "$(ref_x 85)" "$(ref_y 568)"  # the transfers' icon
wait_curtain
expect_screen first_call room

press 9  # the first call is lost
sleep 1.5
for extension in 12 13 0 41 431; do dial "$extension"; sleep 0.3; done
sleep 1
expect_screen review first_call
click_at $(( W - 250 )) 52  # play: from the review to the panel
wait_screen_change review 0.5
expect_screen panel review
click_panel_until_saved "$PROFILE" 8 5  # the transfers' cell
shot panel_stored
[ "$(profile_line 161)" = 5 ] || fail "total is $(profile_line 161), not 5"
echo "one call lost: cell 5, total 5"
rm -f "$ARTEFACTS"/_*.png
