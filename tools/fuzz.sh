#!/bin/sh
# Builds the libFuzzer targets with clang and runs them. The targets are those
# fuzz/CMakeLists.txt lists (NAME_fuzz, seeds in fuzz/corpus/NAME, dictionary
# fuzz/NAME.dict if there is one).
#   tools/fuzz.sh [seconds [name]]  every target (or one) side by side for
#                                   FUZZ_SECONDS seconds; new inputs are kept
#                                   in build-fuzz/corpus/, crashes and hangs
#                                   in build-fuzz/artifacts/
#   tools/fuzz.sh --check           every target in turn for 20 s over its
#                                   seeds (CI): fails when a target does not
#                                   build, crashes or hangs
# The seeds in fuzz/corpus/ are only read.
set -eu
cd "$(dirname "$0")/.."
check=0
if [ "${1:-}" = "--check" ]; then
  check=1
  shift
fi
seconds="${1:-${FUZZ_SECONDS:-60}}"
only="${2:-}"
out="${FUZZ_BUILD:-build-fuzz}"
./tools/install-deps.sh clang-14 libclang-rt-14-dev
cmake -S . -B "$out" -DTAVRO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all \
    -fsanitize-ignorelist=$(pwd)/cmake/sanitizer-ignorelist.txt" >/dev/null
cmake --build "$out" -j "$(nproc)"
targets="$(cat "$out/fuzz/targets.txt")"
if [ -n "$only" ]; then targets="$only"; fi

# run NAME SECONDS TIMEOUT CORPUS: one target over CORPUS (written to) and its seeds.
run() {
  dict=""
  if [ -f "fuzz/$1.dict" ]; then dict="-dict=fuzz/$1.dict"; fi
  mkdir -p "$4" "$out/artifacts"
  # shellcheck disable=SC2086
  "$out/fuzz/$1_fuzz" -max_total_time="$2" -timeout="$3" -print_final_stats=1 $dict \
    -artifact_prefix="$out/artifacts/$1-" "$4" "fuzz/corpus/$1" >"$out/$1.log" 2>&1
}

if [ "$check" = 1 ]; then
  failed=""
  for target in $targets; do
    scratch="$(mktemp -d)"
    if run "$target" 20 10 "$scratch"; then
      echo "== $target: $(grep -E '^stat::number_of_executed_units' "$out/$target.log")"
    else
      # What failed, where in the project's code, and the input itself
      # (libFuzzer's Base64 line), so a failure seen only in CI can be rerun.
      echo "== $target FAILED:"
      grep -E "ERROR|SUMMARY|timeout|terminate called|what\(\)|runtime error|^[a-z].*: |^Base64: " \
        "$out/$target.log" | grep -v "^stat::" | tail -n 12
      grep -E "^ +#[0-9]+ .* in tavro::" "$out/$target.log" | head -n 6
      failed="$failed $target"
    fi
    rm -rf "$scratch"
  done
  if [ -n "$failed" ]; then echo "failed:$failed"; exit 1; fi
  exit 0
fi

for target in $targets; do
  run "$target" "$seconds" 10 "$out/corpus/$target" &
done
status=0
wait || status=1
for target in $targets; do
  echo "== $target: $(ls "$out/corpus/$target" | wc -l) inputs in the corpus"
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done|INFO: a corpus)|ERROR|SUMMARY" \
    "$out/$target.log" | tail -n 6
done
if [ -n "$(ls -A "$out/artifacts")" ]; then
  echo "crashes or timeouts found:"; ls "$out/artifacts"; exit 1
fi
exit "$status"
