#!/usr/bin/env bash
# Start-up of the Windows build under Wine beside a floor built the same way: the bare
# Qt Widgets window of bench/floor, cross-built with the same Qt and started from the
# same unzipped folder, with the same DLLs and plugins. Both run in turn in one warm
# Wine session on one Xvfb display; the figures are the median and range over RUNS
# runs, printed as a Markdown table for the README, with the zip's size.
#
#   bench/run-bench-windows.sh      RUNS=5 by default
#
# Figures, per program:
#   time to first window  from exec to its first window mapped (the splash, for Trellic)
#   CPU to first window   user + system time of the program's process by then (the
#                         wineserver's share is not counted, for either)
# The windows are X windows of their own here, not on Wine's desktop as in the tests.
#
# Builds the zip with scripts/build-windows.sh first. Not part of the test suite.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT=${BENCH_DIR:-$ROOT/build-bench-windows}
RUNS=${RUNS:-5}

if [[ ${1:-} != --inside ]]; then
    bash "$ROOT/scripts/build-windows.sh" >&2
    qt=$(bash "$ROOT/scripts/windows-qt.sh")
    mkdir -p "$OUT"
    "$qt/bin/qt-cmake" -S "$ROOT/bench/floor" -B "$OUT/floor" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release >"$OUT/floor-configure.log"
    cmake --build "$OUT/floor" >"$OUT/floor-build.log"
    cc -O2 -Wall -Wextra -o "$OUT/launchwatch" "$ROOT/bench/launchwatch.c" -lX11
    rm -rf "$OUT/unzipped"
    zip=$(ls "$ROOT"/build-windows/Trellic-*-win64.zip)
    unzip -q "$zip" -d "$OUT/unzipped"
    folder=$(echo "$OUT"/unzipped/Trellic-*-win64)
    cp "$OUT/floor/trellic-floor.exe" "$folder/"
    # Without Wine's desktop, so that each window is an X window that can be seen mapped.
    export WINE_DESKTOP=none
    exec bash "$ROOT/tests/support/with-xvfb.sh" 1280x1024 \
        bash "$ROOT/tests/support/wine-session.sh" \
        env ZIP_BYTES="$(stat -c %s "$zip")" FOLDER="$folder" bash "$0" --inside
fi

# --- inside the Wine session ---------------------------------------------------------
cd "$FOLDER"
log() { printf '%s\n' "$*" >&2; }

# Prints "wall cpu" of one start of PROGRAM: until its first window is mapped.
first_window() {
    local file=$OUT/$1-run.log line deadline=$((SECONDS + 60))
    "$OUT/launchwatch" wine "$1" >"$file" 2>/dev/null &
    local watcher=$!
    until line=$(grep -m1 '^first ' "$file"); do
        ((SECONDS < deadline)) || { log "$1 showed no window"; exit 1; }
        sleep 0.01
    done
    kill "$watcher" # and with it the program
    wait "$watcher" 2>/dev/null || true
    echo "${line#first }"
}

results_trellic=$OUT/results-trellic.txt
results_floor=$OUT/results-floor.txt
: >"$results_trellic"
: >"$results_floor"
first_window Trellic.exe >/dev/null # warm caches, not counted
first_window trellic-floor.exe >/dev/null
for run in $(seq "$RUNS"); do
    first_window Trellic.exe >>"$results_trellic"
    first_window trellic-floor.exe >>"$results_floor"
    log "run $run: Trellic $(tail -n1 "$results_trellic"), floor $(tail -n1 "$results_floor") (wall ms, CPU ms)"
done

stats() { # stats FILE COLUMN: "median min max"
    awk -v c="$2" '{ print $c }' "$1" | sort -g | awk '
        { v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1], v[NR] }'
}
row() { # row LABEL COLUMN GOAL
    local tm tl th fm fl fh
    read -r tm tl th <<<"$(stats "$results_trellic" "$2")"
    read -r fm fl fh <<<"$(stats "$results_floor" "$2")"
    awk -v label="$1" -v goal="$3" -v tm="$tm" -v tl="$tl" -v th="$th" -v fm="$fm" -v fl="$fl" \
        -v fh="$fh" 'BEGIN {
        verdict = goal == "" ? "—" : (tm / fm <= goal ? "met (≤ " goal "×)" : "missed (≤ " goal "×)")
        printf "| %s | %.0f ms (%.0f–%.0f) | %.0f ms (%.0f–%.0f) | %.2f× | %s |\n",
            label, tm, tl, th, fm, fl, fh, tm / fm, verdict
    }'
}
echo
echo "Trellic.exe against a bare Qt window built the same way (Wine $(wine --version | sed 's/wine-//'), Xvfb, median and range of $RUNS runs):"
echo
echo "| Measure | Trellic.exe | Floor | Trellic ÷ floor | Goal |"
echo "| --- | --- | --- | --- | --- |"
row "Time to first window" 1 ""
row "CPU time to first window" 2 1.2
echo
awk -v b="$ZIP_BYTES" 'BEGIN { printf "The zip: %.1f MB (%d bytes).\n", b / 1e6, b }'
