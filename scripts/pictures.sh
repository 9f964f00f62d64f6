#!/usr/bin/env bash
# Makes the pictures under docs/pictures/ from the test fixtures: the printouts rendered to PDF
# and then to PNG (pdftoppm), and the exported register workbook rendered by LibreOffice, when it
# is installed, to PDF and PNG.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target print_samples

out=docs/pictures
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

echo "== printouts"
QT_QPA_PLATFORM=offscreen build/dev/print/print_samples "$work" >/dev/null
for name in register statement check; do
    pdftoppm -png -r 110 -singlefile "$work/$name.pdf" "$out/$name"
    echo "$out/$name.png"
done

echo "== exported register workbook"
office=$(command -v soffice || command -v libreoffice || true)
if [ -z "$office" ]; then
    echo "LibreOffice is not installed: no picture of the workbook (docs/pictures/register-sheet.png kept as it was)."
else
    "$office" --headless -env:UserInstallation="file://$work/profile" \
        --convert-to pdf --outdir "$work" "$work/Baker YTD.xlsx" >/dev/null 2>&1
    pdftoppm -png -r 110 -singlefile "$work/Baker YTD.pdf" "$out/register-sheet"
    echo "$out/register-sheet.png"
fi
