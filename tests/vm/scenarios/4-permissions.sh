# An unprivileged user with the mouse's node readable by root only is told
# that the mouse is there but cannot be opened, and how to install the udev
# rule; with a rule granting access, the same user reaches the mouse.
source "$MCVM_LIB"
start_uhid --links receiver
check "mousecfg-uhid's receiver appears" wait_receiver_nodes 1
node=$(nodes_of FA02)
check "$node belongs to root alone ($(stat -c '%a %U' "$node"))" [ "$(stat -c '%a %U' "$node")" = "600 root" ]

user_home=$(mktemp -d /tmp/user.XXXXXX)
chmod 777 "$user_home"
as_user() {
    setpriv --reuid=65534 --regid=65534 --clear-groups \
        env HOME="$user_home" MOUSECFG_HOME="$user_home/home" XDG_RUNTIME_DIR="$user_home" TMPDIR="$user_home" "$@"
}
as_user timeout -k 5 60 "$BIN/mousecfg-cli" status > denied.out 2> denied.err
RC=$?
check "status as nobody exits 1" [ "$RC" -eq 1 ]
check "status says the mouse cannot be opened: $(head -1 denied.err)" grep -q "but $node cannot be opened" denied.err
check "status says how to install the udev rule" grep -q "70-mousecfg.rules into /etc/udev/rules.d/" denied.err
check "status does not call the mouse disconnected" bash -c '! grep -q "Dongle Disconnect" denied.err'
check "the window says so too" as_user "$MOUSECFG_TEST_DIR/vm_guest_tests" windowExplainsMouseItMayNotOpen

# A rule for this test only: UHID devices have no USB parent, so no idVendor
# attribute; the HID device's kernel name carries the identity.
echo 'SUBSYSTEM=="hidraw", KERNELS=="0003:248A:FA02.*", MODE="0666"' > /etc/udev/rules.d/99-mousecfg-vmtest.rules
udevadm control --reload
ctl unplug receiver > /dev/null
wait_receiver_nodes 0
ctl plug receiver > /dev/null
check "the receiver is back" wait_receiver_nodes 1
node=$(nodes_of FA02)
check "the rule opened $node to everyone ($(stat -c '%a' "$node"))" [ "$(stat -c '%a' "$node")" = 666 ]
as_user timeout -k 5 60 "$BIN/mousecfg-cli" status > granted.out 2> granted.err
RC=$?
check "status as nobody with the rule exits 0" [ "$RC" -eq 0 ]
check "status as nobody reaches the receiver" grep -q "connection: receiver" granted.out
finish
