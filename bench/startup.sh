#!/bin/sh
# Start-up to the first shown frame: the launcher against a bare Qt Widgets window, timed the
# same way in the same X server, alternating runs so both see the same machine load.
#
#   bench/startup.sh [build-folder] [runs] [profile-folder|none]
#
# Defaults: build-bench, 20 runs, the 1001-page sample profile; "none" starts with no profile.
# Run under an X server (xvfb-run -a -s "-screen 0 1280x1024x24" bench/startup.sh) or with
# QT_QPA_PLATFORM=offscreen. The launcher runs with VNOVLA_EXIT_AFTER_FIRST_FRAME=1, which ends
# it after its first paint without saving. Prints the medians of the wall time from start to
# exit, of the CPU time (user + system, which a busy shared machine disturbs less) and of the
# time from main() to the first frame, and the launcher's ratios to the bare window.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-bench}
runs=${2:-20}
profile=${3:-$here/../tests/data/profiles/large}
launcher=$build/src/app/vnovla
minimal=$build/bench/minimal_qt_window

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
mkdir "$home"
if [ "$profile" != none ]; then
    cp "$profile"/*.ini "$home/"
fi
(cd "$home" && md5sum ./* 2>/dev/null) >"$work/sums.before" || true

now_us() { echo $(($(date +%s%N) / 1000)); }

# time_run <name> <command...>: appends wall µs, main()-to-first-frame ms and CPU ms.
time_run() {
    name=$1
    shift
    start=$(now_us)
    inner=$(/usr/bin/time -f 'cpu %U %S' -o "$work/last" "$@" 2>&1 >/dev/null |
        sed -n 's/^first frame after \([0-9]*\) ms$/\1/p')
    end=$(now_us)
    echo $((end - start)) >>"$work/$name.wall"
    echo "${inner:-NaN}" >>"$work/$name.inner"
    awk '/^cpu/ { printf "%d\n", ($2 + $3) * 1000 }' "$work/last" >>"$work/$name.cpu"
}

median() {
    sort -n "$1" | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One unmeasured run each warms the file cache and the font cache.
VNOVLA_HOME=$home VNOVLA_EXIT_AFTER_FIRST_FRAME=1 "$launcher" >/dev/null 2>&1 || true
"$minimal" >/dev/null 2>&1 || true

i=0
while [ "$i" -lt "$runs" ]; do
    time_run minimal "$minimal"
    time_run vnovla env VNOVLA_HOME="$home" VNOVLA_EXIT_AFTER_FIRST_FRAME=1 "$launcher"
    i=$((i + 1))
done

report() {
    printf '%-18s median wall %4.0f ms, CPU %4.0f ms, main() to first frame %s ms\n' "$1:" \
        "$(median "$work/$2.wall" | awk '{ print $1 / 1000 }')" "$(median "$work/$2.cpu")" \
        "$(median "$work/$2.inner")"
}
echo "runs: $runs each, profile: $profile, platform: ${QT_QPA_PLATFORM:-xcb on ${DISPLAY:-?}}"
report "minimal Qt window" minimal
report vnovla vnovla
for kind in wall cpu inner; do
    awk -v v="$(median "$work/vnovla.$kind")" -v m="$(median "$work/minimal.$kind")" -v k="$kind" \
        'BEGIN { if (m > 0) printf "ratio vnovla / minimal (%s): %.2f\n", k, v / m }'
done

(cd "$home" && md5sum ./* 2>/dev/null) | cmp -s - "$work/sums.before" ||
    echo "WARNING: the launcher changed its program folder" >&2
