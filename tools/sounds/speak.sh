#!/usr/bin/env bash
# speak.sh LINE.txt OUT.mp3 SLOW.mp3: speaks one narration line (first line
# of the file: the espeak-ng voice, second: the text) slowly and clearly,
# and again at three quarters of that speed with the voice's pitch kept,
# for a learner who asks to hear it more slowly.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
voice=$(sed -n 1p "$1")
text=$(sed -n 2p "$1")
out=$(realpath -m "$2")
slow=$(realpath -m "$3")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# 145 words a minute with short pauses between words: easy to follow.
espeak-ng -v "$voice" -s 145 -g 2 -p 45 -w "$WORK/raw.wav" "$text"
sx "$WORK/raw.wav" "$WORK/voice.wav" rate $RATE highpass 90 compand 0.01,0.2 6:-70,-60,-20 -8 -90 0.1 pad 0.25 0.4
finish "$WORK/voice.wav" "$out" "$VOICE_DB"
# sox's tempo in its speech mode stretches the time and leaves the pitch.
sx "$WORK/voice.wav" "$WORK/slow.wav" tempo -s 0.75
finish "$WORK/slow.wav" "$slow" "$VOICE_DB"
