#!/usr/bin/env bash
# Runs a command on an X server of its own: a virtual 1366 x 768 screen
# (Xvfb, with Mesa's software GL), so that tests run side by side never see
# each other's windows, pointer or keyboard. The server picks a free display
# number itself and tells it over a pipe once it takes connections.
#   own-display.sh COMMAND [ARGUMENTS...]
set -euo pipefail
scratch="$(mktemp -d)"
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
server=$!
finish() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT
number=""
read -r number <"$scratch/display" || true
if [ -z "$number" ]; then
  echo "own-display: Xvfb did not start: $(cat "$scratch/xvfb.log")" >&2
  exit 1
fi
export DISPLAY=":$number"
status=0
"$@" || status=$?
exit "$status"
