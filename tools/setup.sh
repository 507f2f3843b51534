# Shared by ./run and ./test: install what is missing, then configure and build.
# Sourced, not run.

# libcdio-dev and cdrskin: independent CD-TEXT readers the tests decode the export with (never linked to the program).
# The disc: FFmpeg's libraries decode the audio, TagLib reads the tags, libcue the cue sheets. For the tests:
# flac, sox, lame, opus-tools and ffmpeg make their audio, id3v2, python3-mutagen and vorbis-tools tag it,
# and libcdio-utils (cd-info) reads the CD images back. The burner writes the disc through libburn.
VELNORA_PACKAGES=(cmake g++ qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic fonts-ipafont-mincho
                  xvfb xauth poppler-utils libgl-dev locales libc-l10n libcdio-dev cdrskin pkgconf librsvg2-bin
                  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libtag1-dev libcue-dev
                  flac sox lame opus-tools ffmpeg libcdio-utils id3v2 python3-mutagen vorbis-tools
                  libburn-dev)
# Only for ./test --fuzz (libFuzzer comes with clang's runtime) and ./test --bench.
VELNORA_FUZZ_PACKAGES=(clang libclang-rt-dev libcdio-dev)
VELNORA_BENCH_PACKAGES=(libbenchmark-dev python3)
# Only for ./test --package: cpack's DEB generator (dpkg-shlibdeps, file) and the package's checkers.
VELNORA_PACKAGE_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)

velnora_install() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The tests run in ja_JP.UTF-8 and expect the system's own Japanese messages (libc-l10n).
velnora_japanese_locale() {
    # grep reads the whole list: with -q it could end the pipe early and pipefail would see that.
    locale -a 2>/dev/null | grep -ix 'ja_JP.utf8' >/dev/null && return 0
    echo "Generating the locale ja_JP.UTF-8"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    # localedef -c ends with status 1 on mere warnings; what counts is that the locale is there.
    "${sudo[@]}" localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8 ||
        locale -a 2>/dev/null | grep -ix 'ja_JP.utf8' >/dev/null
}

# velnora_build BUILD_DIR [extra cmake args...] [--target TARGET]...
# Every --target given is built; without one, everything (the program, the tests, the manual).
velnora_build() {
    local dir=$1
    shift
    local args=() target=()
    while [ $# -gt 0 ]; do
        if [ "$1" = --target ]; then
            target+=(--target "$2")
            shift 2
        else
            args+=("$1")
            shift
        fi
    done
    # VELNORA_WERROR=ON in the environment (as .ci/run sets it) makes every warning an error.
    cmake -S "$VELNORA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "-DVELNORA_WERROR=${VELNORA_WERROR:-OFF}" \
        "${args[@]}" >/dev/null || return 1
    cmake --build "$dir" -j "$(nproc)" "${target[@]}" -- --no-print-directory
}
