#!/usr/bin/env bash
# Runs a test program as a native Wayland client: starts weston with its
# headless back end on a private runtime folder, points Qt's Wayland platform
# plugin at it, runs the program and stops weston. Where weston or the plugin
# is missing, or weston does not come up, it says so and exits 77 (skipped).
# The compositor's output can be taken with weston-screenshooter.
set -uo pipefail
program=$1
shift

skip() { echo "SKIP: $*"; exit 77; }
command -v weston >/dev/null || skip "weston is not installed (scripts/setup-deps installs it)"
command -v inotifywait >/dev/null || skip "inotifywait is not installed (scripts/setup-deps installs inotify-tools)"
plugin=$(find /usr/lib -path '*qt5/plugins/platforms/libqwayland-generic.so' -print -quit 2>/dev/null)
[ -n "$plugin" ] || skip "Qt's Wayland platform plugin is not installed (package qtwayland5)"

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=mousecfg-test-$$
# The pixman renderer draws the output (the headless back end draws nothing
# by default), and --debug lets weston-screenshooter take pictures of it.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug --socket="$socket" --idle-time=0 \
  --width=1280 --height=800 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
cleanup() {
  kill "$weston_pid" 2>/dev/null
  wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

# The socket appears once weston listens.
source "$(dirname "$0")/../waitforsocket.sh"
if ! wait_for_socket "$runtime/$socket" "$weston_pid" 10; then
  tail -5 "$runtime/weston.log"
  skip "weston could not start its headless back end here"
fi

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$program" "$@"
