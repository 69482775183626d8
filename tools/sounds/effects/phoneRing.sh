# A telephone ringing twice: two close tones, trembling like a bell.
sx -n -r $RATE -c 1 ring.wav synth 0.9 sine 440 sine 480 remix 1,2 tremolo 20 90 fade q 0.01 0.9 0.05
silence gap.wav 0.45
sx ring.wav gap.wav ring.wav gap.wav out.wav
