#!/usr/bin/env bash
# Runs a command and checks its exit status and that its output holds a text.
# usage: expect_exit.sh STATUS TEXT COMMAND [ARGUMENTS...]
set -u
expected_status=$1 expected_text=$2
shift 2
output=$("$@" 2>&1)
status=$?
if [[ $status -ne $expected_status ]]; then
    printf 'exit status %d, expected %d\n%s\n' "$status" "$expected_status" "$output"
    exit 1
fi
if [[ $output != *"$expected_text"* ]]; then
    printf 'output lacks "%s":\n%s\n' "$expected_text" "$output"
    exit 1
fi
printf 'ok: %s\n' "$expected_text"
