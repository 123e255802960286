#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer in build/fuzz, gathers their starting corpora
# from the project's own files (layouts, skins, settings, pictures) and runs each for
# FUZZ_SECONDS (60 by default). Findings are left in build/fuzz/findings/<target>/.
#   scripts/fuzz.sh [TARGET...]     all targets when none is named
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
build=build/fuzz
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(ini_fuzzer object_text_fuzzer layout_fuzzer bitmap_stream_fuzzer png_fuzzer
           skin_loader_fuzzer)
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRISAT_FUZZ=ON >/dev/null
cmake --build "$build" --target "${targets[@]}" write_skin_seeds skins icons

seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{ini,text,png,bitmap,skin}
# Settings files: the player's sections, comments, quotes, CR LF and junk lines.
printf '[Skin]\nSteel=1\nJezz=0\n[Options]\nMagnet=1\n' >"$seeds/ini/plain"
printf '; comment\r\n[skin]\r\n steel = "1" \r\n\r\n[Other]\r\nkey=0x10\r\n' >"$seeds/ini/crlf"
printf '[Skin\nno section\n=value\n[Skin]\nJezz=-2147483648\n' >"$seeds/ini/odd"
# Object texts: the player's layouts and the shipped skins' objects.
cp src/app/layouts/*.txt "$seeds/text/"
seed_copy() { # FOLDER FILE...: copies named after their skin folder and file
  local folder=$1
  shift
  for f in "$@"; do cp "$f" "$folder/$(basename "$(dirname "$(dirname "$f")")")_$(basename "$f")"; done
}
mapfile -t objects < <(find "$build/skin_sources" -path '*/objects/*.txt')
seed_copy "$seeds/text" "${objects[@]:0:40}"
# Pictures: the icon and a sample of the skins' bitmaps.
cp "$build"/icons/hicolor/{16x16,32x32}/apps/brisat.png "$seeds/png/" 2>/dev/null || true
mapfile -t pictures < <(find "$build/skin_sources" -name '*.png' -size -8k)
seed_copy "$seeds/png" "${pictures[@]:0:20}"
"$build/tests/fuzz/write_skin_seeds" "$seeds/skin" "$seeds/bitmap"

corpus_of() {
  case "$1" in
    ini_fuzzer) echo ini ;;
    object_text_fuzzer | layout_fuzzer) echo text ;;
    bitmap_stream_fuzzer) echo bitmap ;;
    png_fuzzer) echo png ;;
    skin_loader_fuzzer) echo skin ;;
  esac
}

for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  findings=$build/findings/$target
  mkdir -p "$corpus" "$findings"
  cp -n "$seeds/$(corpus_of "$target")"/* "$corpus/"
  echo "== $target for $seconds s"
  # The sanitized libraries of the desktop leave their own allocations at exit.
  ASAN_OPTIONS=detect_leaks=1 "$build/tests/fuzz/$target" "$corpus" -max_total_time="$seconds" \
    -rss_limit_mb=4096 -timeout=20 -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1 \
    >"$findings/log" 2>&1 || echo "$target stopped on a finding: see $findings"
  grep -E "^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed|^stat::average|ERROR|SUMMARY" "$findings/log" |
    tail -5 || true
done
