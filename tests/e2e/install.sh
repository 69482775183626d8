#!/usr/bin/env bash
# The game installed with `cmake --install` into a scratch prefix: its
# launcher and software-centre files validate, its command line answers,
# and started from an empty folder it finds its pictures, opens full screen
# (or in a window with --windowed) and saves the learner's profile in the
# user's data folder.
. "$(dirname "$0")/common.sh"

BUILD_DIR="$(dirname "$ZELK")"
PREFIX="$(mktemp -d)"
HOME_DIR="$(mktemp -d)"
trap 'cleanup; rm -rf "$PREFIX" "$HOME_DIR"' EXIT
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$ARTEFACTS/install.txt"
ZELK="$PREFIX/games/zelk"
ZELK_ASSETS=""  # the installed game must find its own
[ -x "$ZELK" ] || fail "no program in games/"
[ -f "$PREFIX/share/games/zelk/Images/title_exit.png" ] || fail "no pictures in share/games/zelk"
[ -f "$PREFIX/share/games/zelk/Sounds/beep.mp3" ] || fail "no sounds in share/games/zelk"
[ ! -e "$PREFIX/share/games/zelk/Profiles" ] || fail "profiles were installed"

# --- the launcher, its icons and the software-centre description ---
desktop-file-validate "$PREFIX/share/applications/org.zelk.Zelk.desktop" || fail "the launcher does not validate"
grep -qx 'Categories=Education;Game;' "$PREFIX/share/applications/org.zelk.Zelk.desktop" || fail "launcher categories"
appstreamcli validate-tree --no-net "$PREFIX" >"$ARTEFACTS/appstream.txt" 2>&1 ||
  fail "the metainfo does not validate: $(cat "$ARTEFACTS/appstream.txt")"
for size in 16 24 32 48 64 128 256; do
  icon="$PREFIX/share/icons/hicolor/${size}x${size}/apps/org.zelk.Zelk.png"
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size} pixel icon"
done
echo "launcher, icons and metainfo validate"

# --- the Debian package: the same tree under /usr, its libraries declared ---
DEB_DIR="$PREFIX/deb"
cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$DEB_DIR" >"$ARTEFACTS/cpack.txt" 2>&1 ||
  fail "cpack failed: $(tail -3 "$ARTEFACTS/cpack.txt")"
DEB="$(ls "$DEB_DIR"/zelk_*.deb)"
depends="$(dpkg-deb -f "$DEB" Depends)"
for library in libsdl2-mixer libglut libsoil1 libgl1-mesa-dri libmpg123; do
  case "$depends" in *"$library"*) ;; *) fail "the package does not depend on $library: $depends" ;; esac
done
[ "$(dpkg-deb -f "$DEB" Section)" = games ] || fail "the package is not in section games"
dpkg-deb -c "$DEB" >"$ARTEFACTS/deb-files.txt"
for file in ./usr/games/zelk ./usr/share/games/zelk/Images/title_exit.png \
            ./usr/share/applications/org.zelk.Zelk.desktop ./usr/share/metainfo/org.zelk.Zelk.metainfo.xml; do
  grep -q " $file\$" "$ARTEFACTS/deb-files.txt" || fail "the package lacks $file"
done
echo "Debian package: $(basename "$DEB"), depends on $depends"

# --- the command line ---
"$ZELK" --version | grep -qE '^zelk [0-9]+\.[0-9]+' || fail "--version"
"$ZELK" --help | grep -q -- '--windowed' || fail "--help"
for bad in --bogus -x stray "--profiles"; do
  status=0
  "$ZELK" $bad >"$ARTEFACTS/bad.out" 2>"$ARTEFACTS/bad.err" || status=$?
  [ "$status" -eq 2 ] || fail "'zelk $bad' ended with $status, not 2"
  [ "$(wc -l <"$ARTEFACTS/bad.err")" -eq 1 ] || fail "'zelk $bad' did not say one line: $(cat "$ARTEFACTS/bad.err")"
  [ ! -s "$ARTEFACTS/bad.out" ] || fail "'zelk $bad' printed on standard output"
done
echo "command line: version, help, errors with status 2"

# --- windowed ---
export HOME="$HOME_DIR" XDG_DATA_HOME="$HOME_DIR/data"
unset ZELK_PROFILES
ZELK_ARGS="--windowed"
start_game
await_ticks 2  # a full-screen game would have gone full screen on its first tick
[ "$(window_size)" = "1024x768" ] || fail "--windowed opened $(window_size)"
xdotool key --window "$WINDOW" F11
wait_for '[ "$(window_size)" = "$(screen_size)" ]' "F11 going full screen"
"$ZELK_CLOSE_WINDOW" "$WINDOW"
wait_exit || fail "the windowed game did not end cleanly"
echo "windowed at 1024x768, F11 to full screen"

# --- full screen, a lesson played, the profile saved in the user's folder ---
ZELK_ARGS=""
start_game
W="$(screen_size | cut -dx -f1)"; H="$(screen_size | cut -dx -f2)"
wait_for '[ "$(window_size)" = "$(screen_size)" ]' "full screen"
wait_for_title
expect_screen title
log_in Ana
enter_room 1003 218
click_at "$(ref_x 69)" "$(ref_y 498)"
wait_curtain screen=game game=1_1 phase=intro
click_at $(( W - 250 )) 52  # play
await_state phase=play
for key in "510 571" "510 527" "623 572" "567 618" "623 617" "510 482" "893 576"; do
  set -- $key
  click_at "$(( $1 * W / 1357 ))" "$(( $2 * H / 718 ))"
done
# The lesson's score is stored and saved once the panel has shown all its slots.
wait_panel
PROFILE="$XDG_DATA_HOME/zelk/Profiles/Ana.txt"
[ -f "$PROFILE" ] && [ "$(sed -n 1p "$PROFILE" | tr -d '\r')" = 7 ] ||
  fail "no profile with the lesson's 7 points in the user's data folder"
[ "$(sed -n 161p "$PROFILE")" = 7 ] || fail "the saved total is $(sed -n 161p "$PROFILE"), not 7"
[ -z "$(ls -A "$GAME_DIR")" ] || fail "the game wrote in its working folder: $(ls -A "$GAME_DIR")"
"$ZELK_CLOSE_WINDOW" "$WINDOW"
wait_exit || fail "the game did not end cleanly"
if grep -q 'SOIL loading error' "$ARTEFACTS/stdout.txt"; then
  fail "pictures missing: $(grep -m3 'SOIL loading error' "$ARTEFACTS/stdout.txt")"
fi
echo "installed game: pictures found, lesson played, profile saved in the user's data folder"

# --- the tutor's report of that folder, with a fresh and a damaged profile beside ---
PROFILES="$XDG_DATA_HOME/zelk/Profiles"
{ for i in $(seq 160); do printf '0\r\n'; done; printf '0'; } >"$PROFILES/Bob.txt"
printf '3 4 oops' >"$PROFILES/Zoé.txt"
before="$(cd "$PROFILES" && ls -A | sort && cat -- *)"
"$ZELK" --report >"$ARTEFACTS/report.txt" || fail "--report failed"
# The lesson's day, as its history line tells it (the game's clock, not this script's).
PLAYED="$(cut -c1-10 "$PROFILES/Ana.txt.history")"
[ "$(wc -l <"$PROFILES/Ana.txt.history")" -eq 1 ] && [[ "$PLAYED" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}$ ]] ||
  fail "the history does not hold the one lesson: $(cat "$PROFILES/Ana.txt.history")"
[ "$(cut -f2- "$PROFILES/Ana.txt.history")" = "$(printf '1_1\t7\t7')" ] ||
  fail "the history's line is not the lesson's 7 of 7"
# A minigame's row when never played: its name in a 37-character column
# (characters, whatever the locale: UTF-8 continuation bytes do not count).
never() {
  local bytes extra
  bytes="$(printf '%s' "$1" | LC_ALL=C wc -c)"
  extra="$(printf '%s' "$1" | LC_ALL=C tr -cd '\200-\277' | LC_ALL=C wc -c)"
  printf '  %s%*s jamais joué\n' "$1" "$(( 37 - bytes + extra ))" ""
}
dentist() { never "Prendre un message en français"; never "Prendre un message en anglais"
  never "La page de couverture d'une télécopie"; never "Envoyer une télécopie"
  never "Saluer au téléphone en français"; never "Répondre aux appels 1"; never "Transférer les appels"
  never "Saluer au téléphone en anglais"; never "Répondre aux appels 2"; }
others() {
  echo
  echo "Pizzeria                                Score Meilleur Parties Dernière partie"
  for game in "Le bon de commande en français" "Le GPS en anglais" "Les panneaux routiers" \
              "L'ascenseur de l'immeuble" "Le paiement par carte" "Le bon de commande en anglais" \
              "Les panneaux d'information" "Le GPS en français" "Le calcul du prix"; do never "$game"; done
  echo
  echo "Épicerie                                Score Meilleur Parties Dernière partie"
  for game in "Les dates « meilleur avant »" "Trier selon la date" "Ranger l'épicerie" \
              "Les codes des fruits et légumes" "Lire un reçu"; do never "$game"; done
}
{
  echo "Ana"; echo "==="
  echo "  7 points gagnés, 0 dépensé, 0 trophée sur 38"
  echo "  1 partie jouée, le $PLAYED"
  echo
  echo "Bureau du dentiste                      Score Meilleur Parties Dernière partie"
  echo "  Le répondeur                            7/7      7/7       1 $PLAYED"
  dentist; others; echo
  echo "Bob"; echo "==="
  echo "  0 point gagné, 0 dépensé, 0 trophée sur 38"
  echo "  Aucune partie dans l'historique"
  echo
  echo "Bureau du dentiste                      Score Meilleur Parties Dernière partie"
  never "Le répondeur"; dentist; others; echo
  echo "Zoé"; echo "==="
  echo "  Profil endommagé, rien n'est compté. Le fichier à vérifier :"
  echo "  Zoé.txt"
} >"$ARTEFACTS/report-expected.txt"
diff "$ARTEFACTS/report-expected.txt" "$ARTEFACTS/report.txt" >&2 || fail "the report is not as expected"
"$ZELK" --report --csv >"$ARTEFACTS/report.csv" || fail "--report --csv failed"
[ "$(head -c 3 "$ARTEFACTS/report.csv" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "the CSV has no UTF-8 mark"
[ "$(wc -l <"$ARTEFACTS/report.csv")" -eq 50 ] || fail "the CSV has $(wc -l <"$ARTEFACTS/report.csv") rows, not 1 + 24 + 24 + 1"
for row in "Ana,Bureau du dentiste,Le répondeur,7,7,7,1,$PLAYED" "Ana,Épicerie,Lire un reçu,,5,,0," \
           "Bob,Pizzeria,Le paiement par carte,,10,,0," "Zoé,,profil endommagé,,,,,"; do
  grep -qxF "$row"$'\r' "$ARTEFACTS/report.csv" || fail "the CSV lacks the row $row"
done
"$ZELK" --report --learner ana >"$ARTEFACTS/report-ana.txt" || fail "--report --learner failed"
awk '/^Bob$/ { exit } { print }' "$ARTEFACTS/report-expected.txt" | sed '$d' | diff - "$ARTEFACTS/report-ana.txt" >&2 ||
  fail "--learner ana is not Ana's table"
"$ZELK" --report --html >"$ARTEFACTS/report.html" || fail "--report --html failed"
[ "$(grep -c '<svg' "$ARTEFACTS/report.html")" -eq 1 ] || fail "the page has not Ana's chart alone"
! grep -qE 'https?:|<script|src=|href=' "$ARTEFACTS/report.html" || fail "the page refers to something outside it"
[ "$(cd "$PROFILES" && ls -A | sort && cat -- *)" = "$before" ] || fail "the report changed the profiles folder"
# A shared folder named by the environment wins over the user's own.
mkdir -p "$HOME_DIR/shared"
cp "$PROFILES/Bob.txt" "$HOME_DIR/shared/Centre.txt"
ZELK_PROFILES="$HOME_DIR/shared" "$ZELK" --report | grep -qx 'Centre' || fail "ZELK_PROFILES was not read"
[ "$(ZELK_PROFILES="$HOME_DIR/shared" "$ZELK" --report | grep -cE ' points? gagnés?')" -eq 1 ] ||
  fail "ZELK_PROFILES mixed the folders"
echo "report, CSV, one learner and the page as expected, profiles untouched, ZELK_PROFILES honoured"
