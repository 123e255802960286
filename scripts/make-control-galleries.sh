#!/usr/bin/env bash
# Redraws the control galleries in docs/skins: controls_<skin>.png for every skin the build packed
# and controls_plain.png without a skin. Usage: make-control-galleries.sh [BUILD_DIR]
# (default build/check; build its `brisat-skin` and `skins` targets first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/check}
tool=$build/brisat-skin
out=$root/docs/skins
shopt -s nullglob
skins=("$build"/Skins/*.xskn)
(( ${#skins[@]} )) || { echo "no skins in $build/Skins" >&2; exit 1; }
for skin in "${skins[@]}"; do
  "$tool" gallery "$skin" "$out/controls_$(basename "$skin" .xskn).png"
done
"$tool" gallery --plain "$out/controls_plain.png"
