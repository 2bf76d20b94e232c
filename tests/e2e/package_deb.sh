#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it: its name, what
# it holds (dpkg-deb -c), its control fields, the post-install step (run with
# a stand-in udevadm that records its calls), and, unpacked into a throw-away
# root, the desktop entry and AppStream data through their validators and
# the installed command-line program against the virtual mouse.
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup-deps)"; exit 0; }
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "cpack failed"; exit 1; }
deb="$work/out/mousecfg_${version}_${arch}.deb"
[ -f "$deb" ] || { ls "$work/out"; echo "no package named $(basename "$deb")"; exit 1; }

fail=0
bad() { echo "$*"; fail=1; }

# Contents.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for path in \
  /usr/bin/mousecfg /usr/bin/mousecfg-cli /usr/bin/mousecfg-osd \
  /usr/share/mousecfg/DefaultProfile.bin /usr/share/mousecfg/Configs/Config.ini \
  /usr/share/mousecfg/skin/icon.png /usr/share/mousecfg/lang/sc.qm \
  /usr/share/applications/io.github.mousecfg.desktop \
  /usr/share/metainfo/io.github.mousecfg.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/io.github.mousecfg.svg \
  /usr/lib/udev/rules.d/70-mousecfg.rules \
  /usr/share/bash-completion/completions/mousecfg-cli; do
  grep -qxF "$path" "$work/contents" || bad "missing from the package: $path"
done
for size in 16 22 24 32 48 64 128 256; do
  grep -qxF "/usr/share/icons/hicolor/${size}x${size}/apps/io.github.mousecfg.png" "$work/contents" ||
    bad "missing from the package: the ${size}x${size} icon"
done
# Build helpers and tests stay out.
if grep -E '/(mousecfg-skingen|mousecfg-mkinstall|mousecfg-iconrender|test_[a-z]+)$' "$work/contents"; then
  bad "build helpers or tests in the package"
fi

# Control fields: shared libraries found by dpkg-shlibdeps, the plugins
# loaded by name (Wayland, the SQLite driver of the battery history).
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libhidapi-hidraw0 libudev1 libqt5widgets5 libqt5dbus5 libqt5sql5 libqt5sql5-sqlite qtwayland5; do
  grep -q "$dep" <<<"$depends" || bad "Depends lacks $dep: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = mousecfg ] || bad "package name is not mousecfg"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || bad "architecture is not $arch"

# The post-install step, with a udevadm that records its arguments.
mkdir -p "$work/control" "$work/fakebin"
dpkg-deb -e "$deb" "$work/control"
[ -x "$work/control/postinst" ] || bad "postinst missing or not executable"
cat >"$work/fakebin/udevadm" <<FAKE
#!/bin/sh
echo "\$*" >>"$work/udevadm.calls"
FAKE
chmod +x "$work/fakebin/udevadm"
PATH="$work/fakebin:$PATH" sh "$work/control/postinst" configure || bad "postinst configure failed"
grep -qx "control --reload-rules" "$work/udevadm.calls" 2>/dev/null || bad "postinst does not reload the udev rules"
grep -qx "trigger --subsystem-match=hidraw --action=change" "$work/udevadm.calls" 2>/dev/null ||
  bad "postinst does not trigger the hidraw subsystem"
# Without udevadm (a container) it still succeeds.
PATH=/nonexistent /bin/sh "$work/control/postinst" configure || bad "postinst fails without udevadm"

# Unpacked into a throw-away root.
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/io.github.mousecfg.desktop" || bad "desktop entry invalid"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.mousecfg.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; bad "AppStream data invalid"; }
grep -q 'KERNEL=="hidraw\*".*TAG+="uaccess"' "$root/usr/lib/udev/rules.d/70-mousecfg.rules" ||
  bad "the udev rule does not hand hidraw nodes to the seat"
bash -n "$root/usr/share/bash-completion/completions/mousecfg-cli" || bad "bash completion does not parse"
# The completion offers the commands and their values (bash-completion's
# helpers stood in for).
completions=$(bash -c '
  _init_completion() { words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; cur=${COMP_WORDS[COMP_CWORD]}; prev=${COMP_WORDS[COMP_CWORD-1]}; }
  source "$1"
  t() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _mousecfg_cli; echo "${COMPREPLY[*]}"; }
  t mousecfg-cli d; t mousecfg-cli rate ""; t mousecfg-cli dpi 2 ""; t mousecfg-cli lighting wave --speed ""
  t mousecfg-cli battery --history --since ""
' _ "$root/usr/share/bash-completion/completions/mousecfg-cli")
[ "$completions" = "$(printf 'dpi debounce\n125 250 500 1000\non off\n1 2 3 4 5\n24h 7d 30d')" ] ||
  bad "bash completion offers: $completions"

# The installed front end finds its data below its prefix.
home="$work/home"
mkdir -p "$home"
out=$(MOUSECFG_HOME="$home" XDG_RUNTIME_DIR="$work" "$root/usr/bin/mousecfg-cli" --virtual status 2>&1) ||
  bad "installed mousecfg-cli status failed: $out"
[ -f "$home/Configs/Config.ini" ] || bad "installed mousecfg-cli did not seed its settings from /usr/share/mousecfg"
# The battery reading lands in the history, through the SQLite driver.
out=$(MOUSECFG_HOME="$home" XDG_RUNTIME_DIR="$work" "$root/usr/bin/mousecfg-cli" --virtual battery 2>&1) ||
  bad "installed mousecfg-cli battery failed: $out"
[ -s "$home/Configs/battery-history.db" ] || bad "installed mousecfg-cli battery kept no history: $out"

[ $fail -eq 0 ] && echo "package: $(basename "$deb") checked"
exit $fail
