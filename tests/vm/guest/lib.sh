# Helpers for the scenario scripts, sourced inside the test guest.
# A scenario prints one "ok"/"FAIL" line per check and ends with `finish`.

BIN=$MOUSECFG_TEST_BIN
CHECK_FAILED=0
SECONDS=0
# The build's pristine installation data; every run gets its own settings.
export MOUSECFG_DATA=$MOUSECFG_TEST_INSTALLATION

check() {
    local what=$1
    shift
    if "$@"; then
        echo "  ok    [${SECONDS} s] $what"
    else
        echo "  FAIL  [${SECONDS} s] $what"
        CHECK_FAILED=1
    fi
}

finish() {
    [ -n "${UHID_PID:-}" ] && stop_uhid
    exit "$CHECK_FAILED"
}

# A fresh settings folder, seeded from the shipped defaults on first use.
fresh_home() { mktemp -d /tmp/home.XXXXXX; }

# mousecfg-cli with a bound on its run time; stdout and stderr go to
# <name>.out and <name>.err, the exit code to $RC.
cli() {
    local name=$1
    shift
    timeout -k 5 60 "$BIN/mousecfg-cli" "$@" > "$name.out" 2> "$name.err"
    RC=$?
}

source "$MCVM_GUEST/../../waitforsocket.sh"

# mousecfg-uhid in the background with a control socket in this folder;
# returns once it listens there (it does so before it plugs any link).
start_uhid() {
    UHID_SOCK=$PWD/uhid.sock
    rm -f "$UHID_SOCK"
    "$BIN/mousecfg-uhid" --control "$UHID_SOCK" "$@" 2>> uhid.log &
    UHID_PID=$!
    wait_for_socket "$UHID_SOCK" "$UHID_PID" 20
}

stop_uhid() {
    kill "$UHID_PID" 2>/dev/null
    wait "$UHID_PID" 2>/dev/null
    UHID_PID=
}

# One command on mousecfg-uhid's control socket; prints the answer.
ctl() {
    python3 - "$UHID_SOCK" "$*" <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.settimeout(10)
s.connect(sys.argv[1])
s.sendall((sys.argv[2] + "\n").encode())
print(s.makefile().readline().strip())
PY
}

# The hidraw nodes of the receiver (FA02) or the cable (FB01).
nodes_of() {
    local f
    for f in /sys/class/hidraw/hidraw*/device/uevent; do
        [ -e "$f" ] && grep -qi "HID_ID=0003:0000248A:0000$1" "$f" && echo "/dev/$(basename "$(dirname "$(dirname "$f")")")"
    done
}

# Waits (at most 20 s) until the receiver has N nodes and udev is done.
# The nodes are counted once udev's event monitor listens, and again after
# each hidraw event udev has finished, so none goes unseen.
wait_receiver_nodes() {
    local line monitor
    coproc UDEV_EVENTS { exec timeout 20 udevadm monitor --udev --subsystem-match=hidraw; }
    monitor=$UDEV_EVENTS_PID
    # It names the kind of events it prints once it listens for them.
    while IFS= read -r line <&"${UDEV_EVENTS[0]}"; do
        case $line in "UDEV "*) break ;; esac
    done
    while [ "$(nodes_of FA02 | wc -l)" -ne "$1" ] && IFS= read -r line <&"${UDEV_EVENTS[0]}"; do :; done
    kill "$monitor" 2>/dev/null
    wait "$monitor" 2>/dev/null
    udevadm settle --timeout=20
    [ "$(nodes_of FA02 | wc -l)" -eq "$1" ]
}

# The reports written to the mouse in a trace ("> " lines).
written() { grep '^>' "$1"; }
