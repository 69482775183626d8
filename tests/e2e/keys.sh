#!/usr/bin/env bash
# Learners on a Canadian French keyboard type their names in the login as
# they would at the centre: "Jérôme" with the é key and ô by the dead
# circumflex, then, the field emptied, "Éloïse Cœur" with Shift+é, ï by the
# dead diaeresis and œ by the Compose key. The € of AltGr+E, which no
# profile can hold, is refused in words. The name's own file is then made
# (the subtitles setting, kept beside the profile), spelt as typed.
#
# Every key is on the keyboard's map: xdotool's "type" of a letter the map
# lacks binds a spare key for that one press and unbinds it at once, and a
# program that reads the press after the unbinding reads another letter
# (that is how "Éloïse" once became "éloÃse": the tool, not the game).
. "$(dirname "$0")/common.sh"

NAME="Éloïse Cœur"
SETTINGS="$GAME_DIR/Profiles/$NAME.txt.settings"

start_game
# The game is a client now, so the server keeps this keyboard for the walk.
setxkbmap -display "$DISPLAY" ca -option compose:rctrl
# The € has no key of its own there: one is given to it, for good (see above).
"$ZELK_BIND_KEYSYMS" EuroSign
wait_for_title

w="$(screen_size | cut -dx -f1)"; h="$(screen_size | cut -dx -f2)"
shot title
click_at "$(login_button_x)" "$(login_button_y)"
await_dialog
await_still
shot login_empty

key() { xdotool key "$@"; }
key shift+j eacute r dead_circumflex o m e
await_state "text=Jérôme"
for _ in 1 2 3 4 5 6; do key BackSpace; done
await_state "text=none"
key shift+eacute l o dead_diaeresis i s e space shift+c Multi_key o e u r
await_state "text=$(one_word "$NAME")"
await_still
shot login_typed
awk -v d="$(difference login_typed login_empty)" 'BEGIN { exit !(d > 0.00008) }' || fail "the name did not show"

# The message line under the name field, in the centred dialog (546 x 250
# under a 34-pixel caption; the line's baseline 160 down the body).
message_line() {
  convert "$ARTEFACTS/$1.png" -crop "380x30+$(( (w - 546) / 2 + 104 ))+$(( (h - 250) / 2 + 34 + 140 ))" +repage \
    "$ARTEFACTS/$2.png"
}
message_line login_typed message_before
key EuroSign
# Refused in words: the message line says so, and the name stays.
await 'index($2, "screen=") == 1 && index($0, " message=none") == 0 && index($0, " text=" name " ")' \
  "the euro sign refused in words" -v name="$(one_word "$NAME")"
await_still
shot login_refused
message_line login_refused message_after
awk -v d="$(difference message_after message_before)" 'BEGIN { exit !(d > 0.02) }' || fail "the refusal is not shown"
awk -v d="$(difference login_refused login_typed)" 'BEGIN { exit !(d < 0.01) }' || fail "the refusal changed more than its line"

xdotool key Return
await_state screen=map dialog=none
await_tick drawn
shot map

click_at $(( w - 58 )) 124  # subtitles off: the setting is saved at once
[ -f "$SETTINGS" ] || fail "no file for $NAME: $(ls "$GAME_DIR/Profiles" 2>/dev/null | tr '\n' ' ')"
[ "$(ls "$GAME_DIR/Profiles" | wc -l)" -eq 1 ] || fail "other files: $(ls "$GAME_DIR/Profiles" | tr '\n' ' ')"
grep -qx 'subtitles=0' "$SETTINGS" || fail "the setting was not kept: $(cat "$SETTINGS")"

"$ZELK_CLOSE_WINDOW" "$WINDOW"
status=0
wait_exit || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after closing"
echo "typed Jérôme, then $NAME, with the é key, dead keys and the Compose key; the euro sign was refused"
