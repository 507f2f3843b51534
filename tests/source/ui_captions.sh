#!/bin/sh
# The program takes every text it shows from the catalogue (src/messages): in the folders and files
# given, a literal holding a character beyond ASCII is a name (an objectName, a menu row's name, a
# typeface) or data (a character and its stand-in), never a caption or a message. Prints each other
# one and fails.
set -eu
out="${TMPDIR:-/tmp}/ui_captions.$$"
trap 'rm -f "$out"' EXIT
find "$@" -maxdepth 1 -type f \( -name '*.cpp' -o -name '*.h' \) | sort | perl -ne '
    chomp(my $file = $_);
    open(my $in, "<", $file) or die "$file: $!\n";
    while (<$in>) {
        s{(^|\s)//.*$}{};
        s{(?:setObjectName|action|button|font)\(QStringLiteral\("[^"]*"\)}{}g;
        s{(?:^\s*|\{|addMenu\(\s*)u"[^"]*",}{}g;
        # The typefaces the jacket and the desktop name, as the fonts call them.
        s{QStringLiteral\("ＭＳ (?:Ｐ)?(?:ゴシック|明朝)"\)}{}g;
        # A row of a character table: a character and the one that stands in for it.
        s{\{U\x27[^\x27]+\x27,\s*QStringLiteral\("[^"]*"\)\}}{}g;
        print "$file:$.: $_" if /"[^"]*[^\x00-\x7F][^"]*"/;
    }
    close $in;
' >"$out"
if [ -s "$out" ]; then
    echo "texts written in the code instead of the catalogue:"
    cat "$out"
    exit 1
fi
echo "no text outside the catalogue"
