#!/usr/bin/env bash
# package-check.sh ROOT BUILD_DIR: builds velnora_VERSION_amd64.deb with cpack and checks it: lintian,
# the desktop entry, the metainfo, and the installed program run from the unpacked package.
set -euo pipefail
root=$1
dir=$2
source "$root/tools/setup.sh"
VELNORA_ROOT=$root
# Compiled from scratch: an object from a shared compiler cache once came built against another tree's
# headers, and a package must hold only this tree's code.
velnora_build "$dir" -DVELNORA_TESTS=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=
rm -f "$dir"/velnora_*.deb
(cd "$dir" && cpack -G DEB >cpack.log) || { cat "$dir/cpack.log" >&2; exit 1; }
deb=$(ls "$dir"/velnora_*_amd64.deb)
echo "== package: $(basename "$deb")"
dpkg-deb --field "$deb" Depends | sed 's/^/   Depends: /'

echo "== lintian"
# Errors fail the gate; warnings are listed.
lintian --fail-on error --tag-display-limit 0 "$deb" | sed 's/^/   /'

echo "== desktop-file-validate"
desktop-file-validate "$root/data/velnora.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$root/data/org.example.velnora.metainfo.xml" | sed 's/^/   /'

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
velnora=$scratch/root/usr/bin/velnora

echo "== velnora --version"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$velnora" --version)
expected="velnora $(dpkg-deb --field "$deb" Version)"
[ "$version" = "$expected" ] || { echo "said '$version', expected '$expected'" >&2; exit 1; }
echo "   $version"

echo "== velnora --convert"
# The converter's interface: velnora --convert IN -o OUT [--type en|ja|en+ja] [--album TEXT] [--artist TEXT].
# Checked once the program lists --convert in its --help.
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$velnora" --help 2>&1 | grep -q -- --convert; then
    printf '\xe6\x9c\x9d\xe3\x81\xae\xe6\xad\x8c\r\nRain\r\n' >"$scratch/titles.txt" # 朝の歌, Rain (UTF-8)
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$velnora" --convert "$scratch/titles.txt" \
        -o "$scratch/album.txt" --type ja --album "Album" --artist "Artist" >"$scratch/convert.out"
    # The layout as "保存" writes it: cp932, CR LF, the "ja" block in full-width characters.
    iconv -f CP932 -t UTF-8 "$scratch/album.txt" >"$scratch/album.utf8"
    printf 'ja\r\n0\t\xef\xbc\xa1\xef\xbd\x8c\xef\xbd\x82\xef\xbd\x95\xef\xbd\x8d\t\xef\xbc\xa1\xef\xbd\x92\xef\xbd\x94\xef\xbd\x89\xef\xbd\x93\xef\xbd\x94\r\n1\t\xe6\x9c\x9d\xe3\x81\xae\xe6\xad\x8c\r\n2\t\xef\xbc\xb2\xef\xbd\x81\xef\xbd\x89\xef\xbd\x8e\r\n' >"$scratch/expected.utf8"
    cmp "$scratch/album.utf8" "$scratch/expected.utf8" || {
        echo "the converter wrote:" >&2
        cat -A "$scratch/album.utf8" >&2
        exit 1
    }
    sed 's/^/   /' "$scratch/convert.out"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$velnora" --convert "$scratch/titles.txt" \
        -o "$scratch/album.cdt" --type ja --album "Album" --artist "Artist" >/dev/null
    [ -s "$scratch/album.cdt" ] || { echo "no album.cdt written" >&2; exit 1; }
    echo "   layout and album.cdt written"
else
    echo "   converter not built yet: velnora --help does not list --convert; skipped"
fi

echo "== the installed program under xvfb-run"
mkdir -m 700 "$scratch/runtime"
shown=$(cd "$scratch" && XDG_RUNTIME_DIR="$scratch/runtime" VELNORA_EXIT_AFTER_SHOW=1 \
    xvfb-run -a -s '-screen 0 1280x1024x24' "$velnora")
[ "$shown" = "window shown" ] || { echo "the window was not shown: $shown" >&2; exit 1; }
echo "   started, shown and ended"
echo "Package: $(basename "$deb") checked."
