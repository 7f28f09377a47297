#!/usr/bin/env bash
# The headless client on a lab's PostgreSQL store: it records there, keeps what the server does not
# take in the outbox while the server is down, sends it first when the server is back, and the
# trail verifies until a superuser rewrites a row behind the program's back.
# usage: lab_store.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
chmod 711 "$work" # the server, as its own user, reaches its folder inside
pgbin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
as_postgres=()
[[ $(id -u) -eq 0 ]] && as_postgres=(runuser -u postgres --)
server() { "${as_postgres[@]}" "$pgbin/pg_ctl" -D "$work/pg/data" -l "$work/pg/server.log" -w "$@" >/dev/null; }
stop_server() { server -m immediate stop 2>/dev/null || true; }
trap 'stop_server; rm -rf "$work"' EXIT
mkdir -p "$work/pg" "$work/bin" "$work/config"
[[ $(id -u) -eq 0 ]] && chown postgres "$work/pg"
"${as_postgres[@]}" "$pgbin/initdb" -D "$work/pg/data" -A trust -U postgres --no-sync >/dev/null
start_server() { server -o "-k $work/pg -c listen_addresses= -c fsync=off" start; }
start_server
psql() { command psql -X -q -h "$work/pg" -U postgres "$@"; }
psql -d postgres -c "CREATE DATABASE lab"

cp "$build"/config/*.ini "$work/config/"
cp "$build"/bin/tarvesta.zav.comm.*.so "$work/bin/"
printf '[Store]\nEngine=postgresql\nConnection=host=%s dbname=lab user=postgres\nWorkstation=bench-7\n' \
    "$work/pg" >"$work/config/tarvesta.zav.store.ini"
cli() { SPECTAVO_PROGRAM_DIR="$work/bin" "$build/bin/spectavo-cli" "$@"; }

check() { # TEXT STATUS COMMAND...
    local text=$1 status=$2 output actual
    shift 2
    output=$("$@" 2>&1) && actual=0 || actual=$?
    if [[ $actual -ne $status || $output != *"$text"* ]]; then
        printf 'expected exit %d with "%s", got exit %d:\n%s\n' "$status" "$text" "$actual" "$output"
        exit 1
    fi
}

check "absorbance: [" 0 cli measure --wl 546 --cell 2
check "events: 1" 0 cli audit verify

# The server goes down: the reading is still taken, and waits on this workstation.
stop_server
check "wait in $work/config/waiting-for-store.sqlite" 0 cli read --wl 500
[[ $(sqlite3 "$work/config/waiting-for-store.sqlite" "SELECT COUNT(*) FROM waiting") -eq 1 ]]

# Back: the next measurement sends what waited first, once.
start_server
check "absorbance: " 0 cli read --wl 600
[[ $(sqlite3 "$work/config/waiting-for-store.sqlite" "SELECT COUNT(*) FROM waiting") -eq 0 ]]
check "events: 3" 0 cli audit verify
methods=$(psql -d lab -At -c "SELECT method FROM results ORDER BY id")
[[ $methods == $'measure --cell 2 --wl 546\nread --wl 500\nread --wl 600' ]] || {
    printf 'the results are not each there once, in order:\n%s\n' "$methods"
    exit 1
}
# (A server that crashed may skip row numbers; the trail's sequence never does.)
forwarded=$(psql -d lab -At -c "SELECT id FROM results WHERE method = 'read --wl 500'")
check "method=read --wl 500 instrument=UV-1900 PS19-000042 workstation=bench-7" 0 cli results show "$forwarded"

# A superuser switches the guard off and rewrites a row: the chain names it.
check "the audit trail is append-only" 1 psql -d lab -v ON_ERROR_STOP=1 -c "DELETE FROM audit_events"
psql -d lab -c "ALTER TABLE audit_events DISABLE TRIGGER audit_events_append_only;
    UPDATE audit_events SET user_name = 'mallory' WHERE sequence = 2"
check "event 2: its contents do not match its hash" 1 cli audit verify
echo "ok: the lab store records, forwards once and finds a change"
