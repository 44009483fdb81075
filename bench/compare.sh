#!/bin/sh
# Before and after in one run: the same benchmarks of two release builds, interleaved, with
# their CPU times side by side.
#   bench/compare.sh BEFORE_BUILD AFTER_BUILD [BENCHMARK_FILTER]
# e.g. bench/compare.sh /tmp/main/build/release build/release 'Backtest|Recurrence|Run/'
set -eu
[ $# -ge 2 ] || { echo "usage: $0 BEFORE_BUILD AFTER_BUILD [FILTER]" >&2; exit 2; }
before=$1 after=$2 filter=${3:-.}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for bench in analysis_bench stats_bench; do
    for side in before after; do
        eval dir=\$$side
        "$dir/bench/$bench" --benchmark_filter="$filter" --benchmark_format=csv 2>/dev/null \
            | grep '^"' | grep -v '^"name"' >>"$out/$side.csv" || true
    done
done
# name,iterations,real_time,cpu_time,time_unit,...
awk -F, '
    NR == FNR { cpu[$1] = $4; unit[$1] = $5; next }
    ($1 in cpu) {
        ratio = $4 > 0 ? cpu[$1] / $4 : 0
        printf "%-48s %12.3f %12.3f %-3s %7.1fx\n", $1, cpu[$1], $4, $5, ratio
    }
' "$out/before.csv" "$out/after.csv" | {
    printf "%-48s %12s %12s %-3s %8s\n" "benchmark (CPU time)" before after "" speed-up
    cat
}
