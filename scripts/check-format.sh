#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it.
# Usage: scripts/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."

format=$(command -v clang-format-14 || command -v clang-format || true)
if [[ -z "$format" ]]; then
  echo "check-format: clang-format is not installed; skipping" >&2
  exit 0
fi
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
[[ ${#files[@]} -eq 0 ]] && exit 0
if [[ "${1:-}" == "--fix" ]]; then
  "$format" -i "${files[@]}"
  exit 0
fi
"$format" --dry-run --Werror "${files[@]}"
