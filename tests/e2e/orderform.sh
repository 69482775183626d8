#!/usr/bin/env bash
# The pizzeria's order form taken by a learner with the mouse: the order
# played is fixed by ZELK_SEED, the name is picked on the list, the size
# ringed and the toppings ticked; the check gives 7 points, which the
# profile keeps in the form's cell and in the total.
. "$(dirname "$0")/common.sh"

LEARNER=Paolo
PROFILE="$GAME_DIR/Profiles/$LEARNER.txt"
W=0; H=0

# A line of the pad: its offset from the view's centre.
line() {
  click_at $(( W / 2 + $1 )) $(( H / 2 + $2 ))
  await_tick drawn
}

profile_line() { sed -n "${1}p" "$PROFILE" | tr -d '\r'; }

# ZELK_SEED 0 draws order 4 and the first game takes the next one: order 1,
# Julie's medium pizza with mozzarella, pepperoni, chicken, green peppers and onions.
export ZELK_SEED=0
start_game
W="$(screen_size | cut -dx -f1)"; H="$(screen_size | cut -dx -f2)"
wait_for_title
log_in "$LEARNER"
shot map
enter_room 267 535  # the pizzeria
shot room
click_at "$(ref_x 271)" "$(ref_y 640)"  # the order form's icon
wait_curtain screen=game game=2_1 phase=intro
expect_screen form_intro room

click_at $(( W - 250 )) 52  # play
await_state phase=play
await_tick drawn
expect_screen form_play form_intro

line -174 -218                                      # the name line opens the list
click_at $(( W / 2 - 174 + 45 + 60 )) $(( H / 2 - 218 + 2 ))  # its first row: Julie
line -152 -153                                      # medium
line -218 -63; line -218 -27; line -218 19; line -218 32; line -114 -39
shot form_filled

click_at $(( W - 250 )) 52  # the check
wait_panel  # the panel has slid in, dropped its bars and stored the score
expect_screen form_panel form_filled
# Row 2, the pizzeria, starts at line 12 (eleven cells a row); its first
# cell is the form's.
[ -f "$PROFILE" ] || fail "no profile was saved"
[ "$(profile_line 12)" = 7 ] || fail "the order form's cell is $(profile_line 12), not 7"
[ "$(profile_line 161)" = 7 ] || fail "total is $(profile_line 161), not 7"
echo "order form: cell 7, total 7"
