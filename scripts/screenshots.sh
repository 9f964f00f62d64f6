#!/usr/bin/env bash
# Makes the pictures of the windows in docs/pictures/ (the README shows main-window.png and
# register-window.png): the main window after a calculation of the sample employee, at 1280x800
# and at its own size, User Info, the save-user dialog, the help window, the Year To Date window
# with twelve weeks posted (weekly) and six periods (bi-weekly), the check screen, the "Printer
# Offset" dialog and its print preview, and the company heading dialog, drawn offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j 2 --target quillon-screenshots
QT_QPA_PLATFORM=offscreen build/dev/ui/quillon-screenshots docs/pictures
