#!/usr/bin/env bash
# An installation into a staging folder with prefix /usr, made read-only, run on the virtual
# instrument by an operator whose home is empty: the settings appear in the operator's own folder,
# nothing in the installation changes, and a second run reads the operator's settings back.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/staging.sh" "$1"
for installed in bin/spectavo bin/spectavo-cli bin/photrak-sim lib/spectavo/drivers/tarvesta.zav.comm.sim.so \
    share/spectavo/config/tarvesta.zav.comm.ini share/spectavo/help share/applications/spectavo.desktop \
    share/metainfo/spectavo.metainfo.xml share/mime/packages/spectavo.xml \
    share/icons/hicolor/scalable/apps/spectavo.svg share/icons/hicolor/48x48/apps/spectavo.png \
    share/icons/hicolor/128x128/apps/spectavo.png share/icons/hicolor/256x256/apps/spectavo.png \
    share/man/man1/spectavo.1.gz share/man/man1/spectavo-cli.1.gz share/man/man1/photrak-sim.1.gz; do
    [ -e "$tree/$installed" ] || { echo "not installed: $installed"; exit 1; }
done
zgrep -q '^\.SH DESCRIPTION' "$tree/share/man/man1/spectavo-cli.1.gz" || { echo "the man page has no description"; exit 1; }
zgrep -q 'kinetics --wl WL' "$tree/share/man/man1/spectavo-cli.1.gz" || { echo "the man page is not the --help text"; exit 1; }
chmod -R a-w "$tree"
before=$(fingerprint)
home=$stage/home
mkdir -p "$home"
run() { env -u SPECTAVO_PROGRAM_DIR HOME="$home" XDG_CONFIG_HOME= "$tree/bin/spectavo-cli" "$@"; }

status=$(run --json status)
echo "$status" | grep -q '"linked": true' || { echo "the installed client did not link: $status"; exit 1; }
folder=$home/.config/spectavo
[ -f "$folder/tarvesta.zav.comm.ini" ] || { echo "no settings in $folder"; exit 1; }
[ -f "$folder/tarvesta.zav.sim.ini" ] || { echo "the shipped defaults were not copied to $folder"; exit 1; }
[ "$before" == "$(fingerprint)" ] || { echo "the installation was written to"; exit 1; }

# The operator's own value is the one read the next time.
printf '[Hub]\nDriver=tarvesta.zav.comm.none.dll\n' >"$folder/tarvesta.zav.comm.ini"
config=$(run config)
echo "$config" | grep -q "settings folder:   $folder" || { echo "config names another folder: $config"; exit 1; }
echo "$config" | grep -q "hub driver:        tarvesta.zav.comm.none.so" || { echo "not read back: $config"; exit 1; }
echo "installed, read-only, settings in $folder"
