#!/usr/bin/env bash
# The Debian package of the build: it holds the programs, the drivers, the settings, help pages,
# icons and man pages, its version is the project's and its dependencies come from the binaries.
set -euo pipefail
build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/spectavo_*.deb)
listing=$(dpkg-deb -c "$deb")
for packaged in ./usr/bin/spectavo ./usr/bin/spectavo-cli ./usr/bin/photrak-sim \
    ./usr/lib/spectavo/drivers/tarvesta.zav.comm.sim.so ./usr/lib/spectavo/drivers/tarvesta.zav.comm.rs232.so \
    ./usr/share/spectavo/config/tarvesta.zav.comm.ini ./usr/share/spectavo/help/ \
    ./usr/share/spectavo/translations/ZAV_Resource.deu.qm ./usr/share/doc/spectavo/copyright \
    ./usr/share/applications/spectavo.desktop ./usr/share/metainfo/spectavo.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/spectavo.svg ./usr/share/icons/hicolor/256x256/apps/spectavo.png \
    ./usr/share/man/man1/spectavo.1.gz ./usr/share/man/man1/spectavo-cli.1.gz ./usr/share/man/man1/photrak-sim.1.gz; do
    grep -qF " $packaged" <<<"$listing" || { echo "not in the package: $packaged"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Version)" == "$version" ] || { echo "version $(dpkg-deb -f "$deb" Version)"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no Qt dependency found"; exit 1; }
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb"
fi
echo "packaged: $(basename "$deb")"
