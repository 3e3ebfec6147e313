#!/usr/bin/env bash
# Sets up the machine, builds the viewer and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"
exec ./build/release/dtsviewer
