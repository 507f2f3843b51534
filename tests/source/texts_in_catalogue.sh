#!/bin/sh
# Every text the program shows, in every layer, comes from the catalogue: the check of the windows'
# code (ui_captions.sh) over each folder of the sources given but the catalogue's own, and the
# program's start. Also allowed beyond ASCII: comments, objectNames, typefaces, a character table's
# rows (the JIS X 0208 stand-ins; the CD_TEXT replacement characters are char literals), and the
# sample document, which is document data.
set -eu
src=$1
here=$(dirname "$0")
folders=
for folder in "$src"/*/; do
    case "$folder" in
    "$src"/messages/) ;;
    *) folders="$folders ${folder%/}" ;;
    esac
done
exempt="$src/document/SampleDocument.cpp"
files=$(find $folders "$src"/*.cpp -maxdepth 1 -type f \( -name '*.cpp' -o -name '*.h' \) | grep -vxF "$exempt")
# shellcheck disable=SC2086 # one word a file: the sources' names hold no blank
exec sh "$here/ui_captions.sh" $files
