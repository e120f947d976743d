#!/usr/bin/env bash
# Runs the settings fuzzer for about 45 s on a copy of the seed corpus; fails on any
# crash or broken invariant. Usage: tests/fuzz/run.sh BUILD_DIR
set -uo pipefail
build=${1:?usage: run.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
fuzzer="$build/tests/fuzz/settings_fuzz"
[ -x "$fuzzer" ] || { echo "no fuzzer at $fuzzer (build the fuzz preset)" >&2; exit 2; }

work="$build/fuzz-run"
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
cp "$here"/corpus/* "$work/corpus/"

log="$work/fuzz.log"
"$fuzzer" -max_total_time="${FUZZ_SECONDS:-45}" -print_final_stats=1 -timeout=10 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" >"$log" 2>&1
rc=$?

execs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
echo "settings fuzzer: ${execs:-0} executions, corpus $(ls "$work/corpus" | wc -l) files"
if [ $rc -ne 0 ] || ls "$work/artifacts"/* >/dev/null 2>&1; then
    grep -E 'broken invariant|ERROR|SUMMARY|runtime error' "$log" | head -20
    echo "settings fuzzer FAILED (exit $rc); inputs kept in $work/artifacts" >&2
    exit 1
fi
echo "settings fuzzer: no crash, no broken invariant"
