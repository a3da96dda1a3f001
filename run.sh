#!/usr/bin/env bash
# Installs what the program needs, builds it (with its folder, sounds and manual; the tests are
# built by test.sh, which installs what they need), and starts ChassisLab.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh program
exec ./build/chassislab "$@"
