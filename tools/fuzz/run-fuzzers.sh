#!/usr/bin/env bash
# Builds the fuzz targets of the readers of outside text (fuzz/) with clang's
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz/,
# and runs each target for a bounded time, starting from its seed corpus in
# tests/fuzz-corpus/<reader>/ (which is only read; new inputs the fuzzer finds
# go to build-fuzz/corpus/<reader>/).
#
# Usage: tools/fuzz/run-fuzzers.sh [SECONDS] [READER...]
#   SECONDS  fuzzing time of each target (default 5)
#   READER   only these targets (e.g. wildcard placelist); default all
# Environment: FUZZ_JOBS targets run side by side (default: the core count).
#
# Exit status: 0 when every target ran clean; 1 when the build failed or a
# target crashed, leaked, hit undefined behaviour, timed out or broke an
# invariant (its input is kept in build-fuzz/artifacts/); 77 when clang or
# libFuzzer is missing and cannot be installed (a skip for CTest).
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/build-fuzz"
SEEDS="$ROOT/tests/fuzz-corpus"
SKIP=77

seconds=${1:-5}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [SECONDS] [READER...]" >&2
  exit 2
fi
shift $(($# > 0 ? 1 : 0))

# Whether $1 can build and link a libFuzzer target with both sanitizers.
links_fuzzer() {
  local probe
  probe=$(mktemp -d)
  printf '%s\n' 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }' \
    >"$probe/probe.cpp"
  "$1" -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1
  local status=$?
  rm -rf "$probe"
  return $status
}

find_clang() {
  local candidate
  for candidate in clang++ clang++-14; do
    if command -v "$candidate" >/dev/null && links_fuzzer "$candidate"; then
      command -v "$candidate"
      return 0
    fi
  done
  return 1
}

install_clang() {
  command -v apt-get >/dev/null || return 1
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || return 1
    sudo=(sudo -n)
  fi
  echo "Installing clang and libclang-rt-14-dev for the fuzz targets"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
      --no-install-recommends clang libclang-rt-14-dev >/dev/null
}

CXX=$(find_clang) || { install_clang && CXX=$(find_clang); } || {
  echo "SKIP: clang++ with libFuzzer is not available (Debian: clang libclang-rt-14-dev)"
  exit $SKIP
}
command -v cmake >/dev/null || {
  echo "SKIP: cmake is not available"
  exit $SKIP
}

mkdir -p "$BUILD"
echo "Building the fuzz targets with $CXX in $BUILD"
if ! { cmake -S "$ROOT/fuzz" -B "$BUILD" -DCMAKE_CXX_COMPILER="$CXX" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
  cmake --build "$BUILD" -j "$(nproc)"; } >"$BUILD/build.log" 2>&1; then
  tail -n 60 "$BUILD/build.log"
  echo "FAILED: the fuzz targets did not build (log: $BUILD/build.log)"
  exit 1
fi
echo "Built in ${SECONDS}s"

if [ $# -gt 0 ]; then
  readers=("$@")
else
  readers=()
  for source in "$ROOT"/fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    readers+=("${name#fuzz_}")
  done
fi

mkdir -p "$BUILD/logs" "$BUILD/artifacts"
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"

# Runs one target; its output goes to logs/<reader>.log, its status to
# logs/<reader>.status.
run_one() {
  local reader=$1
  local target="$BUILD/fuzz_$reader"
  local log="$BUILD/logs/$reader.log"
  if [ ! -x "$target" ]; then
    echo "no target fuzz_$reader" >"$log"
    echo 1 >"$BUILD/logs/$reader.status"
    return
  fi
  local corpus=("$BUILD/corpus/$reader")
  mkdir -p "${corpus[0]}"
  [ -d "$SEEDS/$reader" ] && corpus+=("$SEEDS/$reader")
  local dictionary=()
  [ -f "$ROOT/fuzz/dict/$reader.dict" ] && dictionary=("-dict=$ROOT/fuzz/dict/$reader.dict")
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -error_exitcode=1 -timeout_exitcode=1 -print_final_stats=1 \
    -artifact_prefix="$BUILD/artifacts/$reader-" "${dictionary[@]}" "${corpus[@]}" \
    >"$log" 2>&1
  echo $? >"$BUILD/logs/$reader.status"
}

jobs=${FUZZ_JOBS:-$(nproc)}
running=0
for reader in "${readers[@]}"; do
  rm -f "$BUILD/logs/$reader.status"
  run_one "$reader" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

passed=0
failed=0
for reader in "${readers[@]}"; do
  status=$(cat "$BUILD/logs/$reader.status" 2>/dev/null || echo 1)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$BUILD/logs/$reader.log" | tail -n 1)
  if [ "$status" = 0 ]; then
    passed=$((passed + 1))
    echo "fuzz_$reader: clean, ${runs:-?} inputs in ${seconds}s"
  else
    failed=$((failed + 1))
    echo "---- fuzz_$reader FAILED (exit $status); end of $BUILD/logs/$reader.log:"
    tail -n 40 "$BUILD/logs/$reader.log"
    echo "---- the failing input is kept as $BUILD/artifacts/$reader-*;" \
      "rerun it with: $BUILD/fuzz_$reader <file>"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
