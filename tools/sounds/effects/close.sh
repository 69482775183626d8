# Something closing: a short soft fall and a light tap.
sx -n -r $RATE -c 1 fall.wav synth 0.16 sine 760-320 fade q 0.005 0.16 0.06
sx -n -r $RATE -c 1 tap.wav synth 0.05 pinknoise lowpass 1500 fade q 0.001 0.05 0.045
sx fall.wav tap.wav out.wav
