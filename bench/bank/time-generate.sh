#!/bin/sh
# Regenerates the bank from its recorded seed, reports the wall time and
# checks that the result is the committed file byte for byte.
# Usage: bench/bank/time-generate.sh BUILD_DIR [THREADS]
set -eu
build=${1:?usage: $0 BUILD_DIR [THREADS]}
threads=${2:-2}
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp)
trap 'rm -f "$out"' EXIT
start=$(date +%s)
"$build/tools/bankgen/bankgen" generate --seed "$(cat "$root/bank/data/SEED")" \
    --threads "$threads" -o "$out" 2>/dev/null
end=$(date +%s)
echo "generate with $threads threads: $((end - start)) s wall"
cmp "$out" "$root/bank/data/bank.txt" && echo "identical to bank/data/bank.txt"
