#!/usr/bin/env bash
# Installs the build into a scratch root and starts the installed program under Xvfb.
#   installed_program_test.sh install BUILD_DIR   cmake --install into the scratch root
#   installed_program_test.sh pack BUILD_DIR      makes the Debian package, BUILD_DIR/package/
#   installed_program_test.sh package BUILD_DIR   that package, unpacked into the scratch root
#   installed_program_test.sh apt BUILD_DIR       that package through apt-get on this very
#                                                 machine (root only), removed again afterwards
# The installed program must find its skins in PREFIX/share/brisat, keep its settings in the
# user's configuration folder, and play a clip.
set -euo pipefail
mode=$1
build=$(cd "$2" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

package_file() {
  deb=$(ls "$build"/package/brisat_*.deb 2>/dev/null | head -1)
  [[ -n "$deb" ]] || fail "no package in $build/package"
}

case "$mode" in
  pack)
    rm -rf "$build/package"
    (cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null)
    package_file
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libsdl2-2.0-0 libgstreamer1.0-0 gstreamer1.0-plugins-good libfreetype6; do
      [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
    done
    echo "made $deb"
    exit 0 ;;
  install)
    cmake --install "$build" --prefix "$scratch/root/usr" >/dev/null
    prefix=$scratch/root/usr ;;
  package)
    package_file
    dpkg -x "$deb" "$scratch/root"
    prefix=$scratch/root/usr ;;
  apt)
    if [[ $(id -u) -ne 0 ]] || ! command -v apt-get >/dev/null; then
      echo "apt-get as root is needed: skipped"; exit 77
    fi
    if dpkg-query -W -f='${Status}' brisat 2>/dev/null | grep -q "install ok installed"; then
      echo "a brisat package is installed already: left alone, skipped"; exit 77
    fi
    package_file
    trap 'apt-get remove -y brisat >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >/dev/null
    prefix=/usr ;;
  *) fail "unknown mode $mode" ;;
esac

# The files of an installed program.
for file in bin/brisat bin/brisat-skin share/applications/brisat.desktop share/man/man1/brisat.1; do
  [[ -s "$prefix/$file" ]] || fail "$file is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  [[ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/brisat.png" ]] ||
    fail "no ${size}x${size} icon"
done
skins=$(ls "$prefix"/share/brisat/Skins/*.xskn | wc -l)
[[ $skins -eq 8 ]] || fail "$skins skins installed, 8 expected"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/brisat.desktop"
fi

# The installed program plays a clip and keeps its settings in the user's folder.
gst-launch-1.0 -q videotestsrc num-buffers=60 pattern=smpte \
  ! video/x-raw,width=320,height=240,framerate=30/1 ! jpegenc ! avimux \
  ! filesink location="$scratch/clip.avi"
home=$scratch/home
mkdir -p "$home"
# A sanitized build's libraries leave allocations behind at exit that are not ours.
env -u XDG_CONFIG_HOME HOME="$home" ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1024x768x24" \
  "$prefix/bin/brisat" --screenshot "$scratch/shot.png" --quit-after 3000 "$scratch/clip.avi" ||
  fail "the installed program did not run"
[[ -s "$scratch/shot.png" ]] || fail "no screenshot"
[[ -s "$home/.config/brisat/Brisat.ini" ]] || fail "the settings are not in the user's folder"
[[ ! -e "$prefix/bin/Brisat.ini" ]] || fail "the settings were written beside the program"

# The installed program wears the skin its settings pick: two skins give two pictures. Were the
# installed skins not found, both would be the same plain look.
shot_with() { # NAME INI-TEXT: a screenshot of the idle main window with these settings
  mkdir -p "$scratch/$1/.config/brisat"
  printf '%b' "$2" >"$scratch/$1/.config/brisat/Brisat.ini"
  env -u XDG_CONFIG_HOME HOME="$scratch/$1" ASAN_OPTIONS=detect_leaks=0 \
    xvfb-run -a -s "-screen 0 1024x768x24" "$prefix/bin/brisat" --screenshot "$scratch/$1.png" \
    --quit-after 3000 || fail "the installed program did not run with the $1 settings"
  [[ -s "$scratch/$1.png" ]] || fail "no screenshot with the $1 settings"
}
shot_with steel '[Skin]\nSteel=1\n'
shot_with jezz '[Skin]\nJezz=1\n'
! cmp -s "$scratch/steel.png" "$scratch/jezz.png" ||
  fail "the installed program does not wear the skin its settings pick (Skins not found?)"
echo "the installed program ran from $prefix"
