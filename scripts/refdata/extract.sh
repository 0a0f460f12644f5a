#!/usr/bin/env bash
# Regenerates server/seed/data from the pinned packages, installed into a
# throw-away directory so the tree never holds node_modules.
#   scripts/refdata/extract.sh [OUTPUT_DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "${1:-$here/../../server/seed/data}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$here/package.json" "$here/package-lock.json" "$here/extract.mjs" "$work/"
(cd "$work" && timeout 600 npm ci --no-audit --no-fund --ignore-scripts >/dev/null)
timeout 300 node "$work/extract.mjs" --out "$out"
