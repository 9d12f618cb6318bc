#!/usr/bin/env bash
# Writes pictures of the configurator's windows, of the platform's controls and a sheet of the
# push button in every style and state into one folder for review by eye (default
# build/review-pictures). Not a test: it runs the tests that draw these windows, which leave
# their pictures behind; what the pictures must show is asserted by those tests themselves.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build/review-pictures}" && cd "${1:-$root/build/review-pictures}" && pwd)

build="$root/build/test"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug -DHD_SANITIZE=ON -DHD_BUILD_TESTS=ON -DHD_BUILD_BENCH=ON
cmake --build "$build" --parallel 3 --target app_tests platform_tests tables_tests grid_editors_tests

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export HD_TEST_TMP="$out" HD_REVIEW_PICTURES="$out"
"$build/tests/app_tests" --gtest_brief=1 \
  --gtest_filter='WindowPicturesTest.*:DialogWindowsRender.*:LbButtonSheetTest.*'
"$build/tests/platform_tests" --gtest_brief=1 --gtest_filter='FormGalleryTest.*:StdCtrlsTest.*Focus*'
"$build/tests/tables_tests" --gtest_brief=1 --gtest_filter='TableWindowPicturesTest.*'
"$build/tests/grid_editors_tests" --gtest_brief=1 --gtest_filter='WatchTest.PresetPictures'
ls -1 "$out"/*.png
