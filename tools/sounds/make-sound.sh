#!/usr/bin/env bash
# make-sound.sh RECIPE OUT.mp3: runs one sound recipe. A recipe is a bash
# file that writes "$WORK/out.wav" (with the helpers of lib.sh) and may set
# LOUDNESS; this script then normalises and encodes it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
recipe=$(realpath "$1") out=$(realpath -m "$2")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
LOUDNESS=$EFFECT_DB
cd "$WORK"
source "$recipe"
finish "$WORK/out.wav" "$out" "$LOUDNESS"
