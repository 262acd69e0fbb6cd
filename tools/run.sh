#!/usr/bin/env bash
# Sets up, builds and runs Keyvigil.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
exec ./build/tools/keyvigil-defaults/keyvigil-defaults read
