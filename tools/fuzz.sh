#!/bin/sh
# Builds the libFuzzer targets with clang and runs them side by side (sharing
# the cores) for FUZZ_SECONDS seconds. New inputs are kept in build-fuzz/corpus/,
# crashes in build-fuzz/artifacts/; the seeds in fuzz/corpus/ are only read.
#   tools/fuzz.sh [seconds]
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-${FUZZ_SECONDS:-60}}"
out="${FUZZ_BUILD:-build-fuzz}"
./tools/install-deps.sh clang-14 libclang-rt-14-dev
cmake -S . -B "$out" -DTAVRO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all \
    -fsanitize-ignorelist=$(pwd)/cmake/sanitizer-ignorelist.txt" >/dev/null
cmake --build "$out" -j "$(nproc)"
mkdir -p "$out/artifacts"
for target in decimal button1click batch design_file; do
  mkdir -p "$out/corpus/$target"
  "$out/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=2 -print_final_stats=1 \
    -dict="fuzz/$target.dict" -artifact_prefix="$out/artifacts/$target-" \
    "$out/corpus/$target" "fuzz/corpus/$target" >"$out/$target.log" 2>&1 &
done
wait
for target in decimal button1click batch design_file; do
  echo "== $target: $(ls "$out/corpus/$target" | wc -l) inputs in the corpus"
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done|INFO: a corpus)|ERROR|SUMMARY" \
    "$out/$target.log" | tail -n 6
done
if [ -n "$(ls -A "$out/artifacts")" ]; then
  echo "crashes or timeouts found:"; ls "$out/artifacts"; exit 1
fi
