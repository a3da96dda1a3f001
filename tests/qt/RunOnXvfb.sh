#!/bin/sh
# Runs a command on a desktop of its own: xvfb-run -a <command>.
#   sh RunOnXvfb.sh <xvfb-run> <command> [<argument> ...]
# xvfb-run keeps its X authority file in TMPDIR and hands that file's path to Xvfb unquoted, so
# a TMPDIR holding a blank stops it; xvfb-run then runs with the system's default temporary
# folder, and the command still with the TMPDIR it was given.
xvfb_run=$1
shift
case ${TMPDIR-} in
  *" "*) exec env -u TMPDIR "$xvfb_run" -a env TMPDIR="$TMPDIR" "$@" ;;
  *) exec "$xvfb_run" -a "$@" ;;
esac
