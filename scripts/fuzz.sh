#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang, libFuzzer, AddressSanitizer and UBSan, and runs
# each for SECONDS (60 by default): scripts/fuzz.sh [SECONDS] [TARGET...]
# With no TARGET every target runs, one after the other. Inputs that reach new code are kept in
# build/fuzz/corpus/<target>; a crash, leak or slow input is written to
# build/fuzz/crashes/<target>/. Once mended, copy it to fuzz/reproducers/<target>/, where the
# test suite replays it. HD_JOBS bounds the build's parallel jobs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-deps.sh" --fuzz

seconds=60
if [[ $# -gt 0 && "$1" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi

build="$root/build/fuzz"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DHD_FUZZ=ON -DHD_BUILD_TESTS=OFF -DHD_BUILD_BENCH=OFF >/dev/null

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for src in "$root"/fuzz/*_fuzz.cpp; do
    name=$(basename "$src" _fuzz.cpp)
    targets+=("$name")
  done
fi
executables=()
for t in "${targets[@]}"; do
  [[ -f "$root/fuzz/${t}_fuzz.cpp" ]] || { echo "No fuzz target '$t'" >&2; exit 2; }
  executables+=("fuzz_$t")
done
cmake --build "$build" --parallel "${HD_JOBS:-$(nproc)}" --target "${executables[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  crashes="$build/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$crashes/")
  case "$t" in
    xml_document|settings_file|par_gen|request_file|table_file) dict="$root/fuzz/dict/xml.dict" ;;
    *) dict="$root/fuzz/dict/$t.dict" ;;
  esac
  [[ -f "$dict" ]] && options+=(-dict="$dict")
  seeds=("$root/fuzz/corpus/$t")
  [[ -d "$root/fuzz/reproducers/$t" ]] && seeds+=("$root/fuzz/reproducers/$t")
  echo "== $t: ${seconds}s"
  if ! TMPDIR="$build" "$build/fuzz/fuzz_$t" "${options[@]}" "$corpus" "${seeds[@]}"; then
    failed+=("$t")
  fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "Targets that found a fault: ${failed[*]} (inputs in $build/crashes/)" >&2
  exit 1
fi
echo "Every target ran ${seconds}s without a fault."
