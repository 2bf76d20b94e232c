# The window (offscreen) follows unplug and replug through the udev monitor:
# the disconnect warning, then the reconnection, twice.
source "$MCVM_LIB"
check "the window follows plug events" "$MOUSECFG_TEST_DIR/vm_guest_tests" windowFollowsPlugEvents
finish
