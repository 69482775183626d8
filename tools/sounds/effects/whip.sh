# A quick swish, falling: a game ended with some wrong answers.
sx -n -r $RATE -c 1 n.wav synth 0.32 pinknoise band 2400 1800 fade q 0.03 0.32 0.25
sx -n -r $RATE -c 1 s.wav synth 0.32 sine 900-250 fade q 0.01 0.32 0.28
sx -m -v 1 n.wav -v 0.25 s.wav out.wav
