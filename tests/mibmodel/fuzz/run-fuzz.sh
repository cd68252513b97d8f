#!/bin/sh
# Builds the MIB model fuzzer with clang in its own build folder and runs it for the given
# number of seconds (default 600). Corpus and crash files go to fuzz-out/.
set -eu
seconds=${1:-600}
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
out=$root/fuzz-out/mibmodel

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target mibmodel_fuzzer -j2
mkdir -p "$out/corpus" "$out/artifacts"
exec "$build/bin/mibmodel_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$out/artifacts/" "$out/corpus"
