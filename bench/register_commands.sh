#!/usr/bin/env bash
# Timing harness: the register commands of quillon-cli on a full weekly register (53 weeks
# posted), from the start of the process to its exit, averaged over many runs: `register`, and
# `export` and `print register`, which quillon-cli hands to quillon-print.
#   usage: bench/register_commands.sh [folder with quillon-cli and quillon-print] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/cli}
runs=${2:-50}
if [ ! -x "$bin/quillon-cli" ] || [ ! -x "$bin/quillon-print" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j2 --target quillon-cli quillon-print >/dev/null
fi
cli=$bin/quillon-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/Federal16.dtt "$work/"
"$cli" --dir "$work" new Bench >/dev/null
for week in $(seq 1 53); do
    "$cli" --dir "$work" calc Bench --hours1 $((36 + week % 5)) --week-ending "week $week" \
        --post "$week" >/dev/null
done

time_runs() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do
        "$@" >/dev/null 2>&1
    done
    end=$(date +%s%N)
    echo "$(((end - start) / runs / 1000))"
}
echo "quillon-cli register:       $(time_runs "$cli" --dir "$work" register Bench) us per run"
echo "quillon-cli export:         $(time_runs "$cli" --dir "$work" export Bench "$work/Bench.xlsx") us per run"
echo "quillon-cli print register: $(time_runs "$cli" --dir "$work" print register Bench --pdf "$work/Bench.pdf") us per run"
echo "(wall time, $runs runs each, QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen})"
