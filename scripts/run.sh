#!/usr/bin/env bash
# Sets up what is missing, builds the Release configurator and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-deps.sh"

build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DHD_BUILD_TESTS=OFF -DHD_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)" --target configurator
# Popups, hints and the focus frame place their own top-level windows, which a Wayland session
# does not allow; X (directly or through XWayland) does.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-xcb}"
exec "$build/program/HD58318" "$@"
