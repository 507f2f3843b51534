#!/bin/sh
# run_fresh_clone.sh SOURCE SCRATCH: ./run in a fresh clone of SOURCE's last commit installs what is
# missing, builds the program from nothing and starts it. Under Xvfb with VELNORA_EXIT_AFTER_SHOW=1 it
# must end with status 0 after its line saying the window system exposed the window. Status 77
# (skipped) when SOURCE is not a git checkout.
src=$1
scratch=$2
if ! git -C "$src" rev-parse --verify -q HEAD >/dev/null 2>&1; then
    echo "skipped: $src is not a git checkout, so there is nothing to clone"
    exit 77
fi
rm -rf "$scratch" && mkdir -p "$scratch" && mkdir -m 700 "$scratch/runtime" || exit 1
git clone -q "$src" "$scratch/clone" &&
    git -C "$scratch/clone" checkout -q --detach "$(git -C "$src" rev-parse HEAD)" || exit 1
# The compiler cache only saves time on a shared machine; what is built is the same.
if command -v ccache >/dev/null 2>&1; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$scratch/clone"
fi
# The real X platform, as a user's desktop gives it, not the tests' offscreen one.
(cd "$scratch/clone" && env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$scratch/runtime" \
    VELNORA_EXIT_AFTER_SHOW=1 xvfb-run -a -s '-screen 0 1280x1024x24' ./run) >"$scratch/run.log" 2>&1
status=$?
if [ "$status" -ne 0 ] || ! grep -qx 'window shown' "$scratch/run.log"; then
    tail -n 30 "$scratch/run.log"
    echo "./run ended with status $status; expected 0 and the line \"window shown\""
    exit 1
fi
[ -x "$scratch/clone/build/velnora" ] || { echo "no build/velnora in the clone"; exit 1; }
echo "ok: ./run built the program in a fresh clone and its window was shown"
