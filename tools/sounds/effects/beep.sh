# The reward ding when a point is earned: two bright bell notes, rising.
bell a.wav 1318.5 0.09
bell b.wav 1760 0.45
sx a.wav b.wav out.wav
