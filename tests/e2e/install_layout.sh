#!/usr/bin/env bash
# Installs the build into a staging directory and checks what landed: the
# programs, the read-only data where the installed program looks for it, the
# desktop files, and a udev rule whose USB identities are those of the
# shipped product descriptor.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

fail=0
expect() { [ -e "$stage/usr/$1" ] || { echo "missing after install: /usr/$1"; fail=1; }; }
expect bin/mousecfg
expect share/mousecfg/DefaultProfile.bin
expect share/mousecfg/Configs/Config.ini
expect share/mousecfg/Configs/LangConfig.ini
expect share/applications/io.github.mousecfg.desktop
expect share/metainfo/io.github.mousecfg.metainfo.xml
expect lib/udev/rules.d/70-mousecfg.rules

# The installed program must not carry build-tree data beside it: that would
# make it take the portable layout and write into /usr/bin.
[ ! -e "$stage/usr/bin/DefaultProfile.bin" ] || { echo "DefaultProfile.bin installed beside the program"; fail=1; }

descriptor="$stage/usr/share/mousecfg/DefaultProfile.bin"
rules="$stage/usr/lib/udev/rules.d/70-mousecfg.rules"
for pair in "vid1 pid1" "vid2 pid2"; do
  set -- $pair
  vid=$(sed -n "s/^$1=//p" "$descriptor" | tr -d '\r')
  pid=$(sed -n "s/^$2=//p" "$descriptor" | tr -d '\r')
  ids=$(printf 'ATTRS{idVendor}=="%04x", ATTRS{idProduct}=="%04x"' "$vid" "$pid")
  grep -qF "$ids" "$rules" || { echo "udev rule lacks $ids (descriptor $1/$2)"; fail=1; }
done

[ $fail -eq 0 ] && echo "install layout: 1 passed, 0 failed"
exit $fail
