#!/usr/bin/env bash
# Timing harness: `quillon-cli calc` on one employee (open, calculate, write every file), wall time
# per run averaged over many runs, and the peak memory of one run.
#   usage: bench/cli_calc.sh [path/to/quillon-cli] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/cli/quillon-cli}
runs=${2:-200}
if [ ! -x "$cli" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target quillon-cli >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/Federal16.dtt "$work/"
"$cli" --dir "$work" new Bench >/dev/null
"$cli" --dir "$work" calc Bench --hours1 40 --ot15 3 >/dev/null  # files now as a calculation leaves them

# Starting a process at all costs something on every machine; the bare start (a usage error,
# which reads nothing) is timed the same way so the calculation's own share can be seen.
time_runs() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do
        "$@" >/dev/null 2>&1 || true
    done
    end=$(date +%s%N)
    echo $(((end - start) / runs / 1000))
}
bare_us=$(time_runs "$cli")
per_run_us=$(time_runs "$cli" --dir "$work" calc Bench --hours1 40 --ot15 3)

peak_kb=$(/usr/bin/time -f %M "$cli" --dir "$work" calc Bench --hours1 40 --ot15 3 2>&1 >/dev/null | tail -1)
echo "quillon-cli calc: ${per_run_us} us per run (wall, ${runs} runs; a bare start of the program: ${bare_us} us), peak memory ${peak_kb} KB"
if ldd "$cli" | grep -q libQt; then
    echo "quillon-cli links a GUI library"
    exit 1
fi
