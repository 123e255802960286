#!/usr/bin/env bash
# Measures video playback of brisat against gst-play-1.0 (X image sink) and mpv (X11 output)
# side by side, under Xvfb ($BENCH_DISPLAY, :9 unless set; 1920 × 1080 × 24, started here when
# no server answers there), on three clips made by make-clip.sh: 1080p H.264, 720p MPEG-2 and
# 480p WMV2, each with audio. Every clip plays in two modes:
#   full    full screen (gst-play: its window scaled to the whole screen, which it covers alone)
#   window  a video area of 640 × 360 (brisat --video-size, mpv --geometry, gst-play scaling to
#           that size in front of its sink)
# RUNS times (3 unless given), the players taking turns (brisat, gst-play, mpv, brisat, ...):
#   cpu     CPU seconds per second of playing from second 2 to 10 of the clip: the player's
#           user+sys plus the X server's, both from /proc/<pid>/stat
#   peak    peak resident memory (VmHWM) in MB while playing
#   first   launch to the clip's first picture on screen, seen by screen_probe for every player
#   drops   mpv: frames its output and its decoder dropped; brisat and gst-play: late buffers
#           the sink dropped and frames the decoder skipped as late, counted from a QoS log in
#           one separate run per clip and mode (the log costs nothing in the timed runs), for
#           brisat plus the frames replaced before they were shown (--stats)
# and prints the medians, one row per clip and mode, with the ratio ours/best peer. Then brisat
# alone with the Steel skin against no skin, 1080p in its default window and in full screen, and
# brisat's memory and CPU with no file. Run from the source tree after a release build (`make
# release`):  bench/playback/measure-playback.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build/release}" && pwd)
runs=${2:-3}
brisat=$build/brisat
probe=$build/bench/playback/screen_probe
clips=$build/bench-clips
colour=$("$here/make-clip.sh" --colour)
settings=$build/Brisat.ini # brisat reads its settings beside the program when it may write there
work=$(mktemp -d)
hz=$(getconf CLK_TCK)

for tool in "$brisat" "$probe"; do
  [[ -x $tool ]] || { echo "missing $tool: build the release first" >&2; exit 1; }
done
need=()
command -v gst-play-1.0 >/dev/null || need+=(gstreamer1.0-plugins-base-apps)
command -v mpv >/dev/null || need+=(mpv)
command -v bc >/dev/null || need+=(bc)
if ((${#need[@]})); then apt-get update -qq && apt-get install -y -qq "${need[@]}"; fi
"$here/make-clip.sh" 1080 "$clips/clip1080.mp4"
"$here/make-clip.sh" 720 "$clips/clip720.mpg"
"$here/make-clip.sh" 480 "$clips/clip480.wmv"

export DISPLAY=${BENCH_DISPLAY:-:9}
display_number=${DISPLAY#:}
xvfb_started=
[[ -e $settings ]] && cp -p "$settings" "$work/settings.saved"
cleanup() {
  [[ -n $xvfb_started ]] && kill "$xvfb_started" 2>/dev/null
  if [[ -e $work/settings.saved ]]; then cp -p "$work/settings.saved" "$settings"; else rm -f "$settings"; fi
  rm -rf "$work"
}
trap cleanup EXIT
if [[ ! -S /tmp/.X11-unix/X$display_number ]]; then
  Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_started=$!
  for _ in $(seq 50); do [[ -S /tmp/.X11-unix/X$display_number ]] && break; sleep 0.1; done
fi
xpid=
for d in /proc/[0-9]*; do
  if tr '\0' ' ' 2>/dev/null <"$d/cmdline" | grep -q "^Xvfb $DISPLAY "; then xpid=${d#/proc/}; break; fi
done
[[ -n $xpid ]] || { echo "no Xvfb $DISPLAY process found" >&2; exit 1; }

now_ms() { date +%s%3N; }
ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
peak_mb() { awk '/VmHWM/ {printf "%.0f", $2 / 1024}' "/proc/$1/status"; }
rss_mb() { awk '/VmRSS/ {printf "%.0f", $2 / 1024}' "/proc/$1/status"; }
sleep_until() { local left=$(( $1 - $(now_ms) )); ((left > 0)) && sleep "$(bc <<<"scale=3; $left/1000")"; return 0; }
per_second() { bc <<<"scale=3; $1 / $hz / $2"; }
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{v[NR] = $1} END {print NR ? v[int((NR + 1) / 2)] : "?"}'; }
stop() { # ends process $1 and waits for it to be gone
  kill -TERM "$1" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.05; done
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# Brisat's settings: no skin, or the skin key $1 ticked.
use_skin() {
  if [[ -n ${1:-} ]]; then printf '[Skin]\n%s=1\n' "$1" >"$settings"; else printf '[Skin]\n' >"$settings"; fi
}

# Sets cmd to the command line of player $1 for clip $2 in mode $3.
command_of() {
  local name=$1 clip=$2 mode=$3 scaled="videoscale ! video/x-raw,pixel-aspect-ratio=1/1"
  case $name-$mode in
    brisat-full) cmd=("$brisat" --stats --full-screen "$clip") ;;
    brisat-window) cmd=("$brisat" --stats --video-size 640x360 "$clip") ;;
    brisat-default) cmd=("$brisat" --stats "$clip") ;;
    gst-play-full) cmd=(gst-play-1.0 --no-interactive
      "--videosink=$scaled,width=1920,height=1080 ! ximagesink" "$clip") ;;
    gst-play-window) cmd=(gst-play-1.0 --no-interactive
      "--videosink=$scaled,width=640,height=360 ! ximagesink" "$clip") ;;
    mpv-full) cmd=(mpv --no-config --vo=x11 --ao=null --fs --script="$here/mpv-drops.lua" "$clip") ;;
    mpv-window) cmd=(mpv --no-config --vo=x11 --ao=null --geometry=640x360 --no-keepaspect-window
      --script="$here/mpv-drops.lua" "$clip") ;;
  esac
}

# One timed run of player $1 on clip $2 in mode $3; prints "cpu peak first drops".
measure() {
  local name=$1 clip=$2 mode=$3 log=$work/run.log pid t0 first a0 x0 a1 x1 peak drops
  local -a cmd; command_of "$name" "$clip" "$mode"
  t0=$(now_ms)
  "${cmd[@]}" >"$log" 2>&1 & pid=$!
  if ! first=$("$probe" wait "$colour" 20000); then
    echo "$name $mode $(basename "$clip"): no picture" >&2; stop "$pid"; echo "? ? ? ?"; return
  fi
  sleep_until $(( ${first%.*} + 2000 )); a0=$(ticks "$pid"); x0=$(ticks "$xpid")
  sleep_until $(( ${first%.*} + 10000 )); a1=$(ticks "$pid"); x1=$(ticks "$xpid")
  peak=$(peak_mb "$pid")
  stop "$pid"
  case $name in
    brisat) drops=$(sed -n 's/.*dropped \([0-9]*\).*/\1/p' "$log") ;; # for the skin rows
    mpv) drops=$(sed -n 's/^drops: //p' "$log") ;;
    gst-play) drops=- ;; # from the logged run
  esac
  echo "$(per_second $((a1 - a0 + x1 - x0)) 8) $peak $(bc <<<"$first - $t0" | cut -d. -f1) ${drops:-?}"
}

# Frames a GStreamer player ($1: brisat or gst-play) dropped on clip $2 in mode $3, from a whole
# run with a QoS log: the late buffers its sink dropped and the frames its decoder skipped as too
# late, plus, for brisat, the frames replaced before they were shown (--stats).
logged_drops() {
  local -a cmd; command_of "$1" "$2" "$3"
  [[ $1 == brisat ]] && cmd+=(--quit-after 13000) # the others end with the clip
  rm -f "$work/qos.log"
  GST_DEBUG=GST_QOS:5,videodecoder:2 GST_DEBUG_NO_COLOR=1 GST_DEBUG_FILE=$work/qos.log \
    timeout 30 "${cmd[@]}" >"$work/logged.log" 2>&1 || true
  local late skipped replaced=0
  late=$(grep -c "> qos: dropped buffer" "$work/qos.log" || true)
  skipped=$(grep -c "Dropping frame due to QoS" "$work/qos.log" || true)
  [[ $1 == brisat ]] && replaced=$(sed -n 's/.*replaced \([0-9]*\)).*/\1/p' "$work/logged.log")
  echo $((late + skipped + ${replaced:-0}))
}

# The median of field $2 (1 cpu, 2 peak, 3 first, 4 drops) over the runs in file $1.
field() { cut -d' ' -f"$2" "$1" | tr '\n' ' ' | median; }
ratio() { # ours over the smaller of the two peers' figures
  local best; best=$(printf '%s\n%s\n' "$2" "$3" | grep -E '^[0-9.]+$' | sort -g | head -1)
  if [[ $1 =~ ^[0-9.]+$ && -n $best ]] && (( $(bc <<<"$best > 0") )); then
    printf '%.2f' "$(bc <<<"scale=3; $1 / $best")"
  else echo -; fi
}

players=(brisat gst-play mpv)
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)   runs: $runs   display: $DISPLAY"
use_skin
for clip in "$clips/clip1080.mp4" "$clips/clip720.mpg" "$clips/clip480.wmv"; do
  for mode in full window; do
    key=$(basename "$clip" | cut -d. -f1)-$mode
    for run in $(seq "$runs"); do
      for name in "${players[@]}"; do
        measure "$name" "$clip" "$mode" | tee -a "$work/$key-$name" | sed "s/^/  $key $name: /" >&2
      done
    done
    logged_drops brisat "$clip" "$mode" >"$work/$key-brisat-drops"
    logged_drops gst-play "$clip" "$mode" >"$work/$key-gst-drops"
  done
done

row_format='%-15s %6s %6s %6s %5s | %5s %5s %5s %5s | %6s %6s %6s %5s | %5s %5s %5s %5s\n'
printf "$row_format" "cpu s/s, MB," "cpu" "" "" "" "peak" "" "" "" "first" "" "" "" "drops" "" "" ""
printf "$row_format" "ms, frames" ours gst mpv ratio ours gst mpv ratio ours gst mpv ratio ours gst mpv ratio
for key in clip1080-full clip1080-window clip720-full clip720-window clip480-full clip480-window; do
  values=()
  for f in 1 2 3 4; do
    o=$(field "$work/$key-brisat" $f) g=$(field "$work/$key-gst-play" $f) m=$(field "$work/$key-mpv" $f)
    ((f == 4)) && o=$(cat "$work/$key-brisat-drops") g=$(cat "$work/$key-gst-drops")
    values+=("$o" "$g" "$m" "$(ratio "$o" "$g" "$m")")
  done
  printf "$row_format" "$key" "${values[@]}"
done

echo
echo "brisat 1080p with the Steel skin against none (cpu s/s, peak MB, first ms, drops; medians):"
for mode in default full; do
  for run in $(seq "$runs"); do
    use_skin; measure brisat "$clips/clip1080.mp4" "$mode" >>"$work/plain-$mode"
    use_skin Steel; measure brisat "$clips/clip1080.mp4" "$mode" >>"$work/steel-$mode"
  done
  for skin in plain steel; do
    printf '  %-6s %-8s cpu %s  peak %s  first %s  drops %s\n' "$skin" "$mode" \
      "$(field "$work/$skin-$mode" 1)" "$(field "$work/$skin-$mode" 2)" \
      "$(field "$work/$skin-$mode" 3)" "$(field "$work/$skin-$mode" 4)"
  done
done

use_skin
"$brisat" >"$work/idle.log" 2>&1 & pid=$!
sleep 3; c0=$(ticks $pid); x0=$(ticks "$xpid"); sleep 3
printf 'brisat idle: RSS %s MB, peak %s MB, CPU %s s/s (X server %s)\n' "$(rss_mb $pid)" \
  "$(peak_mb $pid)" "$(per_second $(( $(ticks $pid) - c0 )) 3)" \
  "$(per_second $(( $(ticks "$xpid") - x0 )) 3)"
stop $pid
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
