#!/usr/bin/env bash
# Sets up what is missing, builds a Debug build with AddressSanitizer and UBSan,
# and runs every test. The exit status is the tests'.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-deps.sh"
# Includes keep to the layers before anything is built.
"$root/scripts/check_layers.sh" "$root"

build="$root/build/test"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug -DHD_SANITIZE=ON -DHD_BUILD_TESTS=ON -DHD_BUILD_BENCH=ON
cmake --build "$build" --parallel "${HD_JOBS:-$(nproc)}"
cd "$build"
ctest --output-on-failure --parallel "${HD_JOBS:-$(nproc)}" "$@"
