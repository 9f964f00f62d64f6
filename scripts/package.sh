#!/usr/bin/env bash
# Builds the Debian package of Quillon 2016: the release build, installed by CPack into
# build/release/quillon_VERSION_amd64.deb (the programs, the data folder, the menu entry, the
# icon, the AppStream metadata and the manual pages; its dependencies are the Qt 6 runtime,
# libxlsxwriter and fonts-liberation). Prints the package's path on its last line.
#   install it with:  sudo apt install ./build/release/quillon_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
rm -f build/release/quillon_*.deb
(cd build/release && cpack -G DEB >/dev/null)
ls "$PWD"/build/release/quillon_*.deb
