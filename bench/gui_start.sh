#!/usr/bin/env bash
# Start-up of the desktop program against a bare Qt window: the time from starting the process to
# its first painted frame, and the peak memory by then, as the median of several runs of each,
# taken in turn. Prints both and their ratios; the goal is at most 1.5 times the bare window.
#   usage: bench/gui_start.sh [runs]
# Uses the platform in QT_QPA_PLATFORM or the display in DISPLAY; without either it starts Xvfb
# (installed when missing), or falls back to Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}

cmake --preset release >/dev/null
cmake --build --preset release --target quillon quillon-bare-window >/dev/null
quillon=$PWD/build/release/app/quillon
bare=$PWD/build/release/bench/quillon-bare-window

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cp data/* "$work/"

platform="the display ${DISPLAY:-}"
if [ -n "${QT_QPA_PLATFORM:-}" ]; then
    platform="Qt's $QT_QPA_PLATFORM platform"
elif [ -z "${DISPLAY:-}" ]; then
    if ! command -v Xvfb >/dev/null; then
        if [ "$(id -u)" -eq 0 ]; then
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb \
                >/dev/null 2>&1 || true
        fi
    fi
    if command -v Xvfb >/dev/null; then
        for n in $(seq 90 120); do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
            Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
            xvfb_pid=$!
            export DISPLAY=":$n"
            for _ in $(seq 50); do
                [ -e "/tmp/.X11-unix/X$n" ] && break
                sleep 0.1
            done
            break
        done
        platform="Xvfb $DISPLAY, 1280x800"
    else
        export QT_QPA_PLATFORM=offscreen
        platform="Qt's offscreen platform (no Xvfb)"
    fi
fi

# One run: "<milliseconds to the first frame> <peak KB>".
measure() {
    local start line frame kb
    start=$(date +%s%N)
    line=$(cd "$work" && "$@" --first-frame 2>/dev/null | grep '^first-frame-ns')
    frame=$(echo "$line" | awk '{print $2}')
    kb=$(echo "$line" | awk '{print $4}')
    echo "$(((frame - start) / 1000)) $kb"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

"$quillon" "$work" --first-frame >/dev/null 2>&1 || true  # warm the disk cache
"$bare" --first-frame >/dev/null 2>&1 || true
: >"$work/app.txt"
: >"$work/bare.txt"
for ((i = 0; i < runs; i++)); do
    measure "$quillon" "$work" >>"$work/app.txt"
    measure "$bare" >>"$work/bare.txt"
done

app_us=$(awk '{print $1}' "$work/app.txt" | median)
app_kb=$(awk '{print $2}' "$work/app.txt" | median)
bare_us=$(awk '{print $1}' "$work/bare.txt" | median)
bare_kb=$(awk '{print $2}' "$work/bare.txt" | median)
echo "platform: $platform; median of $runs runs each"
awk -v au="$app_us" -v ak="$app_kb" -v bu="$bare_us" -v bk="$bare_kb" 'BEGIN {
    printf "quillon:         %7.1f ms to the first frame, peak memory %7d KB\n", au / 1000, ak
    printf "bare Qt window:  %7.1f ms to the first frame, peak memory %7d KB\n", bu / 1000, bk
    printf "ratios:          time %.2fx, memory %.2fx (goal: at most 1.50x each)\n", au / bu, ak / bk
}'
