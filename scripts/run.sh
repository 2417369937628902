#!/usr/bin/env bash
# Builds the launcher (Release) into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)"

exec build/src/app/vnovla "$@"
