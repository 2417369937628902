#!/bin/sh
# Start-up to the first shown frame: the launcher against a bare Qt Widgets window, timed the
# same way in the same X server, alternating runs so both see the same machine load.
#
#   bench/startup.sh [build-folder] [runs] [profile-folder|none|items] [earlier-vnovla]
#
# Defaults: build-bench, 20 runs, the 1001-page sample profile; "none" starts with no profile;
# "items" is one page of ten real items of every kind, made here: a program, documents, desktop
# entries with theme icons, a folder, an image, a Windows .ico and .exe, an icon file setting.
# The bare window shows ten theme PNG icons and a line of Japanese text in every case, so that
# both programs load an icon theme, decode pictures and load the CJK font.
# Run under an X server (xvfb-run -a -s "-screen 0 1280x1024x24" bench/startup.sh) or with
# QT_QPA_PLATFORM=offscreen. The launcher runs with VNOVLA_EXIT_AFTER_FIRST_FRAME=1, which ends
# it after its first paint without saving. Prints the medians of the wall time from start to
# exit, of the CPU time (user + system, which a busy shared machine disturbs less), of the
# time from main() to the first frame and of the proportional memory (PSS, from
# /proc/self/smaps_rollup) at the first frame, and the launcher's ratios to the bare window.
# An earlier build of the launcher, when given, runs in the same rounds, for before and after
# figures from one run. The launcher keeps its icon cache in a cache folder of its own here: the unmeasured first
# run fills it, so the timed runs start warm, as every start but the first one does.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-bench}
runs=${2:-20}
profile=${3:-$here/../tests/data/profiles/large}
launcher=$build/src/app/vnovla
minimal=$build/bench/minimal_qt_window
earlier=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
mkdir "$home"
export XDG_CACHE_HOME="$work/cache"
items=$work/items
mkdir -p "$items/Folder"
theme=/usr/share/icons/Adwaita/32x32
if [ "$profile" = items ]; then
    here_src=$here/..
    printf '予定\n' >"$items/notes.txt"
    printf '<html></html>\n' >"$items/page.html"
    cp /usr/share/icons/Adwaita/32x32/mimetypes/image-x-generic.png "$items/picture.png"
    # A Windows icon of two real sizes (ImageMagick), and a small PE file with icon groups.
    convert "$theme/mimetypes/x-office-calendar.png" -define icon:auto-resize=32,16 \
        "$items/app.ico" 2>/dev/null ||
        cp "$here_src/tests/data/fuzz/icons/ico_three_kinds" "$items/app.ico"
    cp "$here_src/tests/data/fuzz/icons/pe32_two_groups" "$items/tool.exe"
    for name in editor viewer; do
        printf '[Desktop Entry]\nType=Application\nName=%s\nExec=true\nIcon=%s\n' \
            "$name" "$([ "$name" = editor ] && echo accessories-text-editor || echo image-x-generic)" \
            >"$items/$name.desktop"
    done
    # The profile files are in the Windows INI profile format (Shift_JIS, CRLF); the paths
    # here are ASCII, so only the line ends need care.
    {
        printf '[Window]\nTop=1500\nLeft=1500\nPage=0\nNow=0\n[Title]\n0=メイン\n[Path]\n'
        n=0
        for item in /bin/ls notes.txt editor.desktop Folder app.ico tool.exe picture.png \
            viewer.desktop page.html notes.txt; do
            case $item in /*) ;; *) item=$items/$item ;; esac
            printf '0%d=%s\n' "$n" "$item"
            n=$((n + 1))
        done
        printf '[PopUp]\n'
        for n in 0 1 2 3 4 5 6 7 8 9; do printf '0%d=item %d\n' "$n" "$n"; done
        printf '[Icon]\n05=1\n'
    } | iconv -f utf-8 -t cp932 | sed 's/$/\r/' >"$home/Vnovla.ini"
    printf '[IconPath]\r\n09=%s\r\n' "$items/app.ico" >"$home/icon.ini"
elif [ "$profile" != none ]; then
    cp "$profile"/*.ini "$home/"
fi
set -- "$theme/mimetypes/application-x-executable.png" "$theme/mimetypes/text-x-generic.png" \
    "$theme/places/folder.png" "$theme/mimetypes/image-x-generic.png" \
    "$theme/mimetypes/text-html.png" "$theme/mimetypes/x-office-document.png" \
    "$theme/mimetypes/application-x-generic.png" "$theme/mimetypes/text-x-script.png" \
    "$theme/mimetypes/package-x-generic.png" "$theme/mimetypes/x-office-calendar.png"
(cd "$home" && md5sum ./* 2>/dev/null) >"$work/sums.before" || true

now_us() { echo $(($(date +%s%N) / 1000)); }

# time_run <name> <command...>: appends wall µs, main()-to-first-frame ms, CPU ms, PSS kB and
# the thread count at the first frame.
time_run() {
    name=$1
    shift
    start=$(now_us)
    /usr/bin/time -f 'cpu %U %S' -o "$work/last" "$@" 2>"$work/err" >/dev/null
    end=$(now_us)
    echo $((end - start)) >>"$work/$name.wall"
    inner=$(sed -n 's/^first frame after \([0-9]*\) ms$/\1/p' "$work/err")
    echo "${inner:-NaN}" >>"$work/$name.inner"
    pss=$(sed -n 's/^pss \([0-9]*\) kB, threads.*$/\1/p' "$work/err")
    echo "${pss:-NaN}" >>"$work/$name.pss"
    sed -n 's/^pss .*, threads \([0-9]*\)$/\1/p' "$work/err" >"$work/$name.threads"
    awk '/^cpu/ { printf "%d\n", ($2 + $3) * 1000 }' "$work/last" >>"$work/$name.cpu"
}

median() {
    sort -n "$1" | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One unmeasured run each warms the file cache and the font cache.
VNOVLA_HOME=$home VNOVLA_EXIT_AFTER_FIRST_FRAME=1 "$launcher" >/dev/null 2>&1 || true
if [ -n "$earlier" ]; then
    VNOVLA_HOME=$home VNOVLA_EXIT_AFTER_FIRST_FRAME=1 "$earlier" >/dev/null 2>&1 || true
fi
"$minimal" "$@" >/dev/null 2>&1 || true

i=0
while [ "$i" -lt "$runs" ]; do
    time_run minimal "$minimal" "$@"
    time_run vnovla env VNOVLA_HOME="$home" VNOVLA_EXIT_AFTER_FIRST_FRAME=1 "$launcher"
    if [ -n "$earlier" ]; then
        time_run earlier env VNOVLA_HOME="$home" VNOVLA_EXIT_AFTER_FIRST_FRAME=1 "$earlier"
    fi
    i=$((i + 1))
done

report() {
    printf '%-18s median wall %4.0f ms, CPU %4.0f ms, main() to first frame %s ms, PSS %.1f MiB, %s threads\n' \
        "$1:" "$(median "$work/$2.wall" | awk '{ print $1 / 1000 }')" "$(median "$work/$2.cpu")" \
        "$(median "$work/$2.inner")" "$(median "$work/$2.pss" | awk '{ print $1 / 1024 }')" \
        "$(cat "$work/$2.threads")"
}
echo "runs: $runs each, profile: $profile, platform: ${QT_QPA_PLATFORM:-xcb on ${DISPLAY:-?}}"
report "minimal Qt window" minimal
report vnovla vnovla
[ -z "$earlier" ] || report "earlier vnovla" earlier
for name in vnovla ${earlier:+earlier}; do
    for kind in wall cpu inner pss; do
        awk -v v="$(median "$work/$name.$kind")" -v m="$(median "$work/minimal.$kind")" \
            -v k="$kind" -v n="$name" \
            'BEGIN { if (m > 0) printf "ratio %s / minimal (%s): %.2f\n", n, k, v / m }'
    done
done

(cd "$home" && md5sum ./* 2>/dev/null) | cmp -s - "$work/sums.before" ||
    echo "WARNING: the launcher changed its program folder" >&2
