#!/usr/bin/env bash
# Installs the Debian packages the build needs (when run as root; otherwise names the missing
# ones and stops), then configures and builds into build/:
#   bash scripts/setup.sh program   # the program alone, with its folder, sounds and manual
#                                   # (run.sh): no test library and no test locale needed
#   bash scripts/setup.sh           # everything, the tests and benchmarks too (test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

program_only=false
case "${1:-}" in
  program) program_only=true ;;
  "") ;;
  *) echo "usage: $0 [program]" >&2; exit 2 ;;
esac

# What the program needs: compiler, build tools, Qt (widgets, network, sound), OpenGL headers
# for Qt, and the fonts the manual and the windows are drawn with. The manual names each of its
# families (tools/RenderManual.cpp), so it comes out the same whatever else is installed:
# Liberation Sans for its text, DejaVu Sans Mono (fonts-dejavu-core) for its commands and file
# names, and Symbola for the signs a message shows for the control characters of a name ("␀"
# for a NUL byte), which no other of them has.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev
          fonts-liberation fonts-dejavu-core fonts-symbola)
if ! $program_only; then
  # Xvfb: an X11 desktop for the tests that need one (a middle click pastes the selection).
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev locales xvfb xauth)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "These Debian packages are missing; install them as root:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

# The tests need a locale with a decimal comma, to show that number reading and writing ignore
# the locale.
if ! $program_only && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
  else
    echo "The locale de_DE.UTF-8 is missing; generate it as root:" >&2
    echo "  localedef -i de_DE -f UTF-8 de_DE.UTF-8" >&2
    exit 1
  fi
fi

if $program_only; then
  # In a build/ that test.sh made, the tests' programs stay on disk; test.sh configures them
  # again.
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHASSISLAB_BUILD_TESTS=OFF \
        >/dev/null
  cmake --build build -j "$(nproc)" --target chassislab
else
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHASSISLAB_BUILD_TESTS=ON \
        >/dev/null
  cmake --build build -j "$(nproc)"
fi
