#!/usr/bin/env bash
# Installs the Debian packages the build needs (when run as root; otherwise names the missing
# ones and stops), then configures and builds into build/: the targets named as arguments, or
# everything (the tests and benchmarks too) when none is named.
#   bash scripts/setup.sh chassislab   # the program, its folder, sounds and manual (run.sh)
#   bash scripts/setup.sh              # everything (test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation locales)
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

# A locale with a decimal comma, so the tests can show that number reading and writing ignore
# the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
  else
    echo "The locale de_DE.UTF-8 is missing; generate it as root:" >&2
    echo "  localedef -i de_DE -f UTF-8 de_DE.UTF-8" >&2
    exit 1
  fi
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build -j "$(nproc)" --target "$@"
else
  cmake --build build -j "$(nproc)"
fi
