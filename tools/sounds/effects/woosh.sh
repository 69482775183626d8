# Air moving past: filtered noise swelling and fading.
sx -n -r $RATE -c 1 out.wav synth 0.7 pinknoise band 900 700 fade h 0.3 0.7 0.4 tremolo 3 20
