#!/usr/bin/env python3
"""Usage: hidraw-witness.py NODE [READY_FILE]
Reads a hidraw node as a bystander until SIGTERM/SIGINT (at most 120 s)
and prints how many reports of each report ID it saw, and how many mouse
motion reports (ID 1) fell between the first and the last command reply
(ID 5)."""
import os, select, signal, sys, time

stop = False
def on_signal(*_):
    global stop
    stop = True
signal.signal(signal.SIGTERM, on_signal)
signal.signal(signal.SIGINT, on_signal)

fd = os.open(sys.argv[1], os.O_RDONLY | os.O_NONBLOCK)
if len(sys.argv) > 2:
    # The node is open: the reader sees from now on. READY_FILE may be a
    # FIFO that the caller reads to learn this.
    with open(sys.argv[2], "w") as ready:
        ready.write("ready\n")
seen = []   # (time, report id)
end = time.monotonic() + 120
while not stop and time.monotonic() < end:
    ready, _, _ = select.select([fd], [], [], 0.1)
    if not ready:
        continue
    try:
        report = os.read(fd, 64)
    except (BlockingIOError, InterruptedError):
        continue
    except OSError:
        break
    if report:
        seen.append((time.monotonic(), report[0]))
commands = [t for t, rid in seen if rid == 5]
motion = [t for t, rid in seen if rid == 1]
between = [t for t in motion if commands and commands[0] <= t <= commands[-1]]
print(f"command={len(commands)} motion={len(motion)} motion_during_upload={len(between)}")
