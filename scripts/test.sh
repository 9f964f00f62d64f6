#!/usr/bin/env bash
# Sets up a fresh machine, checks the formatting and that every layer includes only from the
# layers below it, builds everything with warnings as errors (narrowing conversions among them),
# runs the tests under AddressSanitizer + UndefinedBehaviorSanitizer, builds the ordinary build,
# runs clang-tidy over it with warnings as errors, builds the Debian package and checks it
# (scripts/package_test.sh: the validators, the programs unpacked elsewhere, and the package
# installed into a fresh Debian 12 root where ../shared/tools/fresh-debian can run), then runs
# every test once more in the ordinary build and ends with that run's summary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

echo "== clang-format"
files=$(git ls-files '*.cpp' '*.hpp' 2>/dev/null || find . -name '*.cpp' -o -name '*.hpp')
if [ -n "$files" ]; then
    clang-format --dry-run -Werror $files
fi

echo "== layers"
bash scripts/check_layers.sh

jobs=$(nproc)

echo "== sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --preset asan -j "$jobs" --output-on-failure

echo "== ordinary build"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"

echo "== clang-tidy"
python3 scripts/tidy.py build/dev -j "$jobs"
# The fuzz targets are built in the sanitizer build only.
python3 scripts/tidy.py build/asan -j "$jobs" --only '/fuzz/'

echo "== package"
bash scripts/package.sh
bash scripts/package_test.sh build/release/quillon_*.deb

echo "== ordinary tests"
ctest --preset dev -j "$jobs" --output-on-failure
