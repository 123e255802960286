#!/usr/bin/env bash
# Starts the program. Without a display (a server or container), it runs under a virtual X
# server instead and leaves a screenshot of what it drew.
set -euo pipefail
program=$1
shift || true
if [[ -n "${DISPLAY:-}" ]]; then
  exec "$program" "$@"
fi
shot="$(dirname "$program")/brisat-screenshot.png"
echo "No display found: running under Xvfb for a few seconds; screenshot in $shot"
xvfb-run -a -s "-screen 0 1280x800x24" "$program" --screenshot "$shot" --quit-after 3000 "$@"
echo "Screenshot written to $shot"
