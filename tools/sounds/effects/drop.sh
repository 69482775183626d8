# A gold bar dropping into its slot: a soft thud and a short metal clink.
sx -n -r $RATE -c 1 thud.wav synth 0.18 sine 140-70 fade q 0.002 0.18 0.16
bell clink.wav 2093 0.3
silence gap.wav 0.02
sx gap.wav clink.wav late.wav
sx -m -v 0.9 thud.wav -v 0.6 late.wav out.wav
