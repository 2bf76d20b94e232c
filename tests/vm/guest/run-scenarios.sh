#!/bin/bash
# Inside the test guest: runs the named scenarios one after the other, each in
# a folder of its own and a session of its own, bounded by a time limit, and
# prints one PASS or FAIL line per scenario (with the checks of a failed one).
# Whatever a scenario leaves running is ended with it.
# Environment: MCVM_BUILD (the build folder), MCVM_RUN (the shared run folder).
set -u
export MCVM_GUEST=$(cd "$(dirname "$0")" && pwd)
export MCVM_LIB=$MCVM_GUEST/lib.sh
scenarios=$MCVM_GUEST/../scenarios
limit=${MCVM_SCENARIO_LIMIT:-90}
set -a
. "$MCVM_BUILD/tests/vm-guest.env"
set +a
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/run/user/0
mkdir -p -m 700 /run/user/0

failed=0
for name in "$@"; do
    work=/tmp/scenario-$name
    mkdir -p "$work"
    chmod 755 "$work"
    log=$MCVM_RUN/$name.log
    start=$(date +%s%N)
    (cd "$work" && setsid bash -c 'echo $$ > session; exec timeout -k 5 "$0" bash "$1"' \
        "$limit" "$scenarios/$name.sh" > "$log" 2>&1)
    rc=$?
    seconds=$(( ($(date +%s%N) - start) / 1000000 ))
    seconds=$(printf '%d.%01d' $((seconds / 1000)) $(( (seconds % 1000) / 100 )))
    # The scenario's session: mousecfg-uhid, a window or a reader it left.
    [ -s "$work/session" ] && pkill -KILL -s "$(cat "$work/session")" 2>/dev/null
    if [ "$rc" -eq 0 ]; then
        echo "PASS vm/$name (${seconds} s)"
    else
        why="exit $rc"
        [ "$rc" -eq 124 ] && why="timed out after $limit s"
        echo "FAIL vm/$name ($why, ${seconds} s)"
        grep -E '^  (ok|FAIL)|^FAIL!|^   Loc:|^QWARN|^QDEBUG' "$log" | head -40 | sed 's/^/    /'
        failed=1
    fi
    cp -r "$work" "$MCVM_RUN/$name" 2>/dev/null
done
exit "$failed"
