#!/usr/bin/env bash
# The checkout scale played by a learner on the real game: eight items,
# the first two typed wrong, the others right. For each, the script looks
# at the item on the scale's tray as a learner would (the picture that
# matches it best), reads its code from the chart's table and types it on
# the keypad. The result board comes, then the panel; the profile must hold
# six points in the scale's cell and in the total.
. "$(dirname "$0")/common.sh"

LEARNER=Paul
PROFILE="$GAME_DIR/Profiles/$LEARNER.txt"
W=0; H=0
# The chart: item n's code (as the chart prints it).
CODES=(0 4016 4011 4012 4053 4409 4562 4664 4060 4023 4081 4430 4032)

# A point of the 1362 x 726 layout the scale is drawn on.
lx() { echo $(( $1 * W / 1362 )); }
ly() { echo $(( $1 * H / 726 )); }

# The keypad: 1 to 9 in three rows, 0 under the 5.
press_digit() {
  local d="$1" col row
  if [ "$d" -eq 0 ]; then col=1; row=3; else col=$(( (d - 1) % 3 )); row=$(( (d - 1) / 3 )); fi
  click_at "$(lx $(( 950 + 72 * col )))" "$(ly $(( 496 + 62 * row )))"
}
type_code() {
  local code="$1" k
  for k in 0 1 2 3; do press_digit "${code:k:1}"; done
}

# Which of the twelve pictures lies on the tray: each candidate is laid
# over the tray as shot; the right one changes it least.
item_on_tray() {
  local side=$(( 180 * W / 1362 )) best=0 least=999999 n d
  local x=$(( 1022 * W / 1362 - side / 2 )) y=$(( 262 * H / 726 - side / 2 ))
  shot _tray
  convert "$ARTEFACTS/_tray.png" -crop "${side}x${side}+${x}+${y}" +repage "$ARTEFACTS/_tray_crop.png"
  convert "$ARTEFACTS/_tray_crop.png" -resize 64x64! "$ARTEFACTS/_tray_small.png"
  for n in $(seq 1 12); do
    convert "$ARTEFACTS/_tray_small.png" \( "$ZELK_ASSETS/Images/FruitVeg$n.png" -resize 64x64! \) \
      -composite "$ARTEFACTS/_tray_try.png"
    d="$(compare -metric AE -fuzz 12% "$ARTEFACTS/_tray_small.png" "$ARTEFACTS/_tray_try.png" null: 2>&1 >/dev/null || true)"
    d="${d%%.*}"
    if [ "$d" -lt "$least" ]; then least="$d"; best="$n"; fi
  done
  echo "$best"
}

profile_line() { sed -n "${1}p" "$PROFILE" | tr -d '\r'; }

start_game
W="$(screen_size | cut -dx -f1)"; H="$(screen_size | cut -dx -f2)"
wait_for_title
log_in "$LEARNER"
shot map
enter_room 614 413  # the grocery
shot room
click_at $(( W * 4 / 6 )) $(( 610 * H / 726 ))  # the scale's icon, fourth of five
wait_curtain screen=game game=3_4 phase=intro
expect_screen scale_intro room

click_at $(( W - 250 )) 52  # play
await_state phase=play
await_tick drawn
expect_screen scale_play scale_intro
declare -A asked=()
for turn in 1 2 3 4 5 6 7 8; do
  item="$(item_on_tray)"
  [ -z "${asked[$item]:-}" ] || fail "item $item was asked twice"
  asked[$item]=1
  code="${CODES[$item]}"
  if [ "$turn" -le 2 ]; then code="${code:0:3}$(( (${code:3:1} + 1) % 10 ))"; fi
  echo "turn $turn: item $item, typing $code"
  type_code "$code"  # the fourth digit judges it; the next item is on the tray a tick later
  # A wrong code's cross and sound: the keys wait for their end.
  if [ "$turn" -le 2 ]; then await_state phase=play paused=0; fi
  await_tick drawn
done
await_state phase=review
await_tick drawn
expect_screen scale_board scale_play
click_at $(( W - 250 )) 52  # play leads from the board to the panel
wait_panel  # every bar has dropped: the score is stored
expect_screen scale_panel scale_board
[ -f "$PROFILE" ] || fail "no profile was saved"
[ "$(profile_line 26)" = 6 ] || fail "the scale's cell is $(profile_line 26), not 6"
[ "$(profile_line 161)" = 6 ] || fail "total is $(profile_line 161), not 6"
echo "scale game: cell 6, total 6"
