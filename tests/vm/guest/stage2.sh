#!/bin/bash
# Stage 2 of the test guest, on the host's root seen through 9p and overlay:
# loads uhid and hid-generic from the cached Debian kernel, starts udevd, runs
# the scenario of this run (mcvm.run = the run folder, shared read-write with
# the host) and powers off. The scenario's exit code goes to <run>/rc.
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
export HOME=/root LANG=C.UTF-8
arg() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" /proc/cmdline; }
RUN=$(arg mcvm.run)
CACHE=$(arg mcvm.cache)
KVER=$(cat "$CACHE/kver")
off() { sync; "$CACHE/bb/busybox" poweroff -f; }

mount -t tmpfs -o mode=755 tmpfs /run
mount -t tmpfs -o mode=1777 tmpfs /tmp
mkdir -p /dev/pts /dev/shm "$RUN"
mount -t devpts devpts /dev/pts
mount -t tmpfs -o mode=1777 tmpfs /dev/shm
mount -t 9p -o trans=virtio,version=9p2000.L,rw,msize=512000 run "$RUN" || { echo "mcvm: run folder not mounted"; off; }
hostname mcvm
# The modules are the cached kernel's, never installed on the host.
mkdir -p /lib/modules && ln -sfn "$CACHE/kern/lib/modules/$KVER" "/lib/modules/$KVER"
modprobe uhid && modprobe hid-generic || echo "mcvm: modprobe failed"
# Devices created from now on (the UHID ones) are handled by udevd without a
# coldplug of the whole machine, which costs seconds under emulation.
/lib/systemd/systemd-udevd --daemon --resolve-names=never
udevadm settle --timeout=10

echo "mcvm: ready at $(cut -d' ' -f1 /proc/uptime) s"
cd "$RUN"
bash "$RUN/scenario.sh" > "$RUN/output.log" 2>&1
echo $? > "$RUN/rc"
echo "mcvm: done at $(cut -d' ' -f1 /proc/uptime) s"
off
