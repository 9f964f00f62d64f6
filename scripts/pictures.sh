#!/usr/bin/env bash
# Makes the pictures of the printouts under docs/pictures/: the pay statement and the paycheck
# printed end to end by quillon-cli for the sample employee (40 hours and 2 at time and a half,
# with twelve posted weeks in his register and the company heading set), the register printout
# from the test fixtures, each rendered from PDF to PNG (pdftoppm), and the exported register
# workbook rendered by LibreOffice, when it is installed, to PDF and PNG.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target print_samples quillon-cli quillon-print

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
folder="$work/sample"
mkdir "$folder"
cp data/* "$folder/"
build/dev/print/print_samples --weekly-register "$folder/Sample.yrw"
cli() { QT_QPA_PLATFORM=offscreen build/dev/cli/quillon-cli --dir "$folder" "$@"; }
cli heading --company "Harbor Street Hardware" --address "1200 Harbor Street" \
    --zip "Portland, ME 04101" --id "01-2345678" >/dev/null
week=(--hours1 40 --ot15 2 --week-ending 3/25/2016)
cli print statement Sample --pdf "$work/statement.pdf" "${week[@]}"
cli print check Sample --pdf "$work/check.pdf" "${week[@]}" --check-date 3/25/2016 \
    --memo "Week ending 3/25/2016"
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
