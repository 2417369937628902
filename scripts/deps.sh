#!/usr/bin/env bash
# Installs the Debian packages the launcher needs to build, run and test.
# Usage: scripts/deps.sh [build|test|bench|fuzz]...   (default: build)
# Only missing packages are installed, so a prepared machine pays nothing.
set -euo pipefail

# qt6-tools-dev and qt6-l10n-tools build the English translation (qt_add_translations).
build_pkgs=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools
            qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libglib2.0-dev libcanberra-dev
            shared-mime-info adwaita-icon-theme fonts-ipafont-gothic nlohmann-json3-dev)
# trayer: a notification area for the end-to-end tray test under Xvfb; weston, xwayland and
# x11-utils (xprop) run the Wayland session test (about a minute to install).
test_pkgs=(libgtest-dev libgmock-dev clang-format xvfb xauth openbox xdotool trayer
           desktop-file-utils appstream weston xwayland x11-utils)
bench_pkgs=(libbenchmark-dev)
fuzz_pkgs=(clang libclang-rt-14-dev)

wanted=("${build_pkgs[@]}")
for group in "${@:-build}"; do
  case "$group" in
    build) ;;
    test) wanted+=("${test_pkgs[@]}") ;;
    bench) wanted+=("${bench_pkgs[@]}") ;;
    fuzz) wanted+=("${fuzz_pkgs[@]}") ;;
    *) echo "deps.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
