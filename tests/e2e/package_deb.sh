#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it: its name,
# exactly what it holds (dpkg-deb -c: nothing missing, nothing unexpected),
# its control fields, Debian's policy checker (lintian --pedantic: no errors,
# no warnings), the post-install step (run with a stand-in udevadm that
# records its calls, with and without a running udev, and in a chroot), and,
# unpacked into a throw-away root, the desktop entry and AppStream data
# through their validators, the manual pages, and the installed programs
# against the virtual mouse.
set -euo pipefail
build=$(realpath "$1")
source=$(cd "$(dirname "$0")/../.." && pwd)
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

# Contents: exactly these files. The skin's pictures are those the build
# made; the catalogues, one per translation source.
# (The name is all after the fifth column: it may hold blanks.)
dpkg-deb -c "$deb" | grep -v '^d' | sed -E 's/^([^ ]+ +){5}//; s|^\./|/|' | sort >"$work/contents"
{
  printf '%s\n' \
    /usr/bin/mousecfg /usr/bin/mousecfg-cli /usr/libexec/mousecfg/mousecfg-osd \
    /usr/share/mousecfg/DefaultProfile.bin \
    /usr/share/applications/io.github.mousecfg.desktop \
    /usr/share/metainfo/io.github.mousecfg.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/io.github.mousecfg.svg \
    /usr/lib/udev/rules.d/70-mousecfg.rules \
    /usr/share/bash-completion/completions/mousecfg-cli \
    /usr/share/doc/mousecfg/copyright /usr/share/doc/mousecfg/changelog.gz \
    /usr/share/man/man1/mousecfg.1.gz /usr/share/man/man1/mousecfg-cli.1.gz
  for size in 16 22 24 32 48 64 128 256; do
    echo "/usr/share/icons/hicolor/${size}x${size}/apps/io.github.mousecfg.png"
  done
  installation=$(sed -n 's/^MOUSECFG_INSTALLATION_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
  [ -n "$installation" ] || installation=$build/installation
  (cd "$installation" && find Configs -type f) | sed 's|^|/usr/share/mousecfg/|'
  (cd "$build/bin" && find skin -type f) | sed 's|^|/usr/share/mousecfg/|'
  for ts in "$source"/resources/lang/*.ts; do
    echo "/usr/share/mousecfg/lang/$(basename "$ts" .ts).qm"
  done
} | sort >"$work/expected"
if ! diff -u "$work/expected" "$work/contents" >"$work/contents.diff"; then
  sed -n 's/^+\//  unexpected: \//p; s/^-\//  missing:    \//p' "$work/contents.diff"
  bad "the package does not hold exactly the expected files"
fi

# Control fields: shared libraries found by dpkg-shlibdeps and the SQLite
# driver of the battery history, loaded by name; what the program uses when
# it is there is recommended.
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libhidapi-hidraw0 libudev1 libqt5widgets5 libqt5dbus5 libqt5sql5 libqt5sql5-sqlite; do
  grep -q "$dep" <<<"$depends" || bad "Depends lacks $dep: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for rec in qtwayland5 fonts-noto-cjk; do
  grep -q "$rec" <<<"$recommends" || bad "Recommends lacks $rec: $recommends"
  grep -q "$rec" <<<"$depends" && bad "$rec is a dependency, not a recommendation"
done
[ "$(dpkg-deb -f "$deb" Package)" = mousecfg ] || bad "package name is not mousecfg"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || bad "architecture is not $arch"

# Debian's policy checker: no errors, no warnings (information and
# pedantic notes are listed but pass).
if command -v lintian >/dev/null; then
  lintian --pedantic --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1
  if grep -E '^[EW]: ' "$work/lintian.log"; then
    bad "lintian reports errors or warnings"
  fi
else
  echo "lintian is not installed (scripts/setup-deps installs it): policy check skipped"
fi

# The post-install step, with a udevadm that records its arguments. udev
# counts as running when its control socket exists; a mount namespace with a
# /run of its own stands for a machine where it does.
mkdir -p "$work/control" "$work/fakebin" "$work/chrootbin" "$work/hostbin"
dpkg-deb -e "$deb" "$work/control"
[ -x "$work/control/postinst" ] || bad "postinst missing or not executable"
cat >"$work/fakebin/udevadm" <<FAKE
#!/bin/sh
echo "\$*" >>"$work/udevadm.calls"
echo "udevadm says something" >&2
FAKE
# ischroot answers for the machine (a mount namespace looks like a chroot to
# the real one): 0 in a chroot, 1 on the host.
printf '#!/bin/sh\nexit 0\n' >"$work/chrootbin/ischroot"
printf '#!/bin/sh\nexit 1\n' >"$work/hostbin/ischroot"
chmod +x "$work/fakebin/udevadm" "$work/chrootbin/ischroot" "$work/hostbin/ischroot"
postinst() {   # [--udev-running] PATH-PREFIX: runs postinst configure, prints its output
  local prepare=:
  if [ "$1" = --udev-running ]; then
    prepare='mount -t tmpfs tmpfs /run && mkdir /run/udev && touch /run/udev/control'
    shift
  fi
  rm -f "$work/udevadm.calls"
  if [ "$prepare" = : ]; then
    PATH="$1:$PATH" sh "$work/control/postinst" configure 2>&1
  else
    unshare -m sh -c "$prepare && PATH='$1':\$PATH sh '$work/control/postinst' configure" 2>&1
  fi
}
if [ ! -e /run/udev/control ]; then
  out=$(postinst "$work/hostbin:$work/fakebin") || bad "postinst configure failed without udev"
  [ -z "$out" ] || bad "postinst printed without udev: $out"
  [ ! -e "$work/udevadm.calls" ] || bad "postinst called udevadm although udev does not run: $(cat "$work/udevadm.calls")"
fi
if [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null; then
  out=$(postinst --udev-running "$work/hostbin:$work/fakebin") || bad "postinst configure failed with udev running"
  [ -z "$out" ] || bad "postinst printed: $out"
  grep -qx "control --reload-rules" "$work/udevadm.calls" 2>/dev/null || bad "postinst does not reload the udev rules"
  grep -qx "trigger --subsystem-match=hidraw --action=change" "$work/udevadm.calls" 2>/dev/null ||
    bad "postinst does not trigger the hidraw subsystem"
  # In a chroot the devices are the host's: nothing is triggered.
  out=$(postinst --udev-running "$work/chrootbin:$work/fakebin") || bad "postinst configure failed in a chroot"
  [ ! -e "$work/udevadm.calls" ] || bad "postinst called udevadm in a chroot: $(cat "$work/udevadm.calls")"
else
  echo "no mount namespace here: postinst checked only without a running udev"
fi
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

# The manual pages are made from the programs' own help.
for program in mousecfg mousecfg-cli; do
  page="$root/usr/share/man/man1/$program.1.gz"
  zcat "$page" 2>/dev/null | grep -q '^\.SH DESCRIPTION\|^\.SH SYNOPSIS' || bad "$program.1.gz is no manual page"
  zcat "$page" 2>/dev/null | grep -q "^\.TH .*\"$program $version\"" || bad "$program.1.gz does not name the version its --version gives"
done

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
