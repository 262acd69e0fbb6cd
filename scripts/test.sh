#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build_dir="${KEYVIGIL_BUILD_DIR:-build}"
ctest --test-dir "$build_dir" --output-on-failure -j2 ${KEYVIGIL_CTEST_ARGS:-}
