# A device that stops answering: the upload ends with its failure within the
# retry limits and the window's event loop keeps turning.
source "$MCVM_LIB"
check "the window stays responsive" "$MOUSECFG_TEST_DIR/vm_guest_tests" windowStaysResponsiveWhenMouseStopsAnswering
finish
