#!/usr/bin/env bash
# A learner's walk through the screens: splash, title, log in as Hélène,
# each workplace's room and back, the trophy house and back, then quit.
. "$(dirname "$0")/common.sh"

start_game
await_state screen=splash
await_still
expect_screen splash
wait_for_title
expect_screen title splash

log_in "Hélène"
awk -v d="$(difference login_typed login_empty)" 'BEGIN { exit !(d > 0.00008) }' || fail "the name did not show in the dialog"
expect_screen map title

previous=map
for place in "dentist 1003 218" "pizzeria 267 535" "grocery 614 413"; do
  set -- $place
  point_at "$(ref_x "$2")" "$(ref_y "$3")"
  await_tick drawn
  shot "map_$1"
  awk -v d="$(difference "map_$1" map)" 'BEGIN { exit !(d > 0.005) }' || fail "the $1 did not light up"
  enter_room "$2" "$3"
  expect_screen "room_$1" "$previous"
  previous="room_$1"
  click_at 80 52  # the exit: the curtain runs back to the map
  await_state screen=map
  await_tick drawn
  shot "back_from_$1"
done

point_at "$(ref_x 1208)" "$(ref_y 579)"
await_tick drawn
shot map_vault
click_at "$(ref_x 1208)" "$(ref_y 579)"
await_state screen=game game=house
await_ticks 16
expect_screen trophy_house map_vault
click_at 80 52
await_state screen=map
await_tick drawn
expect_screen back_from_house trophy_house

click_at 80 52  # the map's exit leads to the title
wait_for_title
shot title_again
# And the title's quit button ends the game.
point_at "$(( $(login_button_x) + 70 ))" "$(( $(login_button_y) + 75 ))"
xdotool click 1
status=0
wait_exit || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after quitting"
echo "walked through every screen"
