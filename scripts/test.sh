#!/usr/bin/env bash
# Builds the Debug configuration with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-test/ and runs every test offscreen. Fails when no test ran.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build test
scripts/check-format.sh
cmake --preset test >/dev/null
cmake --build --preset test -j"$(nproc)"
ctest --preset test -j"$(nproc)" "$@"
