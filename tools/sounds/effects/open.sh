# Something opening: a short soft rise.
sx -n -r $RATE -c 1 out.wav synth 0.16 sine 320-760 fade q 0.005 0.16 0.08
