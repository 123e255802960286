#!/usr/bin/env bash
# Makes the demo clip the run command plays, when it is not there yet: ten seconds of colour bars
# with a running time stamp and a tone, as Motion-JPEG and PCM in AVI (plugins every GStreamer
# install has).
set -euo pipefail
clip=$1
[[ -s "$clip" ]] && exit 0
mkdir -p "$(dirname "$clip")"
overlay=""
if gst-inspect-1.0 timeoverlay >/dev/null 2>&1; then
  overlay='! timeoverlay font-desc="Sans 28" halignment=center valignment=center'
fi
tmp="$clip.part"
eval gst-launch-1.0 -q avimux name=mux ! filesink location="'$tmp'" \
  videotestsrc num-buffers=300 pattern=smpte \
  ! video/x-raw,width=640,height=360,framerate=30/1 $overlay \
  ! videoconvert ! video/x-raw,format=I420 ! jpegenc quality=75 ! queue ! mux. \
  audiotestsrc num-buffers=430 samplesperbuffer=1024 freq=330 volume=0.2 \
  ! audio/x-raw,rate=44100,channels=2,format=S16LE ! queue ! mux.
mv "$tmp" "$clip"
