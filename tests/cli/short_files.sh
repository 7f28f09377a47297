#!/usr/bin/env bash
# A file that holds fewer points than its header says is not converted or exported into zeros that
# look like data: the client refuses and writes nothing, unless --accept-missing is given.
# usage: short_files.sh CLIENT SPECTRUM
set -u
client=$1 spectrum=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
head -c 200 "$spectrum" >"$dir/cut.sca"
{ cat "$spectrum"; head -c 2000000 /dev/zero | tr '\0' '\n'; } >"$dir/padded.sca"
# The padded file holds every point: blank lines behind the data change nothing.
"$client" convert "$dir/padded.sca" "$dir/padded.csv" || { echo "a whole file followed by blank lines was refused"; exit 1; }
for command in convert export; do
    if "$client" "$command" "$dir/cut.sca" "$dir/cut.$command.csv" 2>"$dir/err"; then
        echo "$command of a cut file ended with exit 0"; exit 1
    fi
    grep -q "The file holds 5 of its 601 points" "$dir/err" || { cat "$dir/err"; exit 1; }
    [[ ! -e $dir/cut.$command.csv ]] || { echo "$command wrote a file"; exit 1; }
done
"$client" convert "$dir/cut.sca" "$dir/cut.csv" --accept-missing 2>"$dir/err" || { cat "$dir/err"; exit 1; }
grep -q "The file holds" "$dir/err" || { echo "the notice is missing"; exit 1; }
[[ -s $dir/cut.csv ]] || { echo "nothing written although accepted"; exit 1; }
echo "refused, accepted"
