#!/usr/bin/env bash
# The window opens, goes full screen on its first tick, draws, leaves full
# screen on F11 and closes cleanly from its close box.
. "$(dirname "$0")/common.sh"

start_game
wait_for '[ "$(window_size)" = "$(screen_size)" ]' "full screen"
await_state screen=splash
await_still
shot fullscreen
# A frame fills the screen: the splash's white view, or on a loaded machine
# the title that follows it (the screenshot is taken after the game moved
# on). A frame of the window's first size would leave the right edge black.
right_edge="$(convert "$ARTEFACTS/fullscreen.png" -gravity east -crop 64x+0+0 +repage -colorspace Gray -format '%[fx:mean]' info:)"
awk -v b="$(brightness fullscreen)" -v e="$right_edge" 'BEGIN { exit !(b > 0.2 && e > 0.1) }' ||
  fail "the frame does not fill the screen: brightness $(brightness fullscreen), right edge $right_edge"

xdotool key --window "$WINDOW" F11
wait_for '[ "$(window_size)" != "$(screen_size)" ]' "F11 leaving full screen"
xdotool key --window "$WINDOW" F11
wait_for '[ "$(window_size)" = "$(screen_size)" ]' "F11 going back to full screen"

"$ZELK_CLOSE_WINDOW" "$WINDOW"
status=0
wait_exit || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after closing"
if grep -qiE 'error of failed request|segmentation|abort' "$ARTEFACTS/stderr.txt"; then
  fail "the shutdown complained: $(cat "$ARTEFACTS/stderr.txt")"
fi
echo "window opened full screen, toggled with F11 and closed cleanly"
