# Helpers for the sound recipes (sourced by make-sound.sh and speak.sh).
# Every sox call runs in repeatable mode (-R): same recipe, same bytes.
RATE=44100

sx() { sox -R -V1 "$@"; }

# note OUT FREQ SECONDS [TYPE] [FADE_OUT]: one mono note, soft attack.
note() {
  local out=$1 freq=$2 len=$3 type=${4:-sine} fade=${5:-$3}
  sx -n -r $RATE -c 1 "$out" synth "$len" "$type" "$freq" fade q 0.005 "$len" "$fade"
}

# bell OUT FREQ SECONDS: a sine with a quieter octave and twelfth, decaying.
bell() {
  local out=$1 freq=$2 len=$3 d
  d=$(mktemp -d)
  note "$d/a.wav" "$freq" "$len" sine "$len"
  note "$d/b.wav" "$(echo "$freq * 2" | bc -l)" "$len" sine "$len"
  note "$d/c.wav" "$(echo "$freq * 3" | bc -l)" "$(echo "$len * 0.5" | bc -l)" sine
  sx -m -v 1 "$d/a.wav" -v 0.35 "$d/b.wav" -v 0.12 "$d/c.wav" "$out"
  rm -rf "$d"
}

# silence OUT SECONDS
silence() { sx -n -r $RATE -c 1 "$1" trim 0 "$2"; }

# stat FILE FIELD: one figure of `sox stats` ("RMS lev dB", "Pk lev dB").
stat_db() { sox "$1" -n stats 2>&1 | awk -v f="$2" 'index($0, f) == 1 { print $NF }'; }

# finish IN.wav OUT.mp3 RMS_DB: brings the loudness (RMS) to the target,
# never letting the peak pass -1 dB, then encodes mono MP3.
finish() {
  local in=$1 out=$2 target=$3 rms pk gain d
  rms=$(stat_db "$in" "RMS lev dB")
  pk=$(stat_db "$in" "Pk lev dB")
  gain=$(echo "g = $target - ($rms); if (g > -1 - ($pk)) g = -1 - ($pk); g" | bc -l)
  d=$(mktemp -d)
  sx "$in" -r $RATE -c 1 -b 16 "$d/final.wav" gain "$gain"
  lame --quiet --noreplaygain -m m -b 96 "$d/final.wav" "$out.tmp"
  mv "$out.tmp" "$out"
  rm -rf "$d"
}

# Loudness targets: effects clear, voices clearest, music well under both.
EFFECT_DB=-19
VOICE_DB=-16
MUSIC_DB=-29

# --- music ---
# semitones NOTE: a note name (C4, F#3, Bb5) as semitones from A4 (440 Hz),
# the form sox's synth takes as "%N".
semitones() {
  local n=$1 letter=${1:0:1} rest=${1:1} acc=0 base
  case $letter in C) base=-9 ;; D) base=-7 ;; E) base=-5 ;; F) base=-4 ;; G) base=-2 ;; A) base=0 ;; B) base=2 ;;
    *) echo "bad note $n" >&2; return 1 ;; esac
  case $rest in \#*) acc=1; rest=${rest:1} ;; b*) acc=-1; rest=${rest:1} ;; esac
  echo $((base + acc + 12 * (rest - 4)))
}

# track OUT BEAT_SECONDS VOICE TOKEN...: a line of music, one token a slot:
# NOTE:BEATS ("E4:1", chords "C4+E4+G4:4", rests "r:2"). VOICE is pluck
# (plucked string), soft (sine with a gentle swell) or bell.
track() {
  local out=$1 beat=$2 voice=$3
  shift 3
  local d i=0 parts=() tok notes beats len
  d=$(mktemp -d)
  for tok in "$@"; do
    notes=${tok%%:*}
    beats=${tok##*:}
    len=$(echo "$beats * $beat" | bc -l)
    i=$((i + 1))
    local f
    f=$(printf '%s/%04d.wav' "$d" $i)
    if [ "$notes" = r ]; then
      silence "$f" "$len"
    else
      local members=() k=0 m
      IFS=+ read -ra members <<< "$notes"
      local mixed=()
      for m in "${members[@]}"; do
        k=$((k + 1))
        local g="$f.$k.wav" s
        s=$(semitones "$m")
        case $voice in
          pluck) sx -n -r $RATE -c 1 "$g" synth "$len" pluck "%$s" fade q 0.004 "$len" "$(echo "$len * 0.6" | bc -l)" ;;
          soft) sx -n -r $RATE -c 1 "$g" synth "$len" sine "%$s" sine "%$((s + 12))" remix 1v0.85,2v0.15 fade h "$(echo "$len * 0.3" | bc -l)" "$len" "$(echo "$len * 0.45" | bc -l)" ;;
          bell) bell "$g" "$(echo "440 * e(l(2) * $s / 12)" | bc -l)" "$len" ;;
        esac
        mixed+=("$g")
      done
      if [ ${#mixed[@]} -eq 1 ]; then mv "${mixed[0]}" "$f"; else sx -m "${mixed[@]}" "$f"; fi
    fi
    parts+=("$f")
  done
  sx "${parts[@]}" "$out"
  rm -rf "$d"
}

# mix OUT IN:VOLUME...: lays tracks over one another.
mixdown() {
  local out=$1
  shift
  local args=() t
  for t in "$@"; do args+=(-v "${t##*:}" "${t%:*}"); done
  sx -m "${args[@]}" "$out"
}
