#!/usr/bin/env bash
# Fuzzes the registry export reader and the About box's look-ups with libFuzzer, under
# AddressSanitizer and UndefinedBehaviorSanitizer, for a fixed time: the first argument in
# seconds (default 60). Starts from the seed corpus in tests/fuzz/corpus; what the run finds
# goes to build/fuzz/, never into the tree. Fails when the fuzzer finds a fault.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
compiler=clang++-14

if ! command -v "$compiler" >/dev/null; then
    echo "fuzz.sh: $compiler is missing (packages clang-14 and libclang-rt-14-dev; scripts/setup.sh installs them)" >&2
    exit 1
fi

out="$root/build/fuzz"
mkdir -p "$out/corpus"
# The reader decodes and compares names with QtCore, which is linked as it is installed.
read -r -a qtflags <<<"$(pkg-config --cflags Qt6Core)"
read -r -a qtlibs <<<"$(pkg-config --libs Qt6Core)"
"$compiler" -std=c++20 -g -O1 -Wall -Wextra -Werror -fPIC \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/platform" -I"$root/countdown" "${qtflags[@]}" \
    "$root/platform/registry/registrystore.cpp" "$root/platform/registry/registryexport.cpp" \
    "$root/platform/registry/exportvalue.cpp" "$root/platform/registry/ansitext_unix.cpp" \
    "$root/countdown/getkeyvalue.cpp" \
    "$root/tests/fuzz/registryexport_fuzz.cpp" "${qtlibs[@]}" -o "$out/registryexport_fuzz"

# The fuzzer's running account is long; it goes to a log, of which the end is shown.
log="$out/fuzz.log"
status=0
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "$out/registryexport_fuzz" \
    -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -dict="$root/tests/fuzz/registryexport.dict" -artifact_prefix="$out/" -print_final_stats=1 \
    "$out/corpus" "$root/tests/fuzz/corpus" >"$log" 2>&1 || status=$?
if ((status)); then
    tail -n 80 "$log"
    echo "fuzz.sh: the fuzzer found a fault (exit status $status); see $log" >&2
    exit "$status"
fi
tail -n 15 "$log"
