#!/usr/bin/env bash
# The layer check finds each kind of wrong include in a small tree and passes a clean one.
set -uo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/src/{platform/qt,grid/foundation,grid/stringgrid,grid/editing,grid/editors,app} "$tree"/tests/platform/qt \
  "$tree"/bench
printf '#include <QWidget>\n' > "$tree/src/platform/qt/qt_ok.cpp"
printf '#include <QWidget>\n' > "$tree/tests/platform/qt/qt_ok_test.cpp"
printf '#include <QImage>\n' > "$tree/bench/peer_bench.cpp"
printf '#include "grid/editors/edit_button.h"\n#include "platform/canvas.h"\n' > "$tree/src/grid/editing/ok.cpp"
printf '#include "platform/canvas.h"\n' > "$tree/src/app/ok.cpp"
printf '#include "platform/qt/qt_native.h"\n' > "$tree/src/platform/qt/qt_ok_bridge.cpp"
printf '#include "grid/stringgrid/ext_string_grid_p.h"\n' > "$tree/src/grid/editing/keyboard.cpp"
printf '#include "grid/stringgrid/ext_string_grid_p.h"\n' > "$tree/src/grid/stringgrid/paint.cpp"
printf '#include "grid/editing/editor_host.h"\n' > "$tree/src/grid/editing/inplace_ok.cpp"
if ! "$check" "$tree" > "$tree/out"; then
  echo "a clean tree failed:"; cat "$tree/out"; exit 1
fi
printf '#include <QtCore/QString>\n' > "$tree/src/app/bad_qt.cpp"
printf '  #  include "app/app_state.h"\n' > "$tree/src/platform/bad_up.h"
printf '#include "grid/editing/keyboard.h"\n' > "$tree/src/grid/foundation/bad_sideways.cpp"
printf '#include "grid/stringgrid/ext_string_grid_p.h"\n' > "$tree/src/grid/editors/bad_private.cpp"
printf '#include "grid/stringgrid/ext_string_grid.h"\n' > "$tree/src/grid/editing/inplace_bad.cpp"
printf '#include "grid/foundation/base_grid.h"\n' > "$tree/src/app/bad_grid.cpp"
printf '#include "platform/qt/qt_native.h"\n' > "$tree/src/platform/bad_bridge.cpp"
if "$check" "$tree" > "$tree/out"; then
  echo "violations passed"; exit 1
fi
for expected in "src/app/bad_qt.cpp:1:" "src/platform/bad_up.h:1:" "src/grid/foundation/bad_sideways.cpp:1:" \
  "src/grid/editors/bad_private.cpp:1:" "src/grid/editing/inplace_bad.cpp:1:" "src/app/bad_grid.cpp:1:" \
  "src/platform/bad_bridge.cpp:1:"; do
  grep -q "^$expected" "$tree/out" || { echo "not reported: $expected"; cat "$tree/out"; exit 1; }
done
[ "$(wc -l < "$tree/out")" -eq 7 ] || { echo "unexpected reports:"; cat "$tree/out"; exit 1; }
echo "The layer check finds the wrong includes and passes the right ones."
