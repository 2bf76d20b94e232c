# `mousecfg-cli apply --full` over hidraw sends and receives exactly what it
# does against the in-process virtual mouse, with the mouse moving meanwhile.
source "$MCVM_LIB"

MOUSECFG_HOME=$(fresh_home) MOUSECFG_SIM_TRACE=$PWD/inprocess.trace cli inprocess --virtual apply --full
check "apply --full against the in-process virtual mouse exits 0" [ "$RC" -eq 0 ]

start_uhid --links receiver --trace "$PWD/uhid.trace" --motion 500
check "mousecfg-uhid's receiver appears" wait_receiver_nodes 1
node=$(nodes_of FA02)
# The witness says on a FIFO when it has the node open; held open here for
# reading and writing, the FIFO never blocks the witness's side.
mkfifo witness.ready
exec 3<> witness.ready
python3 "$MCVM_GUEST/hidraw-witness.py" "$node" witness.ready > witness.txt &
witness=$!
check "the witness has $node open" read -r -t 20 -u 3 ready
exec 3<&-
MOUSECFG_HOME=$(fresh_home) cli uhid apply --full
kill -TERM "$witness"
wait "$witness"
check "apply --full over $node exits 0" [ "$RC" -eq 0 ]
check "the traces are byte-identical ($(written uhid.trace | wc -l) reports written)" cmp inprocess.trace uhid.trace
check "motion reports arrived during the upload ($(cat witness.txt))" \
    grep -Eq 'motion_during_upload=[1-9]' witness.txt
finish
