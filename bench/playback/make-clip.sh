#!/usr/bin/env bash
# Makes a measurement clip with GStreamer when it is not there yet, twelve seconds with audio:
#   make-clip.sh 1080 FILE.mp4   1920 × 1080 H.264 30 fps, AAC stereo, in MP4
#   make-clip.sh 720 FILE.mpg    1280 × 720 MPEG-2 30 fps, MPEG-1 layer 2 stereo, in MPEG-PS
#   make-clip.sh 480 FILE.wmv    854 × 480 WMV2 30 fps, WMA2 stereo, in ASF
# The first half second is one flat colour (`first_colour KIND` prints it as RRGGBB), so a
# screen probe can tell when a player shows the clip's first picture; then moving colour bars
# under faint noise, which keeps the decoder busy like real footage does.
set -euo pipefail

first_colour() { # a moderate green: every player's YUV-to-RGB conversion keeps it near
  echo 30B858
}
[[ ${1:-} == --colour ]] && { first_colour; exit 0; }

kind=$1 clip=$2
[[ -s "$clip" ]] && exit 0
case $kind in
  1080) size=(1920 1080) encode="x264enc speed-preset=veryfast bitrate=8000 key-int-max=60 \
          ! video/x-h264,profile=high ! h264parse"
        audio="avenc_aac bitrate=128000 ! aacparse" mux="mp4mux faststart=true" ;;
  720) size=(1280 720) encode="mpeg2enc format=3 aspect=3 bitrate=6000 bufsize=1000 \
         max-gop-size=15 constraints=false ! mpegvideoparse"
       audio="avenc_mp2 bitrate=192000 ! mpegaudioparse" mux="mpegpsmux" ;;
  # The libav encoders start their timestamps at 1000 hours; the ASF muxer writes them as they
  # come, so both streams are turned back to running time (from 0) first.
  480) size=(854 480) encode="avenc_wmv2 bitrate=2000000 ! identity single-segment=true"
       audio="avenc_wmav2 bitrate=128000 ! identity single-segment=true"
       mux="avmux_asf" ;; # asfmux writes files its own demuxer stalls on
  *) echo "make-clip.sh: unknown clip kind $kind (1080, 720 or 480)" >&2; exit 2 ;;
esac
frames=360
caps="video/x-raw,width=${size[0]},height=${size[1]},framerate=30/1"
colour=$(first_colour)
mkdir -p "$(dirname "$clip")"
tmp="$clip.part"
# The flat colour lies on top for its fifteen frames; when that source ends, the compositor
# goes on with the bars and the noise.
gst-launch-1.0 -q \
  compositor name=mix background=black sink_1::alpha=0.12 \
    ! "video/x-raw,format=I420,width=${size[0]},height=${size[1]},framerate=30/1" \
    ! $encode ! queue ! $mux name=mux ! filesink location="$tmp" \
  videotestsrc num-buffers=$frames pattern=smpte horizontal-speed=4 ! "$caps" ! mix.sink_0 \
  videotestsrc num-buffers=$frames pattern=snow ! "$caps" ! mix.sink_1 \
  videotestsrc num-buffers=15 pattern=solid-color foreground-color=$((0xFF000000 | 0x$colour)) \
    ! "$caps" ! mix.sink_2 \
  audiotestsrc num-buffers=$((frames * 1600 / 1024)) samplesperbuffer=1024 freq=330 \
    ! audio/x-raw,rate=48000,channels=2 ! audioconvert ! $audio ! queue ! mux.
mv "$tmp" "$clip"
