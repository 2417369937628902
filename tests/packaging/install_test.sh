#!/usr/bin/env bash
# Usage: install_test.sh BUILD_DIR
# `cmake --install` into a temporary prefix, then: every file a desktop, a package manager and
# a reader look for is there; the desktop entry, the metainfo and the icons agree with each
# other and with the programs; the validators accept them when installed; and an installed
# vnovla copied into a folder with a Vnovla.ini keeps its profile there (portable use).
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }

share=$prefix/share
desktop=$share/applications/veska-novla.desktop
metainfo=$(ls "$share"/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)
for program in vnovla vnovla-profile; do
  [[ -x $prefix/bin/$program ]] || fail "bin/$program is not an installed program"
done
for file in "$desktop" "$share/doc/veska-novla/readme.txt" "$share/doc/veska-novla/README.md" \
  "$share/doc/veska-novla/copyright" "$share/icons/hicolor/scalable/apps/veska-novla.svg"; do
  [[ -s $file ]] || fail "${file#"$prefix"/} is missing or empty"
done
[[ -n $metainfo ]] || fail "no AppStream metainfo in share/metainfo"
for page in vnovla vnovla-profile; do
  gzip -t "$share/man/man1/$page.1.gz" 2>/dev/null || fail "man page $page.1.gz is missing or broken"
done

# Each bitmap icon must be as large as the folder it lies in says: a theme picks by folder.
sizes=0
for icon in "$share"/icons/hicolor/*x*/apps/veska-novla.png; do
  [[ -f $icon ]] || break
  folder=$(basename "$(dirname "$(dirname "$icon")")")
  width=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [[ $width == "$folder" ]] || fail "icon in $folder is $width"
  sizes=$((sizes + 1))
done
((sizes >= 4)) || fail "only $sizes bitmap icon sizes in hicolor"

# The entry must start an installed program and name an installed icon, and the metainfo
# must point at this entry: each mismatch silently breaks menus or software centres.
value() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_program=$(value Exec | cut -d' ' -f1)
[[ -x $prefix/bin/$exec_program ]] || fail "Exec=$exec_program is not an installed program"
[[ $(value Icon) == veska-novla ]] || fail "Icon= names '$(value Icon)', not the installed icon"
grep -q '^Name\[ja\]=' "$desktop" || fail "the desktop entry has no Japanese name"
grep -q '^Categories=.*Utility;' "$desktop" || fail "the desktop entry is not in Utility"
if [[ -n $metainfo ]]; then
  grep -q '<launchable type="desktop-id">veska-novla.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch veska-novla.desktop"
fi

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate not installed: skipped"
fi
if command -v appstreamcli >/dev/null && [[ -n $metainfo ]]; then
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
else
  echo "appstreamcli not installed: skipped"
fi

# Portable use: a copied program beside a Vnovla.ini uses that folder and never makes the
# user's configuration folder. The first frame ends the run without saving anything.
portable=$work/stick
mkdir -p "$portable" "$work/home"
cp "$prefix/bin/vnovla" "$portable/"
: >"$portable/Vnovla.ini"
HOME=$work/home XDG_CONFIG_HOME='' VNOVLA_HOME='' XDG_RUNTIME_DIR=$work \
  VNOVLA_EXIT_AFTER_FIRST_FRAME=1 timeout 60 "$portable/vnovla" >"$work/run.log" 2>&1 ||
  { cat "$work/run.log"; fail "the portable copy did not start"; }
[[ ! -e $work/home/.config/veska-novla ]] || fail "the portable copy used the home folder"

((failures == 0)) || { echo "$failures failure(s)"; exit 1; }
echo "install test passed"
