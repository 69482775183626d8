# A gentle wrong-answer buzz: two soft low notes going down, rounded off.
note a.wav 233 0.14 triangle 0.05
silence gap.wav 0.04
note b.wav 196 0.24 triangle 0.15
sx a.wav gap.wav b.wav mixed.wav
sx mixed.wav out.wav lowpass 1200 gain -3
