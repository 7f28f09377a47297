#!/usr/bin/env bash
# Runs the client against the virtual instrument with faults on its line, in a program folder of its
# own, and checks the exit status and that the output holds a text.
# usage: faulty_line.sh BUILD_DIR STATUS TEXT FAULTS CHECK -- CLIENT_ARGUMENTS...
# FAULTS: the [Faults] keys of the virtual instrument, as KEY=VALUE separated by commas.
# CHECK: a shell command run in the folder after the client, which must succeed ("true" for none);
# a file "run.csv" with "good" is there at the start, and output.txt holds what the client printed.
set -u
build=$1 expected_status=$2 expected_text=$3 faults=$4 check=$5
shift 6
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/bin" "$dir/config"
cp "$build"/config/*.ini "$dir/config/"
cp "$build"/bin/tarvesta.zav.comm.*.so "$dir/bin/"
ini="$dir/config/tarvesta.zav.sim.ini"
IFS=, read -ra settings <<<"$faults"
for setting in "${settings[@]}"; do
    sed -i "s/^${setting%%=*}=.*/${setting}/" "$ini"
done
cd "$dir"
echo good >run.csv
output=$(SPECTAVO_PROGRAM_DIR="$dir/bin" "$build/bin/spectavo-cli" "$@" 2>&1)
status=$?
printf '%s\n' "$output" >output.txt
if [[ $status -ne $expected_status ]]; then
    printf 'exit status %d, expected %d\n%s\n' "$status" "$expected_status" "$output"
    exit 1
fi
if [[ $output != *"$expected_text"* ]]; then
    printf 'output lacks "%s":\n%s\n' "$expected_text" "$output"
    exit 1
fi
if ! (eval "$check") >check.out 2>&1; then
    printf 'the check "%s" failed:\n%s\n%s\n' "$check" "$(cat check.out)" "$output"
    exit 1
fi
printf 'ok: %s\n' "$expected_text"
