#!/usr/bin/env bash
# Runs every fuzz harness of a build folder for a fixed time on a corpus seeded from the
# examples and tests/fuzz/seeds. Usage: tests/fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="${2:-20}"

seed() { # seed NAME FILES...
    local dir="$build/fuzz-corpus/$1"
    shift
    mkdir -p "$dir"
    for f in "$@"; do
        [ -f "$f" ] && cp -f "$f" "$dir/"
    done
    return 0
}
seed case_file "$root"/examples/*.brv
seed measurement_file "$root"/examples/*.txt "$root"/tests/cli/golden/gross-druckwerte.txt
for name in pressure_line aus_txt batch_options; do
    seed "$name" "$here/seeds/$name"/*
done
# Every line of the measurement files is a pressure line, too.
n=0
for f in "$root"/examples/*.txt; do
    while IFS= read -r line; do
        n=$((n + 1))
        printf '\001%s' "$line" >"$build/fuzz-corpus/pressure_line/example-$n"
    done <"$f"
done

status=0
for name in case_file pressure_line measurement_file aus_txt batch_options; do
    echo "== fuzz_$name, ${seconds} s"
    if ! (cd "$build" && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "./tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=0 "fuzz-corpus/$name" 2>"fuzz-$name.log"); then
        tail -n 60 "$build/fuzz-$name.log"
        status=1
    else
        tail -n 1 "$build/fuzz-$name.log"
    fi
done
exit $status
