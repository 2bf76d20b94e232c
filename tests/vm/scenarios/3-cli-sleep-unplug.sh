# mousecfg-cli against a sleeping mouse, and with the device destroyed in the
# middle of an upload: the right exit codes, and a full upload next time.
source "$MCVM_LIB"
export MOUSECFG_HOME
MOUSECFG_HOME=$(fresh_home)

start_uhid --links receiver --trace "$PWD/uhid.trace"
check "mousecfg-uhid's receiver appears" wait_receiver_nodes 1
cli save save "$PWD/whole.conf"
check "save exits 0" [ "$RC" -eq 0 ]

ctl sleep > /dev/null
cli status status
check "status against a sleeping mouse exits 5" [ "$RC" -eq 5 ]
check "status shows MOUSE OFF" grep -q "battery: MOUSE OFF" status.out
check "status says the mouse is sleeping" grep -q "Mouse is sleeping or not connected." status.err
cli load load "$PWD/whole.conf"
check "load against a sleeping mouse exits 5" [ "$RC" -eq 5 ]
check "load says the mouse is sleeping" grep -q "Mouse is sleeping or not connected." load.err
ctl wake > /dev/null

# A whole upload first, so that the next one would send only changes.
cli full apply --full
check "apply --full exits 0" [ "$RC" -eq 0 ]

ctl unplugafter receiver 20 > /dev/null
cli cut apply --full
check "apply --full cut off by the device's removal exits 2 or 4 (was $RC)" [ "$RC" -eq 2 -o "$RC" -eq 4 ]
check "the cut-off upload says it failed" grep -q "Send data failed, please try again." cut.err
check "the receiver's node is gone" wait_receiver_nodes 0

ctl plug receiver > /dev/null
check "the receiver's node is back" wait_receiver_nodes 1
mark=$(wc -l < uhid.trace)
cli next apply
check "the next apply exits 0" [ "$RC" -eq 0 ]
tail -n +"$((mark + 1))" uhid.trace | grep '^>' > next.txt
MOUSECFG_HOME=$(fresh_home) MOUSECFG_SIM_TRACE=$PWD/reference.trace cli reference --virtual apply --full
written reference.trace > reference.txt
check "the next apply is a full upload ($(wc -l < next.txt) reports)" \
    cmp next.txt reference.txt
finish
