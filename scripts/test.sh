#!/usr/bin/env bash
# Set up, build and run every test headless; ends with the test runner's summary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
# The Windows build, whose tests and Trellic.exe the `windows` tests run under Wine.
bash scripts/build-windows.sh
ctest --preset default
