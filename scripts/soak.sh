#!/usr/bin/env bash
# A long evening in a few minutes: the release build plays COUNT generated clips (200 by default,
# mixed containers, every fifth one damaged) back to back through its playlist under Xvfb and
# openbox, answering each error box as a user would (Return, then the next button). Every ten
# clips it records the program's resident memory, open descriptors and threads; it fails when one
# of them grows, when a clip holds the playlist up for STALL_SECONDS, or when the program does
# not close cleanly at the end.
#   soak.sh [COUNT] [CLIP_SECONDS]        BRISAT=program (build/release/brisat), STALL_SECONDS=30
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-200}
seconds=${2:-2}
program=$(realpath "${BRISAT:-build/release/brisat}")
work=$(realpath -m build/soak)

if [[ -z "${SOAK_DISPLAY_READY:-}" ]]; then
  ./scripts/soak-clips.sh "$work/clips" "$count" "$seconds"
  exec env SOAK_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

stall=${STALL_SECONDS:-30}
# Growth allowed from the sample at clip 10 to the last one.
rss_slack_kb=${RSS_SLACK_KB:-32768}
fd_slack=2
thread_slack=2

fail() {
  echo "SOAK FAILED: $*" >&2
  import -window root "$work/failure.png" 2>/dev/null && echo "screen: $work/failure.png" >&2
  exit 1
}

openbox >/dev/null 2>&1 &
wm=$!
home=$work/home
rm -rf "$home"
mkdir -p "$home"
mapfile -t clips < <(find "$work/clips" -maxdepth 1 -name 'clip-*' | sort)
((${#clips[@]} == count)) || fail "${#clips[@]} clips made, $count expected"
env -u XDG_CONFIG_HOME HOME="$home" "$program" "${clips[@]}" >"$work/brisat.log" 2>&1 &
pid=$!
trap 'kill "$pid" "$wm" 2>/dev/null || true' EXIT

main=""
for ((i = 0; i < 300 && ${#main} == 0; i++)); do
  main=$(xdotool search --all --onlyvisible --pid "$pid" --name '^(clip-|Brisat 1)' 2>/dev/null | head -1) ||
    true
  sleep 0.1
done
[[ -n "$main" ]] || fail "the main window did not show"

sample() { # CLIP: one row of figures
  local rss fds threads
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  fds=$(find "/proc/$pid/fd" -mindepth 1 -maxdepth 1 | wc -l)
  threads=$(find "/proc/$pid/task" -mindepth 1 -maxdepth 1 | wc -l)
  printf '%5s %10s %5s %8s\n' "$1" "$rss" "$fds" "$threads" | tee -a "$work/figures"
}

# The error box, titled as the application: Return closes it, then the next button (in the
# transport panel above the main window's bottom row) goes on to the entry after the bad one.
answer_error_box() { # BOX
  xdotool windowactivate --sync "$1" key Return 2>/dev/null || true
  for ((i = 0; i < 50; i++)); do
    xdotool search --all --onlyvisible --pid "$pid" --name '^Brisat$' >/dev/null 2>&1 || break
    sleep 0.1
  done
  eval "$(xdotool getwindowgeometry --shell "$main")"
  # shellcheck disable=SC2153 # HEIGHT comes from getwindowgeometry
  xdotool mousemove --window "$main" 159 $((HEIGHT - 51)) click 1
  # Away again, so the button's hint window (titled as the application too) does not show.
  xdotool mousemove 0 0
}

at_end() { [[ "$caption" =~ \ ([0-9:]+)\ \>\ ([0-9:]+)$ && ${BASH_REMATCH[1]} == "${BASH_REMATCH[2]}" ]]; }

echo " clip    VmRSS_kB   fds  threads" | tee "$work/figures"
reached=0
next_sample=10
errors=0
caption=""
last_change=$SECONDS
while true; do
  kill -0 "$pid" 2>/dev/null || fail "the program ended during clip $reached"
  if box=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Brisat$' 2>/dev/null | head -1); then
    errors=$((errors + 1))
    echo "clip $((reached + 1)): error box ($(basename "${clips[reached]:-none}"))"
    answer_error_box "$box"
    reached=$((reached + 1))
    last_change=$SECONDS
  fi
  now=$(xdotool getwindowname "$main" 2>/dev/null) || fail "the main window went away"
  if [[ "$now" != "$caption" ]]; then
    caption=$now
    last_change=$SECONDS
    if [[ "$caption" =~ ^clip-0*([0-9]+)- ]]; then reached=${BASH_REMATCH[1]}; fi
  fi
  if ((reached >= next_sample)); then
    sample "$reached"
    next_sample=$((next_sample + 10))
  fi
  # The last clip is over once its caption shows the whole duration (or its error was answered).
  if ((reached == count)) && { at_end || ((SECONDS - last_change >= 3)); }; then break; fi
  ((SECONDS - last_change < stall)) || fail "no progress for $stall s at clip $reached: \"$caption\""
  sleep 0.2
done
((next_sample - 10 == reached)) || sample "$reached"

xdotool windowactivate --sync "$main" key Escape 2>/dev/null || true
code=""
for ((i = 0; i < 300; i++)); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" && code=0 || code=$?
    break
  fi
  sleep 0.1
done
[[ "$code" == 0 ]] || fail "the program did not close with 0 after the last clip (${code:-still running})"

# First, last and highest of each column; growth beyond the slack fails.
awk -v rss="$rss_slack_kb" -v fd="$fd_slack" -v th="$thread_slack" -v errors="$errors" '
  NR == 1 { next }
  NR == 2 { for (c = 2; c <= 4; c++) first[c] = max[c] = $c }
  { for (c = 2; c <= 4; c++) { last[c] = $c; if ($c > max[c]) max[c] = $c } }
  END {
    split("x VmRSS_kB fds threads", name)
    slack[2] = rss; slack[3] = fd; slack[4] = th
    printf "%d error boxes answered\n", errors
    bad = 0
    for (c = 2; c <= 4; c++) {
      printf "%-9s first %8d  last %8d  max %8d\n", name[c], first[c], last[c], max[c]
      if (last[c] - first[c] > slack[c] || max[c] - first[c] > 2 * slack[c]) bad = 1
    }
    exit bad
  }' "$work/figures" || fail "a resource grew over the run (figures in $work/figures)"
echo "soak passed: $count clips"
