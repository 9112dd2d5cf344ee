#!/usr/bin/env bash
# Runs a command on a private virtual X display: on-xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
. "$(dirname "$0")/xvfb.sh"
scratch=$(mktemp -d)
trap 'kill "$VELMORA_XVFB_PID" 2>/dev/null || true; rm -rf "$scratch"' EXIT
velmora_start_xvfb "$scratch" || { echo "Xvfb did not start" >&2; exit 1; }
"$@"
