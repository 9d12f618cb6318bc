#!/usr/bin/env bash
# Checks that includes keep to the layers: Qt headers only in the platform's adaptor
# (src/platform/qt and its tests in tests/platform/qt; bench/ and fuzz/ compare with Qt and may
# include it), no Qt-free file reaching into the adaptor's headers, and no layer including one
# above it:
#   platform <- grid/foundation <- grid/stringgrid <- grid/editors, grid/editing, grid/dataops
#   <- tables <- the program; grid/editing may include grid/editors; app sees the platform only.
# The string grid's private header belongs to its own files (grid/stringgrid, grid/editing);
# the in-place editors (editing/inplace_*, editing/*_editors.*) see the grid through their host
# and include neither of its headers.
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
# The adaptor's headers: only the adaptor and its tests include them.
qt_adaptor_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*"platform/qt/'
report "adaptor header in Qt-free code" < <(sources src tests | grep -v -E '^(src/platform/qt|tests/platform/qt)/' |
  xargs -r grep -H -n -E "$qt_adaptor_include")

check src/platform 'grid' 'tables' 'app'
check src/app 'grid' 'tables'
check src/grid 'tables' 'app'
check src/grid/foundation 'grid/stringgrid' 'grid/editors' 'grid/editing' 'grid/dataops'
check src/grid/stringgrid 'grid/editors' 'grid/editing' 'grid/dataops'
check src/grid/editors 'grid/editing' 'grid/dataops'
check src/grid/editing 'grid/dataops'
check src/grid/dataops 'grid/editors' 'grid/editing'

# The string grid's headers: the private one only from the grid's own files, neither from an
# in-place editor.
grid_include() { echo "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"grid/stringgrid/($1)\""; }
editor_files() { sources src/grid/editing | grep -E '/(inplace_[^/]*|[^/]*_editors\.(h|cpp))$'; }
report "the string grid's private header outside its own files" < <(sources src tests bench fuzz |
  grep -v -E '^src/grid/(stringgrid|editing)/' | xargs -r grep -H -n -E "$(grid_include 'ext_string_grid_p\.h')")
report "an in-place editor including the string grid (it sees its editor host)" < <(editor_files |
  xargs -r grep -H -n -E "$(grid_include 'ext_string_grid(_p)?\.h')")

if [ $status -eq 0 ]; then echo "Layer check: includes keep to the layers."; fi
exit $status
