#!/usr/bin/env bash
# Sets up a Debian machine for Tallamo, builds it, then runs the program or the tests.
#   tools/dev.sh run    build and start Tallamo with its default data
#   tools/dev.sh test   build and run every test
#   tools/dev.sh sanitize   build every test with AddressSanitizer and UndefinedBehaviorSanitizer
#                           in build-sanitize/ and run them
# Safe to run again; works as root or as a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-run}

packages=(
  cmake g++ make git
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 libgl-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
  fonts-noto-cjk fonts-arphic-ukai
  qt6-translations-l10n
  libsndfile1-dev pkg-config pulseaudio pulseaudio-utils
  libgtest-dev xvfb xauth iproute2
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

if [ "$what" = sanitize ]; then
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTALLAMO_SANITIZE=ON
  cmake --build build-sanitize -j"$(nproc)"
  cd build-sanitize
  # Qt's own libraries are not instrumented and keep caches until exit: leaks are not reported.
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
  exit
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo

case "$what" in
  run)
    # Only what the program needs: the tests wait for `tools/dev.sh test`.
    cmake --build build -j"$(nproc)" --target tallamo kestrin regsvr32 program_folder
    exec build/bin/tallamo
    ;;
  test)
    cmake --build build -j"$(nproc)"
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: tools/dev.sh run|test|sanitize" >&2
    exit 2
    ;;
esac
