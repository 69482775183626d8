#!/usr/bin/env bash
# A learner on a French (AZERTY) keyboard types "Jérôme Cœur" in the login:
# é by the Compose key, ô by the dead circumflex, œ by Compose o e. The €
# of AltGr+E, which no profile can hold, is refused in words. The name's
# own file is then made (the subtitles setting, kept beside the profile).
. "$(dirname "$0")/common.sh"

NAME="Jérôme Cœur"
SETTINGS="$GAME_DIR/Profiles/$NAME.txt.settings"

start_game
# The game is a client now, so the server keeps this keyboard for the walk.
setxkbmap -display "$DISPLAY" fr -option compose:rctrl
wait_for_title
wait_screen_still

w="$(screen_size | cut -dx -f1)"; h="$(screen_size | cut -dx -f2)"
shot title
click_at "$(awk -v w="$w" 'BEGIN { printf "%d", w * 0.8901989683124539 }')" \
         "$(awk -v h="$h" 'BEGIN { printf "%d", h * 0.7910863509749304 }')"
wait_screen_change title 0.3 10
shot login_empty

key() { xdotool key --delay 40 "$@"; }
xdotool type --delay 40 J
key Multi_key apostrophe e r dead_circumflex o m e space
xdotool type --delay 40 C
key Multi_key o e u r
shot login_typed
awk -v d="$(difference login_typed login_empty)" 'BEGIN { exit !(d > 0.00008) }' || fail "the name did not show"

# The message line under the name field, in the centred dialog (546 x 250
# under a 34-pixel caption; the line's baseline 160 down the body).
message_line() {
  convert "$ARTEFACTS/$1.png" -crop "380x30+$(( (w - 546) / 2 + 104 ))+$(( (h - 250) / 2 + 34 + 140 ))" +repage \
    "$ARTEFACTS/$2.png"
}
message_shows() {
  shot login_refused
  message_line login_refused message_after
  awk -v d="$(difference message_after message_before)" 'BEGIN { exit !(d > 0.02) }'
}
message_line login_typed message_before
key EuroSign
wait_for message_shows 5 || fail "the euro sign was not refused in words"
awk -v d="$(difference login_refused login_typed)" 'BEGIN { exit !(d < 0.01) }' || fail "the refusal changed more than its line"

xdotool key Return
wait_screen_change login_refused 0.3
wait_screen_still
shot map

click_at $(( w - 58 )) 124  # subtitles off: the setting is saved at once
wait_for '[ -f "$SETTINGS" ]' 10 || fail "no file for $NAME: $(ls "$GAME_DIR/Profiles" 2>/dev/null | tr '\n' ' ')"
[ "$(ls "$GAME_DIR/Profiles" | wc -l)" -eq 1 ] || fail "other files: $(ls "$GAME_DIR/Profiles" | tr '\n' ' ')"
grep -qx 'subtitles=0' "$SETTINGS" || fail "the setting was not kept: $(cat "$SETTINGS")"

"$ZELK_CLOSE_WINDOW" "$WINDOW"
status=0
wait_exit || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after closing"
rm -f "$ARTEFACTS"/_*.png
echo "typed $NAME with a dead key and the Compose key; the euro sign was refused"
