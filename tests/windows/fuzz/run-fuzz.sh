#!/usr/bin/env bash
# Builds the GetKeyValue fuzzer with clang and libFuzzer and runs it on a fixed number of
# inputs; any crash, sanitizer report or failed check fails the run.
#
#   run-fuzz.sh [SOURCE_DIR] [WORK_DIR] [RUNS]
#
# Fails when the tools are missing; scripts/setup.sh installs them
# (clang and libclang-rt-dev).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$(cd "${1:-$here/../../..}" && pwd)
work=${2:-$src/build-fuzz}
runs=${3:-150000}
cxx=${CLANGXX:-clang++}

if ! command -v "$cxx" >/dev/null; then
    echo "run-fuzz: $cxx not found (scripts/setup.sh installs it)" >&2
    exit 1
fi

mkdir -p "$work/corpus" "$work/seeds"
fuzzer=$work/getkeyvalue_fuzz
sources=("$src/windows/GetKeyValue.cpp" "$src/windows/MemoryRegistry.cpp"
         "$src/tests/windows/fuzz/GetKeyValueFuzz.cpp")

rebuild=no
[[ -x $fuzzer ]] || rebuild=yes
for file in "${sources[@]}" "$src/windows/GetKeyValue.h" "$src/windows/MemoryRegistry.h" \
            "$src/windows/SystemAccess.h"; do
    [[ $file -nt $fuzzer ]] && rebuild=yes
done
if [[ $rebuild == yes ]]; then
    if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
        "$cxx" -x c++ -fsanitize=fuzzer - -o "$work/probe" 2>/dev/null; then
        echo "run-fuzz: $cxx cannot link libFuzzer (scripts/setup.sh installs libclang-rt-dev)" >&2
        exit 1
    fi
    rm -f "$work/probe"
    echo "run-fuzz: building $fuzzer"
    "$cxx" -std=c++20 -g -O1 -fno-omit-frame-pointer \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
        -I"$src/windows" "${sources[@]}" -o "$fuzzer"
fi

# A few seeds: mode, type, reported size (two bytes), then the data.
seed() { printf "$2" >"$work/seeds/$1"; }
seed text-counted '\x02\x01\x00\x00C:\\Tools\\msinfo32.exe\x00'
seed text-bare '\x02\x01\x00\x00abc'
seed dword '\x02\x04\x00\x00\x78\x56\x34\x12'
seed dword-short '\x02\x04\x00\x00\x2a'
seed binary '\x02\x03\x00\x00\x01\x02\x03'
seed empty '\x02\x01\x00\x00'
seed lying-size '\x12\x01\xff\xffabc'
seed missing-key '\x00\x01\x00\x00abc'
seed missing-value '\x01\x01\x00\x00abc'
head -c 1100 /dev/zero | tr '\0' 'x' >"$work/seeds/text-long"
printf '\x02\x01\x00\x00' | cat - "$work/seeds/text-long" >"$work/seeds/text-long.tmp"
mv "$work/seeds/text-long.tmp" "$work/seeds/text-long"

start=$SECONDS
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$work"
timeout 240 "$fuzzer" -runs="$runs" -max_len=2048 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/corpus" "$work/seeds"
echo "run-fuzz: $runs inputs in $((SECONDS - start)) s, no crash"
