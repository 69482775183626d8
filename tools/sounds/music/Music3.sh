# The town map: light and walking-paced, about a minute, C major.
# Each section is four bars of C, A minor, F, G; the tune comes in after one.
LOUDNESS=$MUSIC_DB
b=0.46875
chords=(C4+E4+G4:4 A3+C4+E4:4 F3+A3+C4:4 G3+B3+D4:4)
roots=(C3 A2 F2 G2)
pad=() bass=()
for s in $(seq 8); do
  for i in 0 1 2 3; do
    if [ "$s" -eq 8 ] && [ $i -eq 3 ]; then pad+=(C4+E4+G4:4); bass+=(C3:4); continue; fi
    pad+=("${chords[$i]}")
    r=${roots[$i]}
    bass+=("$r:1.5" "$r:0.5" "${r%?}$(( ${r: -1} + 1 )):1" "$r:1")
  done
done
A=(E5:1 G5:1 A5:1 G5:1 E5:2 C5:2 F5:1 A5:1 C6:1 A5:1 G5:3 r:1)
B=(C5:1 D5:1 E5:1 G5:1 A5:2 G5:2 A5:1 G5:1 F5:1 E5:1 D5:3 r:1)
E=(C5:1 D5:1 E5:1 G5:1 A5:2 G5:2 A5:1 G5:1 F5:1 D5:1 C5:4)
melody=(r:16 "${A[@]}" "${B[@]}" "${A[@]}" "${B[@]}" r:16 "${A[@]}" "${E[@]}")
track pad.wav $b soft "${pad[@]}"
track bass.wav $b pluck "${bass[@]}"
track tune.wav $b pluck "${melody[@]}"
mixdown mix.wav pad.wav:0.45 bass.wav:0.7 tune.wav:0.8
sx mix.wav out.wav fade q 0.5 -0 2.5 reverb 30 50 60
