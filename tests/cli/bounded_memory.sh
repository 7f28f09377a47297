#!/usr/bin/env bash
# A document followed by 200 MB of blank lines is read within a 256 MB address space: the reader keeps
# the text once and the blank lines as one run, not as a line object each.
# usage: bounded_memory.sh CLIENT DOCUMENT LIMIT_KB (LIMIT_KB 0: no limit, for sanitizer builds)
set -u
client=$1 document=$2 limit=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
padded=$dir/$(basename "$document")
{ cat "$document"; head -c 200000000 /dev/zero | tr '\0' '\n'; } >"$padded"
expected=$("$client" info "$document") || { echo "the document itself is not readable"; exit 1; }
if [[ $limit -gt 0 ]]; then
    output=$(ulimit -v "$limit" && "$client" info "$padded" 2>&1)
else
    output=$("$client" info "$padded" 2>&1)
fi
status=$?
if [[ $status -ne 0 || $output != "$expected" ]]; then
    printf 'exit status %d; expected the same as the plain document:\n%s\n---\n%s\n' "$status" "$expected" "$output"
    exit 1
fi
echo "read within the limit"
