#!/usr/bin/env bash
# Checks that includes keep to the layers: Qt headers only in the platform's adaptor
# (src/platform/qt and its tests in tests/platform/qt; bench/ and fuzz/ compare with Qt and may
# include it), and no layer including one above it:
#   platform <- grid/foundation <- grid/stringgrid <- grid/editors, grid/editing, grid/dataops
#   <- tables <- the program; grid/editing may include grid/editors. The table windows read the
#   configurator's shared state (its language table, its row clipboard), so tables and app
#   may include each other.
# Usage: check_layers.sh [root]. Prints each offending line; exits 1 when there is one.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2
status=0

report() {  # $1 what; reads grep's output lines (not in a pipeline: it sets status)
  local what=$1 line
  while IFS= read -r line; do
    [ -n "$line" ] || continue
    echo "$line: $what"
    status=1
  done
}

sources() {  # files under the given folders (existing ones only)
  local dirs=() d
  for d in "$@"; do [ -d "$d" ] && dirs+=("$d"); done
  [ ${#dirs[@]} -gt 0 ] || return 0
  find "${dirs[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) | sort
}

# Qt headers: <QWidget>, <QtCore/...>, <qglobal.h> and the like.
qt_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z0-9_]*|Qt[A-Za-z]*/[^>"]*|q[a-z0-9_]*\.h)[>"]'
report "Qt header outside the platform's adaptor" < <(sources src tests | grep -v -E '^(src/platform/qt|tests/platform/qt)/' |
  xargs -r grep -H -n -E "$qt_include")

# forbidden <folder>: includes of these layers are not allowed from files under it.
check() {
  local folder=$1
  shift
  local pattern
  pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*\"($(IFS='|'; echo "$*"))/"
  report "include against the layering ($folder may not use $*)" < <(sources "$folder" | xargs -r grep -H -n -E "$pattern")
}
check src/platform 'grid' 'tables' 'app'
check src/grid 'tables' 'app'
check src/grid/foundation 'grid/stringgrid' 'grid/editors' 'grid/editing' 'grid/dataops'
check src/grid/stringgrid 'grid/editors' 'grid/editing' 'grid/dataops'
check src/grid/editors 'grid/editing' 'grid/dataops'
check src/grid/editing 'grid/dataops'
check src/grid/dataops 'grid/editors' 'grid/editing'

if [ $status -eq 0 ]; then echo "Layer check: includes keep to the layers."; fi
exit $status
