#!/usr/bin/env bash
# Start-up and idle cost of Trellic beside a floor: a bare Qt Widgets window with the
# game's nine cells and two labels and nothing else (bench/floor). Both run in turn
# under one Xvfb display, a release build each; the figures are the median and range
# over RUNS runs, printed as a Markdown table for the README.
#
#   bench/run-bench.sh            RUNS=5 IDLE_SECONDS=10 BENCH_LANG=C.UTF-8 by default
#   BENCH_LANG=ar_EG.UTF-8 bench/run-bench.sh   both programs in another language
#
# Figures, per program:
#   time to first window  from exec to its first window mapped (the splash, for Trellic)
#   CPU to first window   user + system time spent by then, all threads
#   peak RSS              VmHWM once the idle period is over
#   idle CPU              % of one core over IDLE_SECONDS once the game window is up and
#                         nobody plays (the turn indicator running)
#   wake-ups per second   voluntary context switches of the main thread over that period
#
# Needs Xvfb, xdotool and xdpyinfo; installs them with apt-get when missing (as root).
# Builds into BENCH_DIR (default build-bench). Not part of the test suite.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT=${BENCH_DIR:-$ROOT/build-bench}
RUNS=${RUNS:-5}
IDLE_SECONDS=${IDLE_SECONDS:-10}
BENCH_LANG=${BENCH_LANG:-C.UTF-8} # the LANG both programs run under
SETTLE_SECONDS=${SETTLE_SECONDS:-1} # after the game window maps, before the idle period
STEP_TIMEOUT=30                     # seconds to wait for any one window

log() { printf '%s\n' "$*" >&2; }
die() {
    log "run-bench: $*"
    exit 1
}

# --- tools -------------------------------------------------------------------------
missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v xdpyinfo >/dev/null || missing+=(x11-utils)
if ((${#missing[@]})); then
    [[ $(id -u) == 0 ]] || die "missing ${missing[*]}; install them or run as root"
    log "installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" >/dev/null ||
        { apt-get update >/dev/null && DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" >/dev/null; }
fi

# --- builds ------------------------------------------------------------------------
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
mkdir -p "$OUT"
log "building Trellic (release) and the floor in $OUT"
cmake -S "$ROOT" -B "$OUT/trellic" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF >"$OUT/trellic-configure.log" 2>&1 ||
    die "configuring Trellic failed, see $OUT/trellic-configure.log"
cmake --build "$OUT/trellic" --target trellic >"$OUT/trellic-build.log" 2>&1 ||
    die "building Trellic failed, see $OUT/trellic-build.log"
cmake -S "$ROOT/bench/floor" -B "$OUT/floor" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    >"$OUT/floor-configure.log" 2>&1 || die "configuring the floor failed"
cmake --build "$OUT/floor" >"$OUT/floor-build.log" 2>&1 || die "building the floor failed"
cc -O2 -Wall -Wextra -o "$OUT/launchwatch" "$ROOT/bench/launchwatch.c" -lX11 ||
    die "building launchwatch failed (needs libx11-dev)"

TRELLIC=$(find "$OUT/trellic" -type f -name trellic -perm -u+x | head -n 1)
FLOOR=$OUT/floor/trellic-floor
[[ -x $TRELLIC ]] || die "no trellic binary under $OUT/trellic"

# --- display -----------------------------------------------------------------------
xvfb_pid=''
watcher_pid=''
runtime_dir=$(mktemp -d)
cleanup() {
    if [[ -n $watcher_pid ]]; then
        kill "$watcher_pid" 2>/dev/null || true
        wait "$watcher_pid" 2>/dev/null || true
    fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime_dir"
}
trap cleanup EXIT

display=''
for n in $(seq 90 130); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
        display=:$n
        break
    fi
done
[[ -n $display ]] || die "no free X display number"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$OUT/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
DISPLAY=$display xdpyinfo >/dev/null 2>&1 || die "Xvfb did not start, see $OUT/xvfb.log"

# The programs see only this environment, the same for both.
run_env=(env -i "PATH=$PATH" "HOME=$HOME" "LANG=$BENCH_LANG" "DISPLAY=$display"
    "XDG_RUNTIME_DIR=$runtime_dir" "QT_QPA_PLATFORM=xcb")
export DISPLAY=$display

# --- one run -----------------------------------------------------------------------
clock_ticks=$(getconf CLK_TCK)

cpu_ticks() { # utime + stime of the whole process, in clock ticks
    local stat
    stat=$(<"/proc/$1/stat")
    stat=${stat##*) } # the command name may hold blanks
    read -r -a f <<<"$stat"
    echo $((f[11] + f[12]))
}
status_field() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }
all_threads_switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '$1 == "voluntary_ctxt_switches:" { s += $2 } END { print s }'
}

# Waits until the watcher's log has a line matching the pattern; prints the line.
wait_line() {
    local file=$1 pattern=$2 line
    local deadline=$((SECONDS + STEP_TIMEOUT))
    while ((SECONDS < deadline)); do
        line=$(grep -m 1 -E "$pattern" "$file" || true)
        if [[ -n $line ]]; then
            printf '%s\n' "$line"
            return 0
        fi
        sleep 0.01
    done
    return 1
}

# Presses a key in a window until the window goes away.
press_until_gone() {
    local file=$1 window=$2 key=$3
    for _ in 1 2 3 4 5; do
        xdotool windowfocus --sync "$window" key "$key" 2>/dev/null || true
        for _ in $(seq 100); do
            grep -q "^unmap $window\$" "$file" && return 0
            sleep 0.01
        done
    done
    die "window $window did not close on $key"
}

# Drives Trellic's start-up, in any language, by the order its windows come in: the
# splash, advanced with a key; the two prompts, each confirmed with Return; then the
# game window. Prints its window id.
drive_trellic() {
    local file=$1 handled=0 line id
    local deadline=$((SECONDS + STEP_TIMEOUT))
    while ((SECONDS < deadline)); do
        mapfile -t maps < <(grep '^map ' "$file")
        while ((handled < ${#maps[@]})); do
            line=${maps[handled]}
            handled=$((handled + 1))
            read -r _ id _ <<<"$line"
            case $handled in
            1) press_until_gone "$file" "$id" space ;;
            2 | 3) press_until_gone "$file" "$id" Return ;;
            *)
                echo "$id"
                return 0
                ;;
            esac
            deadline=$((SECONDS + STEP_TIMEOUT))
        done
        grep -q '^exit ' "$file" && die "Trellic ended during start-up"
        sleep 0.01
    done
    die "Trellic's game window did not appear"
}

# run_one NAME BINARY RESULTS: one start and idle period; appends
# "wall cpu rss idle wakeups wakeups_all" to RESULTS.
run_one() {
    local name=$1 binary=$2 results=$3
    local file=$OUT/$name-run.log
    : >"$file"
    "$OUT/launchwatch" "${run_env[@]}" "$binary" >"$file" 2>"$OUT/$name-stderr.log" &
    watcher_pid=$!
    local pid first wall cpu
    pid=$(wait_line "$file" '^pid ') || die "$name did not start"
    pid=${pid#pid }
    first=$(wait_line "$file" '^first ') || die "$name showed no window"
    read -r _ wall cpu <<<"$first"

    if [[ $name == trellic ]]; then
        drive_trellic "$file" >/dev/null
    fi
    sleep "$SETTLE_SECONDS"

    local t0 c0 v0 a0 t1 c1 v1 a1 rss
    t0=$EPOCHREALTIME c0=$(cpu_ticks "$pid") v0=$(status_field "$pid" voluntary_ctxt_switches)
    a0=$(all_threads_switches "$pid")
    sleep "$IDLE_SECONDS"
    t1=$EPOCHREALTIME c1=$(cpu_ticks "$pid") v1=$(status_field "$pid" voluntary_ctxt_switches)
    a1=$(all_threads_switches "$pid")
    rss=$(status_field "$pid" VmHWM)

    kill "$watcher_pid"
    wait "$watcher_pid" 2>/dev/null || true
    watcher_pid=''

    awk -v wall="$wall" -v cpu="$cpu" -v rss="$rss" -v t0="$t0" -v t1="$t1" -v c0="$c0" \
        -v c1="$c1" -v v0="$v0" -v v1="$v1" -v a0="$a0" -v a1="$a1" -v hz="$clock_ticks" 'BEGIN {
        span = t1 - t0
        printf "%.1f %.1f %.1f %.2f %.2f %.2f\n", wall, cpu, rss / 1024,
            100 * (c1 - c0) / hz / span, (v1 - v0) / span, (a1 - a0) / span
    }' >>"$results"
    log "  $name: $(tail -n 1 "$results")"
}

# A start that is not counted, so that both programs meet warm caches.
warm_up() {
    local name=$1 binary=$2 file=$OUT/warm-up.log
    : >"$file"
    "$OUT/launchwatch" "${run_env[@]}" "$binary" >"$file" 2>/dev/null &
    watcher_pid=$!
    wait_line "$file" '^first ' >/dev/null || die "$name showed no window"
    kill "$watcher_pid"
    wait "$watcher_pid" 2>/dev/null || true
    watcher_pid=''
}

# --- the runs ----------------------------------------------------------------------
results_trellic=$OUT/results-trellic.txt
results_floor=$OUT/results-floor.txt
: >"$results_trellic"
: >"$results_floor"
log "display $display, $RUNS runs each, ${IDLE_SECONDS}s idle; per run: wall ms, CPU ms, RSS MiB, idle %, wake-ups/s (main thread, all threads)"
warm_up trellic "$TRELLIC"
warm_up floor "$FLOOR"
for run in $(seq "$RUNS"); do
    log "run $run"
    run_one trellic "$TRELLIC" "$results_trellic"
    run_one floor "$FLOOR" "$results_floor"
done

# --- the table ---------------------------------------------------------------------
# stats FILE COLUMN: "median min max"
stats() {
    awk -v c="$2" '{ print $c }' "$1" | sort -g | awk '
        { v[NR] = $1 }
        END {
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            print m, v[1], v[NR]
        }'
}

row() { # row LABEL COLUMN UNIT DECIMALS GOAL
    local label=$1 column=$2 unit=$3 decimals=$4 goal=$5
    local tm tl th fm fl fh
    read -r tm tl th <<<"$(stats "$results_trellic" "$column")"
    read -r fm fl fh <<<"$(stats "$results_floor" "$column")"
    awk -v label="$label" -v unit="$unit" -v d="$decimals" -v goal="$goal" \
        -v tm="$tm" -v tl="$tl" -v th="$th" -v fm="$fm" -v fl="$fl" -v fh="$fh" 'BEGIN {
        fmt = "%." d "f"
        t = sprintf(fmt, tm) unit " (" sprintf(fmt, tl) "–" sprintf(fmt, th) ")"
        f = sprintf(fmt, fm) unit " (" sprintf(fmt, fl) "–" sprintf(fmt, fh) ")"
        ratio = fm > 0 ? sprintf("%.2f×", tm / fm) : (tm > 0 ? "—" : "=")
        if (goal == "")            verdict = "—"
        else if (goal ~ /^x/)      verdict = (fm > 0 && tm / fm <= substr(goal, 2) + 0) ? "met (≤ " substr(goal, 2) "×)" : "missed (≤ " substr(goal, 2) "×)"
        else if (goal ~ /^</)      verdict = (tm < substr(goal, 2) + 0) ? "met (< " substr(goal, 2) unit ")" : "missed (< " substr(goal, 2) unit ")"
        else if (goal == "zero")   verdict = (tm == 0) ? "met (0" unit ")" : "missed (0" unit ")"
        printf "| %s | %s | %s | %s | %s |\n", label, t, f, ratio, verdict
    }'
}

echo
echo "Trellic against a bare Qt Widgets window (release builds, Xvfb, LANG=$BENCH_LANG, median and"
echo "range of $RUNS runs; idle over ${IDLE_SECONDS} s with the game window up):"
echo
echo "| Measure | Trellic | Floor | Trellic ÷ floor | Goal |"
echo "| --- | --- | --- | --- | --- |"
row "Time to first window" 1 " ms" 1 ""
row "CPU time to first window" 2 " ms" 1 "x1.2"
row "Peak RSS (VmHWM)" 3 " MiB" 1 "x1.15"
row "Idle CPU, % of one core" 4 " %" 2 "zero"
row "Wake-ups per second (main thread)" 5 "/s" 2 "<1"
row "Wake-ups per second (all threads)" 6 "/s" 2 ""
