#!/usr/bin/env bash
# The installed workstation on a desktop (Xvfb and openbox): installed read-only with prefix /usr, started
# by an operator whose settings folder holds only a faster virtual instrument, it shows its window,
# links, and at exit writes its settings and the instrument's state into that folder, and nothing
# into the installation. Run through tests/app/run_under_wm.sh.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/staging.sh" "$1"
chmod -R a-w "$tree"
before=$(fingerprint)
home=$stage/home
folder=$home/.config/spectavo
mkdir -p "$folder"
# The operator's own instrument settings: the shipped ones with a quicker boot.
sed 's/^Speed=.*/Speed=20/' "$tree/share/spectavo/config/tarvesta.zav.sim.ini" >"$folder/tarvesta.zav.sim.ini"

# A runtime folder of its own: a workstation running elsewhere on this machine is never met.
runtime=$stage/runtime
mkdir -m 700 -p "$runtime"
env -u SPECTAVO_PROGRAM_DIR -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME= XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 \
    "$tree/bin/spectavo" >"$stage/out.txt" 2>&1 &
program=$!
# The main window itself ("Spectavo", or "Spectavo - [document]"): not the login dialog that comes and
# goes before it ("Spectavo Login"), nor a message box captioned "Spectavo" (small; on a slow machine,
# as under the sanitizers, one may show first).
main_window() {
    local candidate height
    for candidate in $(xdotool search --onlyvisible --name '^Spectavo( - .*)?$' 2>/dev/null); do
        height=$(xwininfo -id "$candidate" 2>/dev/null | sed -n 's/.*Height: *//p')
        if [[ -n $height ]] && ((height > 400)); then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}
window=
for _ in $(seq 1 120); do
    window=$(main_window) && break
    sleep 0.5
done
[[ -n $window ]] || { echo "no main window appeared"; cat "$stage/out.txt"; kill $program; exit 1; }
# The shipped FixedSize=1 gives the window the screen's working area with its frame: its lowest line
# (the status bar) is on the screen.
sleep 1
top=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
height=$(xwininfo -id "$window" | sed -n 's/.*Height: *//p')
screen_height=$(xdotool getdisplaygeometry | awk '{ print $2 }')
((top + height <= screen_height)) ||
    { echo "the window reaches below the screen: y $top + height $height > $screen_height"; kill $program; exit 1; }
# A second start with the same settings on the same display brings this one forward and says so.
second=$(env -u SPECTAVO_PROGRAM_DIR -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME= XDG_RUNTIME_DIR="$runtime" \
    LANG=C.UTF-8 timeout 30 "$tree/bin/spectavo" 2>&1) || { echo "the second start failed: $second"; kill $program; exit 1; }
[[ $second == *"already running"* ]] || { echo "the second start did not say so: $second"; kill $program; exit 1; }
kill -0 $program || { echo "the first workstation ended"; exit 1; }
# The link comes up by itself; the state pane cannot be read from outside, so give the handshake time
# and judge by what the program writes at exit.
sleep 8
xdotool windowactivate --sync "$window" key --clearmodifiers ctrl+q
for _ in $(seq 1 60); do
    kill -0 $program 2>/dev/null || break
    sleep 0.5
done
if kill -0 $program 2>/dev/null; then
    echo "the program did not end on Ctrl+Q"
    kill $program
    exit 1
fi
wait $program || { echo "the program ended with status $?"; cat "$stage/out.txt"; exit 1; }

[ -f "$folder/tarvesta.zav.analyst.ini" ] || { echo "no analyst settings in $folder"; ls "$folder"; exit 1; }
grep -q '^PeakHeight=' "$folder/tarvesta.zav.analyst.ini" || { echo "the settings were not written at exit"; exit 1; }
[ -f "$folder/tarvesta.zav.station.ini" ] || { echo "no station state in $folder"; ls "$folder"; exit 1; }
wavelength=$(sed -n 's/^WL_Current=//p' "$folder/tarvesta.zav.station.ini")
awk -v wl="$wavelength" 'BEGIN { exit !(wl + 0 > 0) }' ||
    { echo "the instrument's wavelength never arrived (WL_Current=$wavelength): it did not link"; exit 1; }
[ "$before" == "$(fingerprint)" ] || { echo "the installation was written to"; exit 1; }
echo "installed workstation linked at ${wavelength} nm, settings in $folder"
