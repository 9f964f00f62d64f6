#!/usr/bin/env bash
# Timing harness: `quillon-cli vacation` and `overtime` (each setting and saving its tracker)
# against `calc` on the same employee, wall time per run averaged over many runs.
#   usage: bench/cli_trackers.sh [path/to/quillon-cli] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/cli/quillon-cli}
runs=${2:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/Federal16.dtt "$work/"
"$cli" --dir "$work" new Bench >/dev/null
time_runs() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do
        "$@" >/dev/null 2>&1 || true
    done
    end=$(date +%s%N)
    echo $(((end - start) / runs / 1000))
}
calc_us=$(time_runs "$cli" --dir "$work" calc Bench --hours1 40 --ot15 3)
vacation_us=$(time_runs "$cli" --dir "$work" vacation Bench --start vacation 10 --clear)
overtime_us=$(time_runs "$cli" --dir "$work" overtime Bench --salary 50000 --percent 10 \
    --amount 1 100)
echo "calc     ${calc_us} us/run"
echo "vacation ${vacation_us} us/run ($(awk "BEGIN{printf \"%.2f\", $vacation_us/$calc_us}") x calc)"
echo "overtime ${overtime_us} us/run ($(awk "BEGIN{printf \"%.2f\", $overtime_us/$calc_us}") x calc)"
