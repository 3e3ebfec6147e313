#!/usr/bin/env bash
# Sets up the machine, checks the layout of the sources, then builds and runs the
# whole test suite twice: a plain developer build and an AddressSanitizer +
# UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

echo "== clang-format"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

for preset in dev asan-ubsan; do
  echo "== build and test: $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$(nproc)"
  ctest --preset "$preset"
done
