#!/usr/bin/env bash
# The headless client records its measurements in the audit trail, and the trail proves itself:
# it verifies while untouched, names the changed event when a row is rewritten behind the program's
# back, and an anchor taken before tells even a whole rewritten chain apart.
# usage: audit_trail.sh SPECTAVO-CLI
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
store=(--store "$work/results.sqlite")

check() { # TEXT STATUS COMMAND...
    local text=$1 status=$2 output actual
    shift 2
    output=$("$@" 2>&1) && actual=0 || actual=$?
    if [[ $actual -ne $status || $output != *"$text"* ]]; then
        printf 'expected exit %d with "%s", got exit %d:\n%s\n' "$status" "$text" "$actual" "$output"
        exit 1
    fi
}

check "absorbance: [" 0 "$cli" "${store[@]}" measure --wl 546 --cell 2
check "absorbance: " 0 "$cli" "${store[@]}" read --wl 500
check "points: 5" 0 "$cli" "${store[@]}" kinetics --wl 340 --step 0.5 --total 2 --cell 7 -o "$work/curve.kin"
check "events: 3" 0 "$cli" "${store[@]}" audit verify
anchor=$("$cli" "${store[@]}" audit head | sed -E 's/^head: Audit trail: event ([0-9]+), ([0-9a-f]{16})$/\1:\2/')
[[ $anchor =~ ^3:[0-9a-f]{16}$ ]] || { echo "audit head printed no anchor: $anchor"; exit 1; }
check "events: 3" 0 "$cli" "${store[@]}" audit verify --anchor "$anchor"
check '"kind": "measurement", "object": "result 1", "details": "{\"result_id\": ' 0 \
    "$cli" "${store[@]}" --json audit list --kind measurement
check "file: $work/trail.csv" 0 "$cli" "${store[@]}" audit export "$work/trail.csv"
[[ $(wc -l <"$work/trail.csv") -eq 4 ]] || { echo "the export lacks events"; exit 1; }

# Each measurement is a result with its context; the time scan's kept bytes are its file's.
check "kind=timescan state=complete sample=cell 7" 0 "$cli" "${store[@]}" results list --kind timescan
check "data_format: kin" 0 "$cli" "${store[@]}" results show 3
check "file: $work/again.kin" 0 "$cli" "${store[@]}" results export 3 "$work/again.kin"
cmp "$work/curve.kin" "$work/again.kin"
check "file: $work/curve.csv" 0 "$cli" "${store[@]}" results export 3 "$work/curve.csv"
# An export never replaces the store it reads, nor anything that is not a file.
check "is the input" 1 "$cli" "${store[@]}" audit export "$work/results.sqlite"
check "is the input" 1 "$cli" "${store[@]}" results export 3 "$work/results.sqlite"
check "is not a regular file" 1 "$cli" "${store[@]}" results export 3 "$work"
check "no result 9 in the store" 1 "$cli" "${store[@]}" results show 9

# The engine refuses to change the trail; with the trigger dropped the change is found.
check "the audit trail is append-only" 19 sqlite3 "$work/results.sqlite" "UPDATE audit_events SET user_name = 'mallory'"
sqlite3 "$work/results.sqlite" "DROP TRIGGER audit_events_append_only_update;
    UPDATE audit_events SET details = '{}' WHERE sequence = 1"
check "the audit trail does not verify: event 1: its contents do not match its hash" 1 \
    "$cli" "${store[@]}" audit verify
check "--anchor takes SEQ:HASH" 1 "$cli" "${store[@]}" audit verify --anchor 2:abc
echo "ok: the audit trail records, verifies and finds a change"
