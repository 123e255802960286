#!/usr/bin/env bash
# Makes the soak run's playlist: COUNT clips (200 by default) in FOLDER, named clip-NNN-KIND.EXT
# in playing order. Seven containers (AVI, MP4, Matroska, WebM, Ogg, MPEG program stream, ASF) in
# three test patterns are encoded once as seeds; the clips are copies of them, and every fifth
# one is damaged in turn: cut short, overwritten in the middle with another clip's bytes, or
# another container under this one's extension. The same COUNT always gives the same clips.
#   soak-clips.sh FOLDER [COUNT] [SECONDS]
set -euo pipefail
folder=$1
count=${2:-200}
seconds=${3:-2}
frames=$((seconds * 25))
seeds=$folder/seeds
mkdir -p "$seeds"

video() { # PATTERN: raw video for FRAMES frames
  echo "videotestsrc num-buffers=$frames pattern=$1 \
    ! video/x-raw,width=320,height=240,framerate=25/1 ! videoconvert"
}
audio() { # raw audio as long as the video
  echo "audiotestsrc num-buffers=$((seconds * 44100 / 1024)) samplesperbuffer=1024 volume=0.1 \
    ! audio/x-raw,rate=44100,channels=2"
}

encode() { # EXT PATTERN: one seed, video and (where the container takes it simply) sound
  local ext=$1 pattern=$2 out="$seeds/$2.$1"
  [[ -s "$out" ]] && return
  local v a
  v=$(video "$pattern")
  a=$(audio)
  case "$ext" in
    avi) pipe="avimux name=m ! filesink location=$out.part $v ! jpegenc ! queue ! m.
               $a ! audioconvert ! audio/x-raw,format=S16LE ! queue ! m." ;;
    mp4) pipe="mp4mux name=m ! filesink location=$out.part $v ! x264enc speed-preset=ultrafast \
               ! h264parse ! queue ! m." ;;
    mkv) pipe="matroskamux name=m ! filesink location=$out.part $v ! x264enc speed-preset=ultrafast \
               ! h264parse ! queue ! m. $a ! audioconvert ! vorbisenc ! queue ! m." ;;
    webm) pipe="webmmux name=m ! filesink location=$out.part $v ! vp8enc deadline=1 ! queue ! m.
               $a ! audioconvert ! vorbisenc ! queue ! m." ;;
    ogg) pipe="oggmux name=m ! filesink location=$out.part $v ! theoraenc ! queue ! m.
               $a ! audioconvert ! vorbisenc ! queue ! m." ;;
    mpg) pipe="mpegpsmux name=m ! filesink location=$out.part $v ! mpeg2enc \
               ! queue ! m." ;;
    asf) pipe="asfmux name=m ! filesink location=$out.part $v \
               ! avenc_wmv2 ! queue ! m." ;;
  esac
  # shellcheck disable=SC2086 # the pipeline is words for gst-launch
  gst-launch-1.0 -q $pipe >/dev/null
  mv "$out.part" "$out"
}

exts=(avi mp4 mkv webm ogg mpg asf)
patterns=(smpte ball snow)
for ext in "${exts[@]}"; do
  for pattern in "${patterns[@]}"; do encode "$ext" "$pattern"; done
done

size_of() { stat -c %s "$1"; }

damages=(cut garbage alien)
rm -f "$folder"/clip-*
for ((i = 0; i < count; i++)); do
  ext=${exts[i % 7]}
  seed=$seeds/${patterns[(i / 7) % 3]}.$ext
  other=$seeds/${patterns[(i / 7 + 1) % 3]}.${exts[(i + 3) % 7]}
  kind=good
  ((i % 5 == 4)) && kind=${damages[(i / 5) % 3]}
  name=$(printf '%s/clip-%03d-%s.%s' "$folder" "$((i + 1))" "$kind" "$ext")
  case "$kind" in
    good) cp "$seed" "$name" ;;
    cut) head -c $(($(size_of "$seed") * (20 + i % 50) / 100)) "$seed" >"$name" ;;
    garbage)
      cp "$seed" "$name"
      dd if="$other" of="$name" bs=1 skip=4096 seek=$(($(size_of "$seed") / 2)) count=8192 \
        conv=notrunc status=none ;;
    alien) cp "$other" "$name" ;;
  esac
done
echo "$count clips in $folder"
