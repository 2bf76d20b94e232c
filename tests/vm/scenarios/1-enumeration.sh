# Receiver and cable found once each, every collection on its node, although
# UHID devices have no USB parent (no release number, no interface number).
source "$MCVM_LIB"
check "the device link finds and opens receiver and cable" "$MOUSECFG_TEST_DIR/vm_guest_tests" enumeration
finish
