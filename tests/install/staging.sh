# Sourced by the installation tests: installs the build into a fresh staging folder with prefix /usr
# ($stage, the tree in $tree), removed again when the test ends, and offers a fingerprint of the tree
# to prove that running the programs wrote nothing into it.
stage=$(mktemp -d)
trap 'chmod -R u+w "$stage"; rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$1" --prefix /usr >/dev/null
tree=$stage/usr

fingerprint() { (cd "$tree" && find . -type f -exec sha256sum {} + | sort; find . | sort); }
