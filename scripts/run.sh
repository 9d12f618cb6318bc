#!/usr/bin/env bash
# Sets up what is missing, builds the Release configurator and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-deps.sh"

build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DHD_BUILD_TESTS=OFF -DHD_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)" --target configurator
exec "$build/program/HD58318" "$@"
