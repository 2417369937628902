#!/usr/bin/env bash
# Builds the launcher (Release) into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)"

if [[ -x build/src/app/vnovla ]]; then
  exec build/src/app/vnovla
fi
echo "Built the profile store and the vnovla-profile tool (build/src/app/vnovla-profile)."
echo "The launcher window is not built yet, so there is nothing to start."
