#!/usr/bin/env bash
# Makes the pictures of the windows in docs/pictures/ (the README shows main-window.png,
# register-window.png and state-tax.png): the main window after a calculation of the sample
# employee, at 1280x800 and at its own size, User Info, the save-user dialog, the help window, the
# Year To Date window with twelve weeks posted (weekly) and six periods (bi-weekly), the check
# screen, the "Printer Offset" dialog and its print preview, the company heading dialog, the state
# tax dialog in its standard layout and with the Louisiana and Kentucky presets, the city and the
# non-city dialog. Drawn on an Xvfb screen of 1280x800 at the default font size (Xvfb is installed
# when missing and the script runs as root), else on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j 2 --target quillon-screenshots

xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if ! command -v Xvfb >/dev/null && [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb \
        >/dev/null 2>&1 || true
fi
if command -v Xvfb >/dev/null; then
    for n in $(seq 90 120); do
        { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
        Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        echo "drawing on Xvfb :$n, 1280x800"
        DISPLAY=":$n" QT_QPA_PLATFORM=xcb build/dev/ui/quillon-screenshots docs/pictures
        exit 0
    done
fi
echo "drawing on Qt's offscreen platform (no Xvfb)"
QT_QPA_PLATFORM=offscreen build/dev/ui/quillon-screenshots docs/pictures
