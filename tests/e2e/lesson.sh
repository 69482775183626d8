#!/usr/bin/env bash
# The answering-machine lesson played twice by a learner: a perfect game
# (7 points), then, from the score panel's restart, a game with one wrong
# key first (6 points). The profile must hold the last score and the total.
. "$(dirname "$0")/common.sh"

LEARNER=Lucie
PROFILE="$GAME_DIR/Profiles/$LEARNER.txt"
W=0; H=0

# A key of the machine: its place on the 1357 x 718 reference picture.
press_key() {
  click_at "$(( $1 * W / 1357 ))" "$(( $2 * H / 718 ))"
  sleep 0.3
}

# The seven keys the seven steps ask for: erase, replay, save, help, next
# message, rewind, volume up.
play_steps() {
  press_key 510 571; press_key 510 527; press_key 623 572; press_key 567 618
  press_key 623 617; press_key 510 482; press_key 893 576
}

# The score panel has dropped its bars when its restart button shows.
wait_panel() {
  sleep 2  # the panel slides in
  wait_region_change 110 $(( H - 125 )) 80 48 180
  sleep 0.5
}

# Line n of the profile.
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
click_at "$(ref_x 69)" "$(ref_y 498)"  # the lesson's icon
wait_curtain
expect_screen lesson_intro room

click_at $(( W - 250 )) 52  # play
sleep 0.5
expect_screen lesson_play lesson_intro
play_steps
wait_panel
expect_screen panel_perfect lesson_play
click_panel_until_saved "$PROFILE" 1 7  # the first score cell
[ "$(profile_line 161)" = 7 ] || fail "total is $(profile_line 161), not 7"
echo "perfect game: cell 7, total 7"

click_at 150 $(( H - 101 ))  # the panel's restart
sleep 1
wait_screen_still
shot lesson_again
click_at $(( W - 250 )) 52
sleep 0.5
click_at 300 300  # a wrong key first: the step loses its point
sleep 1.5
play_steps
wait_panel
expect_screen panel_one_wrong lesson_again
click_panel_until_saved "$PROFILE" 1 6
[ "$(profile_line 161)" = 13 ] || fail "total is $(profile_line 161), not 13"
[ "$(wc -l < "$PROFILE")" -eq 160 ] || fail "the profile does not have 161 lines"
echo "second game: cell 6, total 13"
rm -f "$ARTEFACTS"/_*.png
