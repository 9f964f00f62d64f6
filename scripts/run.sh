#!/usr/bin/env bash
# Sets up a fresh machine, builds the programs, and starts the desktop program in the working
# folder sample/ (made from data/ the first time; your changes there are kept). Without a display
# it says so and calculates a week for the sample employee with the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target quillon quillon-cli

mkdir -p sample
for f in data/*; do
    [ -e "sample/$(basename "$f")" ] || cp "$f" sample/
done

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/release/app/quillon sample
fi

echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): showing the command-line calculation instead."
echo "== Sample, 40 hours and 2 hours at time and a half, week ending 12/30/2016"
build/release/cli/quillon-cli --dir sample calc Sample --hours1 40 --ot15 2 --week-ending 12/30/2016
