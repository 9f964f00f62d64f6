#!/usr/bin/env bash
# Timing harness: `quillon-cli print statement` and `print check` on one employee, end to end
# (quillon-cli hands over to quillon-print, which opens the employee, calculates, writes every
# file, lays the page out, starts Qt offscreen and writes the PDF), wall time per run averaged
# over many runs, and the peak memory of one run.
#   usage: bench/cli_print.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-50}
cli=$build/cli/quillon-cli
if [ ! -x "$cli" ] || [ ! -x "$build/cli/quillon-print" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j2 --target quillon-cli quillon-print >/dev/null
    build=build/release
    cli=$build/cli/quillon-cli
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/* "$work/"
export QT_QPA_PLATFORM=offscreen
"$cli" --dir "$work" heading --company "Harbor Street Hardware" --address "1200 Harbor Street" \
    --zip "Portland, ME 04101" --id "01-2345678" >/dev/null
week=(--hours1 40 --ot15 2)

time_runs() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do
        "$@" >/dev/null 2>&1
    done
    end=$(date +%s%N)
    echo $(((end - start) / runs / 1000))
}
for kind in statement check; do
    pdf="$work/$kind.pdf"
    "$cli" --dir "$work" print "$kind" Sample --pdf "$pdf" "${week[@]}"  # files as it leaves them
    per_run_us=$(time_runs "$cli" --dir "$work" print "$kind" Sample --pdf "$pdf" "${week[@]}")
    peak_kb=$(/usr/bin/time -f %M "$cli" --dir "$work" print "$kind" Sample --pdf "$pdf" \
        "${week[@]}" 2>&1 >/dev/null | tail -1)
    echo "quillon-cli print $kind: ${per_run_us} us per run to PDF (wall, ${runs} runs), peak memory ${peak_kb} KB"
done
