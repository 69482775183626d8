#!/usr/bin/env bash
# The answering-machine lesson played twice by a learner: a perfect game
# (7 points), then, from the score panel's restart, a game with one wrong
# key first (6 points). The profile must hold the last score and the total,
# written without a click on the panel; the second game's is written before
# the window is closed from its close box. A third visit is cut short by a
# SIGTERM (a logout) in the middle of a game: an unfinished game earns
# nothing, and the profile keeps what it held.
. "$(dirname "$0")/common.sh"

LEARNER=Lucie
PROFILE="$GAME_DIR/Profiles/$LEARNER.txt"
W=0; H=0

# A key of the machine: its place on the 1357 x 718 reference picture.
press_key() { click_at "$(( $1 * W / 1357 ))" "$(( $2 * H / 718 ))"; }

# The seven keys the seven steps ask for: erase, replay, save, help, next
# message, rewind, volume up. Each right key leads to the next step: the
# strip shows picture 2 for the first, 8 for the last.
play_steps() {
  local done=0 key
  for key in "510 571" "510 527" "623 572" "567 618" "623 617" "510 482" "893 576"; do
    press_key $key
    done=$((done + 1))
    [ "$done" -eq 7 ] || await_state "step=$((done + 2))"
  done
}

# Line n of the profile.
profile_line() { sed -n "${1}p" "$PROFILE" | tr -d '\r'; }

# From the start of the game to the lesson's intro sheet.
open_lesson() {
  start_game
  W="$(screen_size | cut -dx -f1)"; H="$(screen_size | cut -dx -f2)"
  wait_for_title
  log_in "$LEARNER"
  shot map
  enter_room 1003 218
  shot room
  click_at "$(ref_x 69)" "$(ref_y 498)"  # the lesson's icon
  wait_curtain screen=game game=1_1 phase=intro
  expect_screen lesson_intro room
}

play() {
  click_at $(( W - 250 )) 52
  await_state phase=play
  await_tick drawn
}

open_lesson
play
expect_screen lesson_play lesson_intro
play_steps
wait_panel
expect_screen panel_perfect lesson_play
# No click on the panel: the score is saved as soon as the panel stores it.
[ -f "$PROFILE" ] || fail "the panel's score was not saved"
[ "$(profile_line 1)" = 7 ] || fail "first score cell is $(profile_line 1), not 7"
[ "$(profile_line 161)" = 7 ] || fail "total is $(profile_line 161), not 7"
echo "perfect game: cell 7, total 7"

click_at 150 $(( H - 101 ))  # the panel's restart
await_state panel=none
await_tick drawn
shot lesson_again
play
click_at 300 300  # a wrong key first: the step loses its point
await_state paused=1
await_state paused=0
play_steps
wait_panel
expect_screen panel_one_wrong lesson_again
"$ZELK_CLOSE_WINDOW" "$WINDOW"  # straight from the panel: the close box
status=0
wait_exit || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after closing"
[ "$(profile_line 1)" = 6 ] || fail "first score cell is $(profile_line 1), not 6"
[ "$(profile_line 161)" = 13 ] || fail "total is $(profile_line 161), not 13"
[ "$(wc -l < "$PROFILE")" -eq 160 ] || fail "the profile does not have 161 lines"
echo "second game: cell 6, total 13"

open_lesson
play
press_key 510 571  # the first step, right: one point
await_state step=3
kill -TERM "$ZELK_PID"
status=0
wait_exit || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
[ "$(profile_line 161)" = 13 ] || fail "total is $(profile_line 161) after SIGTERM, not 13"
[ "$(profile_line 1)" = 6 ] || fail "the unfinished game changed the score cell to $(profile_line 1)"
echo "SIGTERM during a game: exit 0, total still 13"
