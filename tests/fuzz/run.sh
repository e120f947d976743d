#!/usr/bin/env bash
# Runs each fuzzer for a bounded time on a copy of its seed corpus; fails on any crash or
# broken invariant. Usage: tests/fuzz/run.sh BUILD_DIR
#   FUZZ_SECONDS: seconds per fuzzer (default 45)
set -uo pipefail
build=${1:?usage: run.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for name in settings events; do
    fuzzer="$build/tests/fuzz/${name}_fuzz" work="$build/fuzz-run/$name"
    [ -x "$fuzzer" ] || { echo "no fuzzer at $fuzzer (build the fuzz preset)" >&2; exit 2; }
    rm -rf "$work" && mkdir -p "$work/corpus" "$work/artifacts" && cp "$here/corpus/$name"/* "$work/corpus/"
    log="$work/fuzz.log"
    "$fuzzer" -max_total_time="${FUZZ_SECONDS:-45}" -print_final_stats=1 -timeout=10 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" >"$log" 2>&1
    rc=$?
    execs=$(awk '/^stat::number_of_executed_units/ {print $2}' "$log")
    edges=$(grep -oE 'cov: [0-9]+' "$log" | tail -n 1)
    echo "$name fuzzer: ${execs:-0} executions, ${edges:-cov: ?} edges, corpus $(ls "$work/corpus" | wc -l) files"
    if [ $rc -ne 0 ] || ls "$work/artifacts"/* >/dev/null 2>&1; then
        grep -E 'broken invariant|ERROR|SUMMARY|runtime error' "$log" | head -20
        echo "$name fuzzer FAILED (exit $rc); inputs kept in $work/artifacts" >&2
        status=1
    else
        echo "$name fuzzer: no crash, no broken invariant"
    fi
done
exit $status
