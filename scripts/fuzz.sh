#!/usr/bin/env bash
# Runs every libFuzzer target of the asan build for a while, each on its corpus, and keeps what it
# learns: new inputs that reach new code go into the corpus, and an input that makes a target
# fail is copied into the target's corpus as a regression file (so the test command runs it from
# then on) and the script ends with status 1.
#   usage: scripts/fuzz.sh [seconds per target, default 120] [target name ...]
#   e.g.   scripts/fuzz.sh 600 sta_file folder
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-120}
shift || true

bash scripts/setup.sh
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$(nproc)"

# Target <name>_fuzz is built under build/asan/<folder>/ and its corpus is <folder>/fuzz/corpus/<name>.
mapfile -t binaries < <(find build/asan -maxdepth 2 -type f -name '*_fuzz' -perm -u+x | sort)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for binary in "${binaries[@]}"; do
    name=$(basename "$binary" _fuzz)
    folder=$(basename "$(dirname "$binary")")
    corpus="$folder/fuzz/corpus/$name"
    if [ $# -gt 0 ] && [[ ! " $* " =~ " $name " ]]; then
        continue
    fi
    found="$work/$name-found" artifacts="$work/$name-artifacts"
    mkdir -p "$corpus" "$found" "$artifacts"
    echo "== $name: $seconds s on $corpus"
    # New inputs are gathered apart and merged in, so the kept corpus stays small.
    if ! "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts/" -print_final_stats=1 \
        "$found" "$corpus" >"$work/$name.log" 2>&1; then
        failed=1
        tail -40 "$work/$name.log"
    else
        grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$work/$name.log" || true
    fi
    for artifact in "$artifacts"/*; do
        [ -e "$artifact" ] || continue
        kept="$corpus/regression-$(basename "$artifact")"
        cp "$artifact" "$kept"
        echo "kept $kept"
        failed=1
    done
    "$binary" -merge=1 "$corpus" "$found" >/dev/null 2>&1 || true
done
exit "$failed"
