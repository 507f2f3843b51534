#!/bin/sh
# The windows take every text they show from the catalogue (src/messages): in the folder given, a
# literal holding a character beyond ASCII is a name (an objectName, a menu row's name, a typeface),
# never a caption. Prints each other one and fails.
set -eu
folder=$1
perl -ne '
    s{(^|\s)//.*$}{};
    s{(?:setObjectName|action|button|font)\(QStringLiteral\("[^"]*"\)}{}g;
    s{(?:^\s*|\{|addMenu\(\s*)u"[^"]*",}{}g;
    print "$ARGV:$.: $_" if /"[^"]*[^\x00-\x7F][^"]*"/;
    close ARGV if eof;
' "$folder"/*.cpp "$folder"/*.h >"${TMPDIR:-/tmp}/ui_captions.$$" || true
if [ -s "${TMPDIR:-/tmp}/ui_captions.$$" ]; then
    echo "captions written in the window's code instead of the catalogue:"
    cat "${TMPDIR:-/tmp}/ui_captions.$$"
    rm -f "${TMPDIR:-/tmp}/ui_captions.$$"
    exit 1
fi
rm -f "${TMPDIR:-/tmp}/ui_captions.$$"
echo "no caption outside the catalogue"
