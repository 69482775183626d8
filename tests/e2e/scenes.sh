#!/usr/bin/env bash
# A learner's walk through the screens: splash, title, log in as Hélène,
# each workplace's room and back, the trophy house and back, then quit.
. "$(dirname "$0")/common.sh"

start_game
sleep 1
expect_screen splash
wait_for_title
wait_screen_still
expect_screen title splash

log_in "Hélène"
awk -v d="$(difference login_typed login_empty)" 'BEGIN { exit !(d > 0.00008) }' || fail "the name did not show in the dialog"
wait_screen_change login_typed 0.3
wait_screen_still
expect_screen map title

W="$(screen_size | cut -dx -f1)"
previous=map
for place in "dentist 1003 218" "pizzeria 267 535" "grocery 614 413"; do
  set -- $place
  xdotool mousemove "$(ref_x "$2")" "$(ref_y "$3")"
  sleep 0.5
  shot "map_$1"
  awk -v d="$(difference "map_$1" map)" 'BEGIN { exit !(d > 0.005) }' || fail "the $1 did not light up"
  xdotool click 1
  wait_screen_change "map_$1" 0.3
  wait_screen_still
  expect_screen "room_$1" "$previous"
  previous="room_$1"
  click_at 80 52  # the exit: the curtain runs back to the map
  wait_curtain
  shot "back_from_$1"
done

xdotool mousemove "$(ref_x 1208)" "$(ref_y 579)"
sleep 0.5
shot map_vault
xdotool click 1
wait_screen_change map_vault 0.3
wait_screen_still
expect_screen trophy_house map_vault
click_at 80 52
wait_screen_change trophy_house 0.3
wait_screen_still
expect_screen back_from_house trophy_house

click_at 80 52  # the map's exit leads to the title
wait_for_title
sleep 0.5
shot title_again
# And the title's quit button ends the game.
h="$(screen_size | cut -dx -f2)"
click_at "$(( $(awk -v w="$W" 'BEGIN { printf "%d", w * 0.8901989683124539 }') + 70 ))" \
         "$(( $(awk -v h="$h" 'BEGIN { printf "%d", h * 0.7910863509749304 }') + 75 ))"
status=0
wait_exit 15 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after quitting"
rm -f "$ARTEFACTS"/_*.png
echo "walked through every screen"
