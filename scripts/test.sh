#!/bin/sh
# Installs what is missing, builds the program, its tests and benchmarks, and runs the tests.
# Extra arguments go to CMake, e.g. a separate build folder: BUILD_DIR=build-asan and
# -DKESTRELON_SANITIZE=ON.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
build="${BUILD_DIR:-build-tests}"
cmake -S . -B "$build" "$@" >/dev/null
cmake --build "$build" -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure
