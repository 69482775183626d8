# A two-tone chime, like a shop's door.
track out.wav 0.25 bell E5:1 C5:4
