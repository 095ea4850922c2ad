#!/usr/bin/env bash
# Installs what is missing, builds VexlorKit in build/, then starts it ("run") or
# runs every test headless ("test").
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in
  run|test) ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

packages=(cmake ninja-build g++ qt6-base-dev fonts-dejavu-core)
# The end-to-end tests: an X server, a window manager, and tools that drive them.
packages+=(python3 xvfb openbox xdotool x11-utils xclip)
# The start-up benchmark watches the X server itself.
packages+=(libxcb1-dev)
options=()
# The tests include a short run of the settings-file fuzzer, built with clang's libFuzzer.
if [ "$mode" = test ]; then
  packages+=(clang libclang-rt-14-dev)
  options+=(-DVEXLORKIT_FUZZ_TEST=ON)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo apt-get update
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  else
    echo "Some packages are missing. Install them, then run this again:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build build

if [ "$mode" = run ]; then
  exec build/VexlorKit
fi
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
