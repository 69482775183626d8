# A light-hearted "well done" flourish: a springy slide and two plucks.
sx -n -r $RATE -c 1 slide.wav synth 0.22 sine 392-784 fade q 0.01 0.22 0.05
track plucks.wav 0.12 pluck G5:1 C6:3
sx slide.wav plucks.wav out.wav
