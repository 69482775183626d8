# The learner's progress is back: a quick sparkling arpeggio.
track out.wav 0.07 bell C6:1 E6:1 G6:1 C7:6
