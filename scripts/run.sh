#!/bin/sh
# Installs what is missing, builds the program and starts it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -DKESTRELON_TESTS=OFF >/dev/null
cmake --build build -j2 --target kestrelon
exec ./build/src/kestrelon
