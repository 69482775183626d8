# The workplaces' rooms: calm, slow and even, about a minute, F major.
LOUDNESS=$MUSIC_DB
b=0.75
chords=(F3+A3+C4:4 D3+F3+A3:4 A#2+D3+F3:4 C3+E3+G3:4)
roots=(F2 D2 A#1 C2)
pad=() bass=()
for s in $(seq 5); do
  for i in 0 1 2 3; do
    if [ "$s" -eq 5 ] && [ $i -eq 3 ]; then pad+=(F3+A3+C4:4); bass+=(F2:4); continue; fi
    pad+=("${chords[$i]}")
    bass+=("${roots[$i]}:2" "${roots[$i]}:2")
  done
done
A=(A4:2 C5:2 D5:2 C5:2 F5:3 D5:1 C5:4 A#4:2 D5:2 C5:2 A4:2 G4:6 r:2)
B=(A4:2 G4:2 F4:2 A4:2 D5:3 C5:1 A4:4 A#4:2 A4:2 G4:2 E4:2 F4:6 r:2)
melody=(r:16 "${A[@]}" "${B[@]}")
track pad.wav $b soft "${pad[@]}"
track bass.wav $b soft "${bass[@]}"
track tune.wav $b bell "${melody[@]}"
mixdown mix.wav pad.wav:0.5 bass.wav:0.6 tune.wav:0.45
sx mix.wav out.wav fade q 1 -0 3 reverb 40 50 70
