#!/usr/bin/env bash
# Builds the ERP host and the customer module it loads, and starts it with the embedded application
# server over demo data (the customer form opens with the filter).
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target erp-host PKG_VQM41200
exec build/release/bin/erp-host "$@"
