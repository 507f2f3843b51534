# Shared by ./run and ./test: install what is missing, then configure and build.
# Sourced, not run.

VELNORA_PACKAGES=(cmake g++ qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic fonts-ipafont-mincho
                  xvfb xauth poppler-utils libgl-dev)
# Only for ./test --fuzz (libFuzzer comes with clang's runtime) and ./test --bench.
VELNORA_FUZZ_PACKAGES=(clang libclang-rt-dev)
VELNORA_BENCH_PACKAGES=(libbenchmark-dev python3)

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

# -DVELNORA_WERROR=ON when VELNORA_WERROR=1 is set, else OFF: always given, since the build folder's cache
# would otherwise keep the last run's choice.
velnora_werror() {
    if [ "${VELNORA_WERROR:-0}" = 1 ]; then echo -DVELNORA_WERROR=ON; else echo -DVELNORA_WERROR=OFF; fi
}

# velnora_build BUILD_DIR [extra cmake args...]
velnora_build() {
    local dir=$1
    shift
    cmake -S "$VELNORA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$(velnora_werror)" "$@" >/dev/null || return 1
    cmake --build "$dir" -j "$(nproc)" -- --no-print-directory
}
