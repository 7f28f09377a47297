#!/usr/bin/env bash
# Regulated mode from a fresh install through the client: the first lab manager, two accounts, a
# result signed Performed and Reviewed, the refusals of the role table and of a locked account, and
# a trail that verifies with every step in it. Passwords come from a file descriptor, as automation
# gives them; one given on the command line is refused.
# usage: accounts.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/config"
cp "$build"/config/*.ini "$work/config/"
cp "$build"/bin/tarvesta.zav.comm.*.so "$work/bin/"
cli() { SPECTAVO_PROGRAM_DIR="$work/bin" "$build/bin/spectavo-cli" --store "$work/results.sqlite" "$@"; }

check() { # TEXT STATUS INPUT COMMAND...: INPUT goes to the client on descriptor 3
    local text=$1 status=$2 input=$3 output actual
    shift 3
    output=$("$@" --password-fd 3 3<<<"$input" 2>&1) && actual=0 || actual=$?
    if [[ $actual -ne $status || $output != *"$text"* ]]; then
        printf 'expected exit %d with "%s", got exit %d:\n%s\n' "$status" "$text" "$actual" "$output"
        exit 1
    fi
}
manager=$'lm\nmanager-pass'

check "mode: regulated" 0 "manager-pass" cli users setup --user lm --name "Lena Meyer"
grep -q '^Mode=regulated' "$work/config/tarvesta.zav.store.ini"
check "Regulated mode is set up already" 1 "other-pass" cli users setup --user x --name X
check "role=Analyst" 0 "$manager"$'\nanalyst-pass' cli users add ana --name "Ana Vega" --role analyst
check "role=Reviewer" 0 "$manager"$'\nreviewer-pass' cli users add rui --name "Rui Reis" --role reviewer
check "The password must have at least 8 characters." 1 "$manager"$'\nshort' cli users add bo --name Bo
check "The user ID ana was used before" 1 "$manager"$'\nanother-pass' cli users add ana --name Ana

check "absorbance: " 0 "" cli read --wl 500
check "Electronically signed by Ana Vega (ana) on " 0 $'ana\nanalyst-pass' cli results sign 1 --meaning performed
check ": Reviewed" 0 $'rui\nreviewer-pass' cli results sign 1 --meaning reviewed --comment checked
check "Your role does not allow this." 1 $'ana\nanalyst-pass' cli results sign 1 --meaning approved
check "Your role does not allow this." 1 $'ana\nanalyst-pass' cli users list
check "a password is never given on the command line" 1 "" cli users list --password secret
output=$(cli results show 1 --password-fd 0 </dev/null)
[[ $output == *"UTC: Performed"*"UTC: Reviewed"* ]] || { printf 'the signatures are not shown:\n%s\n' "$output"; exit 1; }

# Five wrong passwords lock the account until the lab manager unlocks it.
for i in 1 2 3 4 5; do
    check "The user ID or password is not correct." 1 $'rui\nguess'"$i" cli results sign 1 --meaning reviewed
done
check "The account rui is locked" 1 $'rui\nreviewer-pass' cli results sign 1 --meaning reviewed
check "state=active" 0 "$manager" cli users unlock rui
check "user_id=rui name=Rui Reis role=Reviewer state=active" 0 "$manager" cli users list

check "events: 25" 0 "" cli audit verify
refused=$(cli audit list --kind refused | grep -c "kind=refused")
[[ $refused -eq 2 ]] || { echo "the trail lacks the refusals ($refused)"; exit 1; }
check "kind=account locked" 0 "" cli audit list --kind "account locked"
echo "ok: regulated mode set up, signed, refused, locked and unlocked, all in a trail that verifies"
