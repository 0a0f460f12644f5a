#!/usr/bin/env bash
# Builds everything and runs every test: unit, integration, end-to-end and a short fuzz pass.
set -euo pipefail
cd "$(dirname "$0")/.."

export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true CCACHE_MAXSIZE=5G
jobs=$(nproc)

cmake --preset dev >/dev/null
cmake --build --preset dev -j"$jobs"

# The fuzz targets need clang; they run briefly over their seed corpus.
fuzz_status=0
if command -v clang++-14 >/dev/null; then
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz -j"$jobs" --target fuzz_all
fi

ctest --preset dev
if [ -d build/fuzz ] && [ -f build/fuzz/CTestTestfile.cmake ]; then
  ctest --test-dir build/fuzz -L fuzz --output-on-failure -j"$jobs" || fuzz_status=$?
fi
exit "$fuzz_status"
