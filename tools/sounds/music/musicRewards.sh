# The score panel: ten cheerful seconds, quick arpeggios and a bright close.
LOUDNESS=$MUSIC_DB
b=0.3125
up=(C5:0.5 E5:0.5 G5:0.5 C6:0.5)
track tune.wav $b pluck "${up[@]}" "${up[@]}" F5:0.5 A5:0.5 C6:0.5 F6:0.5 G5:0.5 B5:0.5 D6:0.5 G6:0.5 \
  "${up[@]}" "${up[@]}" A5:0.5 C6:0.5 E6:0.5 A6:0.5 G5:0.5 B5:0.5 D6:0.5 G6:0.5 \
  E6:1 D6:1 C6:1 D6:1 E6:2 G6:2 C6:8
track pad.wav $b soft C4+E4+G4:4 F4+A4+C5:2 G4+B4+D5:2 C4+E4+G4:4 A3+C4+E4:2 G3+B3+D4:2 C4+E4+G4:4 G3+B3+D4:4 C4+E4+G4+C5:8
track bass.wav $b pluck C3:2 G2:2 F2:2 G2:2 C3:2 G2:2 A2:2 G2:2 C3:2 E3:2 G2:4 C3:8
mixdown mix.wav tune.wav:0.8 pad.wav:0.45 bass.wav:0.65
sx mix.wav out.wav fade q 0.02 -0 1.5 reverb 25 50 50
