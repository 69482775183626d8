# Under the logos: twelve seconds that rise and settle on a bright chord.
LOUDNESS=$MUSIC_DB
b=0.5
track pad.wav $b soft C4+E4+G4:4 A3+C4+F4:4 B3+D4+G4:4 C4+E4+G4+C5:12
track bell.wav $b bell C5:0.5 E5:0.5 G5:1 E5:2 A5:0.5 F5:0.5 C5:1 F5:2 G5:0.5 B5:0.5 D6:1 B5:2 C6:12
track bass.wav $b pluck C3:4 F2:4 G2:4 C2:12
mixdown mix.wav pad.wav:0.5 bell.wav:0.45 bass.wav:0.6
sx mix.wav out.wav fade q 0.05 -0 3 reverb 40 50 80
