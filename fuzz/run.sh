#!/usr/bin/env bash
# Runs one fuzz target for a given number of seconds:  fuzz/run.sh TARGET SECONDS [FLAGS]
# (further libFuzzer flags, such as -max_len=8192, go after the time).
# TARGET is workspace_file, project_parser, conversion, settings_file or database_file. Builds
# the fuzz preset first.
# New inputs go to build/fuzz/corpus/TARGET (the committed seeds in fuzz/corpus are only
# read), findings to build/fuzz/findings/. Exits non-zero when the target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: fuzz/run.sh workspace_file|project_parser|conversion|settings_file|database_file SECONDS}
seconds=${2:?usage: fuzz/run.sh TARGET SECONDS}
[[ -d fuzz/corpus/$target ]] || { echo "no such target: $target" >&2; exit 2; }

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null
mkdir -p "build/fuzz/corpus/$target" build/fuzz/findings
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/cvi.dict -artifact_prefix="build/fuzz/findings/$target-" -print_final_stats=1 \
    "${@:3}" "build/fuzz/corpus/$target" "fuzz/corpus/$target"
