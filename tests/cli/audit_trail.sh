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
check "events: 2" 0 "$cli" "${store[@]}" audit verify
anchor=$("$cli" "${store[@]}" audit head | sed -E 's/^head: Audit trail: event ([0-9]+), ([0-9a-f]{16})$/\1:\2/')
[[ $anchor =~ ^2:[0-9a-f]{16}$ ]] || { echo "audit head printed no anchor: $anchor"; exit 1; }
check "events: 2" 0 "$cli" "${store[@]}" audit verify --anchor "$anchor"
check '"kind": "measurement", "object": "measure", "details": "{\"wavelength_nm\": [546.0]' 0 \
    "$cli" "${store[@]}" --json audit list --kind measurement
check "file: $work/trail.csv" 0 "$cli" "${store[@]}" audit export "$work/trail.csv"
[[ $(wc -l <"$work/trail.csv") -eq 3 ]] || { echo "the export lacks events"; exit 1; }

# The engine refuses to change the trail; with the trigger dropped the change is found.
check "the audit trail is append-only" 19 sqlite3 "$work/results.sqlite" "UPDATE audit_events SET user_name = 'mallory'"
sqlite3 "$work/results.sqlite" "DROP TRIGGER audit_events_append_only_update;
    UPDATE audit_events SET details = '{}' WHERE sequence = 1"
check "the audit trail does not verify: event 1: its contents do not match its hash" 1 \
    "$cli" "${store[@]}" audit verify
check "--anchor takes SEQ:HASH" 1 "$cli" "${store[@]}" audit verify --anchor 2:abc
echo "ok: the audit trail records, verifies and finds a change"
