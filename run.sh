#!/usr/bin/env bash
# Installs what is missing, builds the program (with its folder, sounds and manual; the tests
# are built by test.sh), and starts ChassisLab.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh chassislab
exec ./build/chassislab "$@"
