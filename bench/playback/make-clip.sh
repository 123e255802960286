#!/usr/bin/env bash
# Makes the measurement clip when it is not there yet: 1920 × 1080 H.264 at 30 fps with AAC stereo
# in MP4, twelve seconds. The first half second is one flat colour (0x00C850), so a screen probe
# can tell when a player shows the clip's first picture; then moving test bars with film grain,
# which keeps the decoder busy like real footage does.
set -euo pipefail
clip=$1
[[ -s "$clip" ]] && exit 0
command -v ffmpeg >/dev/null || { apt-get update -qq && apt-get install -y -qq ffmpeg; }
mkdir -p "$(dirname "$clip")"
tmp="${clip%.mp4}.part.mp4"
ffmpeg -v error -y \
  -f lavfi -i "color=c=0x00C850:s=1920x1080:r=30:d=0.5" \
  -f lavfi -i "testsrc2=s=1920x1080:r=30:d=11.5,noise=alls=12:allf=t" \
  -f lavfi -i "sine=frequency=330:sample_rate=48000:duration=12" \
  -filter_complex "[0:v][1:v]concat=n=2:v=1:a=0,format=yuv420p[v];[2:a]aformat=channel_layouts=stereo[a]" \
  -map "[v]" -map "[a]" -c:v libx264 -preset veryfast -profile:v high -b:v 8M -g 60 \
  -c:a aac -b:a 128k -movflags +faststart "$tmp"
mv "$tmp" "$clip"
