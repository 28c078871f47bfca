#!/bin/sh
# Makes the game's default sound effects: 16-bit mono PCM WAVE files at 22050 Hz.
#
#   tools/sounds/make-sounds.sh [output-directory]     (default: src/resources/data)
#
# Needs sox; the spoken ones (YEAH, OUCH, GIGGLE) also need espeak-ng. The WAV files are
# committed, so only someone changing a sound has to run this.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../src/resources/data}
mkdir -p "$out"
out=$(cd "$out" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"

# Seed sox's noise and dither the same way every time, so a rerun gives the same files.
SOX_OPTS=-R
export SOX_OPTS

RATE=22050
# Tones carry more energy than speech at the same peak level, so the steady ones are
# turned down after normalising to keep the set about equally loud.
# Every file leaves here as one channel of 16-bit signed samples at $RATE.
FMT="-r $RATE -c 1 -b 16 -e signed-integer"

# tone FILE SECONDS TYPE NOTE [effects...]: one note with a short attack and a soft release.
tone() {
    f=$1 len=$2 type=$3 note=$4
    shift 4
    sox -n $FMT "$f" synth "$len" "$type" "$note" fade q 0.008 "$len" 0.04 "$@"
}

# brass FILE SECONDS NOTE: a bugle-like note (bright sawtooth, rounded off, slight vibrato).
brass() {
    f=$1 len=$2 note=$3
    sox -n $FMT "$f" synth "$len" sawtooth "$note" synth "$len" sine amod 6 92 \
        lowpass 1700 lowpass 2600 fade h 0.03 "$len" 0.08 gain -3
}

# speak FILE VOICE PITCH SPEED TEXT: a short spoken word, trimmed of silence.
speak() {
    espeak-ng -v "$2" -p "$3" -s "$4" -w "$1.raw.wav" "$5"
    sox "$1.raw.wav" $FMT "$1" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
}

# finish IN NAME SECONDS FADE [effects...]: cut or pad to SECONDS with a FADE-long ending,
# normalise, apply the effects and store.
finish() {
    in=$1 name=$2 len=$3 fade=$4
    shift 4
    sox "$in" "$in.padded.wav" pad 0 "$len"
    sox "$in.padded.wav" $FMT "$out/$name" trim 0 "$len" fade 0 "$len" "$fade" gain -n -1 "$@"
}

# YEAH: a small crowd cheering "yeah!" over a burst of applause-like noise.
speak y1.wav en-us+m3 55 110 "Yeah!"
speak y2.wav en+m1 35 120 "Yeah!"
speak y3.wav en+f2 75 110 "Yeah!"
speak y4.wav en+f4 90 125 "Yeah!"
sox y2.wav y2d.wav pad 0.04
sox y3.wav y3d.wav pad 0.02
sox y4.wav y4d.wav pad 0.06
sox -n $FMT crowd.wav synth 0.9 pinknoise highpass 900 lowpass 5000 tremolo 23 60 \
    fade q 0.05 0.9 0.45 gain -20
sox -m -v 0.7 y1.wav -v 0.55 y2d.wav -v 0.55 y3d.wav -v 0.5 y4d.wav -v 0.7 crowd.wav yeah.wav \
    reverb 25 50 60
finish yeah.wav YEAH.WAV 0.92 0.15

# WINMUSIC: a bright little arpeggio that lands on a chord.
tone w1.wav 0.09 square C5 lowpass 3500
tone w2.wav 0.09 square E5 lowpass 3500
tone w3.wav 0.09 square G5 lowpass 3500
tone w4.wav 0.09 square E5 lowpass 3500
tone w5.wav 0.09 square G5 lowpass 3500
for n in E5 G5 C6; do
    sox -n $FMT "ch$n.wav" synth 0.42 square $n lowpass 3500 fade q 0.008 0.42 0.25
done
sox -m -v 0.4 chE5.wav -v 0.4 chG5.wav -v 0.5 chC6.wav chord.wav
sox w1.wav w2.wav w3.wav w4.wav w5.wav chord.wav win.wav gain -6
finish win.wav WINMUSIC.WAV 0.87 0.05 gain -6

# DONG: a church-like bell: a few inharmonic partials, the high ones dying first.
partial() { # partial FILE FREQ SECONDS SHAPE
    sox -n $FMT "$1" synth "$3" sine "$2" fade "$4" 0.002 "$3" "$3"
}
partial b1.wav 196 0.95 q
partial b2.wav 392 0.95 q
partial b3.wav 468 0.9 t
partial b4.wav 588 0.8 t
partial b5.wav 784 0.6 l
partial b6.wav 1020 0.4 l
partial b7.wav 1520 0.25 l
sox -n $FMT strike.wav synth 0.03 whitenoise gain -6 highpass 2000 fade l 0 0.03 0.03
sox -m -v 0.15 b1.wav -v 0.27 b2.wav -v 0.21 b3.wav -v 0.13 b4.wav -v 0.1 b5.wav \
    -v 0.08 b6.wav -v 0.06 b7.wav -v 0.03 strike.wav bell.wav gain -1 reverb 30 50 70
finish bell.wav DONG.WAV 0.95 0.2

# GIGGLE: a high "hee-hee-hee", raised a little further, with a shake in it.
speak g1.wav en+f4 99 220 "hee hee hee hee"
sox g1.wav giggle.wav pitch 200 tremolo 7 30
finish giggle.wav GIGGLE.WAV 0.8 0.1

# CUCKOO: the two falling whistles of a cuckoo clock.
pipe() { # pipe FILE FREQ SECONDS: a wooden pipe, sagging a little in pitch at the end
    low=$(echo "$2 * 0.97" | bc)
    sox -n $FMT "$1.a.wav" synth "$3" sine "$2/$low" fade h 0.025 "$3" 0.2
    sox -n $FMT "$1.b.wav" synth "$3" sine "$(echo "$2 * 2" | bc)/$(echo "$low * 2" | bc)" \
        fade h 0.025 "$3" 0.2
    sox -n $FMT "$1.c.wav" synth "$3" pinknoise bandpass "$2" 300 fade h 0.01 "$3" 0.25
    sox -m -v 0.7 "$1.a.wav" -v 0.13 "$1.b.wav" -v 0.08 "$1.c.wav" "$1"
}
pipe c1.wav 740 0.26
pipe c2.wav 587 0.36
sox -n $FMT gap.wav trim 0 0.08
sox c1.wav gap.wav c2.wav cuckoo.wav pad 0 0.2 reverb 20 50 40
finish cuckoo.wav CUCKOO.WAV 0.8 0.05 gain -4

# GLASSBRK: a crash of bright noise, then shards tinkling down.
sox -n $FMT crash.wav synth 0.5 whitenoise gain -6 highpass 2500 fade l 0 0.5 0.48
sox -n $FMT thud.wav synth 0.1 brownnoise lowpass 400 fade l 0 0.1 0.09
i=0
for shard in "0.04 5200 0.09" "0.09 3900 0.12" "0.13 6100 0.07" "0.18 4500 0.1" \
    "0.24 3300 0.12" "0.31 5700 0.08" "0.38 4200 0.09" "0.46 6500 0.06" \
    "0.55 3700 0.1" "0.63 4900 0.07" "0.72 5900 0.06"; do
    set -- $shard
    sox -n $FMT "s$i.wav" synth "$3" sine "$2" sine mix "$(echo "$2 * 1.51" | bc)" \
        fade l 0.002 "$3" "$3" pad "$1"
    i=$((i + 1))
done
sox -m -v 0.9 crash.wav -v 0.7 thud.wav -v 0.35 s0.wav -v 0.35 s1.wav -v 0.35 s2.wav \
    -v 0.3 s3.wav -v 0.3 s4.wav -v 0.3 s5.wav -v 0.25 s6.wav -v 0.25 s7.wav -v 0.2 s8.wav \
    -v 0.2 s9.wav -v 0.15 s10.wav glass.wav reverb 15 50 30
finish glass.wav GLASSBRK.WAV 0.85 0.1

# OUCH: said with feeling.
speak o1.wav en+m3 75 140 "Ouch!"
sox o1.wav ouch.wav pitch 100
finish ouch.wav OUCH.WAV 0.9 0.08

# SIREN: a tone wailing up and down twice.
# The falling half is the rising half played backwards, so the halves meet without a click.
sox -n $FMT up.wav synth 0.2375 triangle 620/1250
sox up.wav down.wav reverse
sox up.wav down.wav up.wav down.wav siren.wav lowpass 2800 fade q 0.02 0.95 0.06
finish siren.wav SIREN.WAV 0.95 0.06 gain -7

# MUSIC1: a short fanfare, "ta-ta-ta-taaa, ta-taaa".
brass f1.wav 0.13 G4
brass f2.wav 0.13 G4
brass f3.wav 0.13 G4
brass f4.wav 0.5 C5
brass f5.wav 0.16 G4
brass f6.wav 0.75 C5
brass h4.wav 0.5 E4
brass h6.wav 0.75 E5
sox -n $FMT rest.wav trim 0 0.03
sox -m -v 0.6 f4.wav -v 0.35 h4.wav f4h.wav
sox -m -v 0.6 f6.wav -v 0.35 h6.wav f6h.wav
sox f1.wav rest.wav f2.wav rest.wav f3.wav rest.wav f4h.wav f5.wav f6h.wav fanfare.wav \
    gain -3 reverb 30 50 60
finish fanfare.wav MUSIC1.WAV 1.9 0.15 gain -3

# TAPS: the slow opening of the bugle call, "day is done".
brass t1.wav 0.48 G4
brass t2.wav 0.2 G4
brass t3.wav 1.1 C5
sox -n $FMT breath.wav trim 0 0.04
sox t1.wav breath.wav t2.wav breath.wav t3.wav taps.wav reverb 50 50 80
finish taps.wav TAPS.WAV 1.9 0.3 gain -3

# FLOOP: a soft rising blip.
sox -n $FMT floop.wav synth 0.16 sine 330/990 fade h 0.01 0.16 0.1 lowpass 2000
finish floop.wav FLOOP.WAV 0.16 0.02 gain -6

ls -l "$out"/*.WAV
