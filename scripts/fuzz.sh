#!/usr/bin/env bash
# Fuzzes the readers of outside data with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer: TARGET alone, or every target of tests/fuzz in turn, for SECONDS
# each (default 60). FUZZ_RUNS=N ends a target after N executions instead, whichever comes first.
#
# usage: fuzz.sh [TARGET|all] [SECONDS]
#        fuzz.sh --minimize [TARGET|all]   adds what the runs found that reaches new code to
#                                          tests/fuzz/corpus/TARGET
#
# Runs at the lowest priority, one fuzzer process at a time. Inputs that crash land in
# build/fuzz/artifacts/TARGET; keep each one, once fixed, in tests/fuzz/regressions/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/fuzz

minimize=0
if [[ ${1:-} == --minimize ]]; then
  minimize=1
  shift
fi
which=${1:-all}
seconds=${2:-60}
runs=${FUZZ_RUNS:--1}
# Longer inputs find little more in these line formats and slow every execution; seeds past it
# are cut while fuzzing (the replay in CTest reads them whole).
max_len=${FUZZ_MAX_LEN:-1024}

scripts/deps.sh
# Only this script needs clang and its fuzzer runtime.
fuzz_packages=(clang libclang-rt-14-dev)
missing=()
for p in "${fuzz_packages[@]}"; do
  [[ $(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true) == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

targets=()
failed=()
for source in tests/fuzz/*.cpp; do
  name=$(basename "$source" .cpp)
  [[ $name == ReplayMain ]] || targets+=("$name")
done
if [[ $which != all ]]; then
  [[ " ${targets[*]} " == *" $which "* ]] || { echo "no fuzz target '$which'; there are: ${targets[*]}" >&2; exit 2; }
  targets=("$which")
fi

# -O1 keeps the sanitizers' reports readable and the fuzzer fast; assertions stay on.
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DNUMORA_FUZZ=ON -DNUMORA_BUILD_BENCH=OFF >/dev/null
nice -n 19 cmake --build "$build" --target "${targets[@]/#/fuzz_}"

for target in "${targets[@]}"; do
  program=$build/fuzz/fuzz_$target
  corpus=$build/corpus/$target
  artifacts=$build/artifacts/$target
  log=$build/logs/$target.log
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  seeds=("tests/fuzz/corpus/$target")
  [[ -d tests/fuzz/regressions/$target ]] && seeds+=("tests/fuzz/regressions/$target")

  if ((minimize)); then
    # Adds to the committed seeds only what the runs found that reaches new code; the seeds
    # themselves (real files and hand-made edge cases) stay as they are.
    nice -n 19 "$program" -merge=1 "tests/fuzz/corpus/$target" "$corpus" >"$build/logs/$target.merge.log" 2>&1
    echo "$target: $(find "tests/fuzz/corpus/$target" -type f | wc -l) inputs," \
      "$(du -sk "tests/fuzz/corpus/$target" | cut -f1) KB in tests/fuzz/corpus/$target"
    continue
  fi

  echo "fuzzing $target for ${seconds}s (log: $log)"
  echo "=== $(date -u '+%F %T') ${seconds}s, runs $runs, max_len $max_len" >>"$log"
  # The log keeps earlier runs; what this run wrote starts after this line.
  run_start=$(($(wc -l <"$log") + 1))
  status=0
  # A hang past 10 s or 2 GB of memory counts as a crash as well.
  nice -n 19 "$program" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -runs="$runs" -max_len="$max_len" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1 >>"$log" 2>&1 || status=$?

  this_run=$(tail -n +"$run_start" "$log")
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' <<<"$this_run" | tail -n1)
  coverage=$(grep -o 'cov: [0-9]*' <<<"$this_run" | tail -n1 | cut -d' ' -f2 || true)
  crashes=$(find "$artifacts" -type f | wc -l)
  # The slowest input of the corpus the run left, each timed alone; each batch runs its first
  # input twice and drops that first time, which pays for the program's start.
  slowest=$(find "$corpus" -type f -print0 |
            xargs -0 -r -n 500 sh -c 'nice -n 19 "$0" -runs=1 "$1" "$@" 2>&1 |
              sed -n "s/^Executed .* in \([0-9]*\) ms$/\1/p" | tail -n +2' "$program" |
            sort -n | tail -n1)
  echo "$target: ${executions:-0} executions, cov ${coverage:-?}, ${crashes} crash files in $artifacts," \
    "slowest input ${slowest:-?} ms, exit $status"
  if ((status != 0)); then
    failed+=("$target")
    grep -m1 -A12 'ERROR\|check failed\|deadly signal\|timeout' <<<"$this_run" || tail -n 20 <<<"$this_run"
  fi
done

if ((${#failed[@]})); then
  echo "failed: ${failed[*]}" >&2
  exit 1
fi
