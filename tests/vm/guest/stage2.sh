#!/bin/bash
# Stage 2 of the test guest, on the host's root seen through 9p and overlay:
# loads uhid and hid-generic from the cached Debian kernel, starts udevd, runs
# the scenario of this run (mcvm.run = the run folder, shared read-write with
# the host) and powers off. The scenario's exit code goes to <run>/rc.
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
export HOME=/root LANG=C.UTF-8
# Paths come escaped on the kernel's command line (tests/vm/boot).
arg() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" /proc/cmdline | sed 's/%20/ /g; s/%22/"/g; s/%25/%/g'; }
RUN=$(arg mcvm.run)
CACHE=$(arg mcvm.cache)
KVER=$(cat "$CACHE/kver")
CHECKOUT=$(cd "$(dirname "$0")/../../.." && pwd)
off() { sync; "$CACHE/bb/busybox" poweroff -f; }

mount -t tmpfs -o mode=755 tmpfs /run
# The guest gets an empty /tmp of its own. What the run needs from the
# host's /tmp (a checkout or build folder there, the folders named in the
# run folder's keep-paths, the cache) stays in view at the same path.
mkdir -p /run/mcvm/host-tmp
mount --bind /tmp /run/mcvm/host-tmp
mount -t tmpfs -o mode=1777 tmpfs /tmp
keep_host_path() {
    case $1 in
        /tmp/?*) ;;
        *) return 0 ;;
    esac
    local inside=${1#/tmp/}
    [ -d "/run/mcvm/host-tmp/$inside" ] || return 0
    mkdir -p "/tmp/$inside"
    mount --bind "/run/mcvm/host-tmp/$inside" "/tmp/$inside"
}
keep_host_path "$CHECKOUT"
keep_host_path "$CACHE"
keep_file=$RUN/keep-paths
case $RUN in /tmp/?*) keep_file=/run/mcvm/host-tmp/${RUN#/tmp/}/keep-paths ;; esac
if [ -f "$keep_file" ]; then
    while IFS= read -r kept; do
        [ -n "$kept" ] && keep_host_path "$kept"
    done < "$keep_file"
fi
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
