#!/usr/bin/env bash
# Measures video playback of brisat against gst-play-1.0 (X image sink) and mpv (X11 output) on a
# 1920 × 1080 H.264 30 fps clip with audio, under Xvfb :9 (1920 × 1080 × 24; started here when no
# server answers on :9). For every player and mode, RUNS times:
#   first-ms  launch to the clip's first picture on screen, seen by screen_probe for every player
#   cpu/s     CPU seconds per media second from second 2 to 10 of the clip: the player's
#             user+sys plus the X server's, both from /proc/<pid>/stat
#   drops     late frames the video sink dropped (GStreamer's QoS log for gst-play, --stats for
#             brisat, which adds frames replaced before they were shown), mpv's own counters
#   peak-MB   peak resident memory (VmHWM) while playing
#   paused    CPU seconds per second, player + X server, over 3 s paused after second 10 (brisat
#             takes its keys in the main window only: its full-screen figure comes from a run
#             paused there first, then switched to full screen)
# and brisat's resident memory and CPU with no file. Run from the source tree after a release
# build (`make release`):  bench/playback/measure-playback.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build/release}" && pwd)
runs=${2:-2}
brisat=$build/brisat
probe=$build/bench/playback/screen_probe
clip=$build/bench-clips/clip1080.mp4
first_colour=00C850 # the clip's first picture, see make-clip.sh
work=$(mktemp -d)
hz=$(getconf CLK_TCK)

for tool in "$brisat" "$probe"; do
  [[ -x $tool ]] || { echo "missing $tool: build the release first" >&2; exit 1; }
done
need=()
command -v gst-play-1.0 >/dev/null || need+=(gstreamer1.0-plugins-base-apps)
command -v mpv >/dev/null || need+=(mpv)
command -v script >/dev/null || need+=(bsdutils)
command -v bc >/dev/null || need+=(bc)
if ((${#need[@]})); then apt-get update -qq && apt-get install -y -qq "${need[@]}"; fi
"$here/make-clip.sh" "$clip"

export DISPLAY=:9
xvfb_started=
cleanup() {
  [[ -n $xvfb_started ]] && kill "$xvfb_started" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
if [[ ! -S /tmp/.X11-unix/X9 ]]; then
  Xvfb :9 -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_started=$!
  for _ in $(seq 50); do [[ -S /tmp/.X11-unix/X9 ]] && break; sleep 0.1; done
fi
xpid=
for d in /proc/[0-9]*; do
  if tr '\0' ' ' <"$d/cmdline" 2>/dev/null | grep -q '^Xvfb :9 '; then xpid=${d#/proc/}; break; fi
done
[[ -n $xpid ]] || { echo "no Xvfb :9 process found" >&2; exit 1; }

now_ms() { date +%s%3N; }
ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
peak_mb() { awk '/VmHWM/ {printf "%.0f", $2 / 1024}' "/proc/$1/status"; }
rss_mb() { awk '/VmRSS/ {printf "%.0f", $2 / 1024}' "/proc/$1/status"; }
sleep_until() { local left=$(( $1 - $(now_ms) )); ((left > 0)) && sleep "$(bc <<<"scale=3; $left/1000")"; return 0; }
per_second() { bc <<<"scale=3; $1 / $hz / $2"; }
child_of() { # the first child of process $1 (script's command)
  for _ in $(seq 100); do
    local c; c=$(cat "/proc/$1/task/$1/children" 2>/dev/null | awk '{print $1}')
    [[ -n $c ]] && { echo "$c"; return; }; sleep 0.02
  done
}

# One run: $1 name, $2 mode, then the command. Prints one table row.
measure() {
  local name=$1 mode=$2; shift 2
  local log=$work/$name-$mode.log keys=$work/keys pid t0 first a0 x0 a1 x1 peak p0 px0 p1 px1
  # gst-play reads its keys from a terminal: it gets one from `script`, fed through a fifo
  # (opened for reading and writing here, so neither side waits for the other).
  rm -f "$keys"; mkfifo "$keys"; exec 3<>"$keys"
  t0=$(now_ms)
  if [[ $name == gst-play ]]; then
    script -qfec "$*" /dev/null <"$keys" >"$log" 2>&1 &
    pid=$(child_of $!)
  else
    "$@" >"$log" 2>&1 & pid=$!
  fi
  first=$("$probe" wait $first_colour 20000) || { echo "$name $mode: no picture" >&2; kill "$pid"; return; }
  [[ $mode == full ]] && "$probe" key Return
  sleep_until $(( ${first%.*} + 2000 )); a0=$(ticks "$pid"); x0=$(ticks "$xpid")
  sleep_until $(( ${first%.*} + 10000 )); a1=$(ticks "$pid"); x1=$(ticks "$xpid")
  peak=$(peak_mb "$pid")
  case $name in
    brisat) [[ $mode == window ]] && "$probe" key z ;;
    gst-play) printf ' ' >&3 ;;
    mpv) "$probe" key space ;;
  esac
  sleep 1; p0=$(ticks "$pid"); px0=$(ticks "$xpid")
  sleep 3; p1=$(ticks "$pid"); px1=$(ticks "$xpid")
  [[ $name == gst-play ]] && printf 'q' >&3
  kill -TERM "$pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  exec 3>&-
  local drops
  case $name in
    brisat) drops=$(sed -n 's/.*dropped \([0-9]*\).*/\1/p' "$log") ;;
    gst-play) drops=$(grep -c "ximagesink[0-9]*> qos: dropped buffer" "$work/gst.log" || true) ;;
    mpv) drops=$(sed -n 's/^drops: //p' "$log") ;;
  esac
  local paused; paused=$(per_second $((p1 - p0 + px1 - px0)) 3)
  [[ $name == brisat && $mode == full ]] && paused=$(paused_full_screen)
  printf '%-9s %-6s %8.0f %6s %6s %7s %5s %7s %7s\n' "$name" "$mode" "$(bc <<<"$first - $t0")" \
    "$(per_second $((a1 - a0)) 8)" "$(per_second $((x1 - x0)) 8)" \
    "$(per_second $((a1 - a0 + x1 - x0)) 8)" "${drops:-?}" "$peak" "$paused"
}

paused_full_screen() { # brisat paused in the main window, then shown full screen
  "$brisat" "$clip" >"$work/paused.log" 2>&1 & local pid=$!
  "$probe" wait $first_colour 20000 >/dev/null
  "$probe" key z; sleep 0.3; "$probe" key Return; sleep 1
  local c0 x0; c0=$(ticks $pid); x0=$(ticks "$xpid"); sleep 3
  per_second $(( $(ticks $pid) - c0 + $(ticks "$xpid") - x0 )) 3
  kill -TERM $pid; wait $pid 2>/dev/null || true
}

idle() { # brisat with no file: resident memory and CPU after 3 s
  "$brisat" >"$work/idle.log" 2>&1 & local pid=$!
  sleep 3; local c0 x0; c0=$(ticks $pid); x0=$(ticks "$xpid"); sleep 3
  printf 'brisat idle: RSS %s MB, peak %s MB, CPU %s s/s (X server %s)\n' "$(rss_mb $pid)" \
    "$(peak_mb $pid)" "$(per_second $(( $(ticks $pid) - c0 )) 3)" \
    "$(per_second $(( $(ticks "$xpid") - x0 )) 3)"
  kill -TERM $pid; wait $pid 2>/dev/null || true
}

echo "load: $(cut -d' ' -f1-3 /proc/loadavg)   clip: $clip"
printf '%-9s %-6s %8s %6s %6s %7s %5s %7s %7s\n' player mode first-ms prog/s X/s cpu/s drops peak-MB paused
for run in $(seq "$runs"); do
  measure brisat window "$brisat" --stats "$clip"
  measure brisat full "$brisat" --stats "$clip"
  GST_DEBUG=GST_QOS:5 GST_DEBUG_NO_COLOR=1 GST_DEBUG_FILE=$work/gst.log \
    measure gst-play window gst-play-1.0 --videosink=ximagesink "$clip"
  measure mpv window mpv --no-config --vo=x11 --ao=null --script="$here/mpv-drops.lua" "$clip"
done
idle
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
