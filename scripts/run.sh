#!/usr/bin/env bash
# Builds and starts the ERP host with the embedded application server over demo data.
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target erp-host
exec build/release/bin/erp-host "$@"
