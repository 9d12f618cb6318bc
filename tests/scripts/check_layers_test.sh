#!/usr/bin/env bash
# The layer check finds each kind of wrong include in a small tree and passes a clean one.
set -uo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/src/{platform/qt,grid/foundation,grid/editing,grid/editors,app} "$tree"/tests/platform/qt "$tree"/bench
printf '#include <QWidget>\n' > "$tree/src/platform/qt/qt_ok.cpp"
printf '#include <QWidget>\n' > "$tree/tests/platform/qt/qt_ok_test.cpp"
printf '#include <QImage>\n' > "$tree/bench/peer_bench.cpp"
printf '#include "grid/editors/edit_button.h"\n#include "platform/canvas.h"\n' > "$tree/src/grid/editing/ok.cpp"
printf '#include "grid/foundation/base_grid.h"\n' > "$tree/src/app/ok.cpp"
if ! "$check" "$tree" > "$tree/out"; then
  echo "a clean tree failed:"; cat "$tree/out"; exit 1
fi
printf '#include <QtCore/QString>\n' > "$tree/src/app/bad_qt.cpp"
printf '  #  include "app/app_state.h"\n' > "$tree/src/platform/bad_up.h"
printf '#include "grid/editing/keyboard.h"\n' > "$tree/src/grid/foundation/bad_sideways.cpp"
if "$check" "$tree" > "$tree/out"; then
  echo "violations passed"; exit 1
fi
for expected in "src/app/bad_qt.cpp:1:" "src/platform/bad_up.h:1:" "src/grid/foundation/bad_sideways.cpp:1:"; do
  grep -q "^$expected" "$tree/out" || { echo "not reported: $expected"; cat "$tree/out"; exit 1; }
done
[ "$(wc -l < "$tree/out")" -eq 3 ] || { echo "unexpected reports:"; cat "$tree/out"; exit 1; }
echo "The layer check finds the wrong includes and passes the right ones."
