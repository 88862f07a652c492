#!/usr/bin/env bash
# Set up, build and start Trellic on this machine's display.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Trellic needs a graphical display; without one, try: xvfb-run -a bash scripts/play.sh" >&2
    exit 1
fi

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec ./build-release/app/trellic
