#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Compartica developers
# SPDX-License-Identifier: GPL-3.0-or-later
# README's set-up figures, measured on a bare Debian 12: makes a minimal root
# with mmdebstrap from Debian's default sources (bookworm, its updates and
# security), clones this repository's committed state into it and, in a
# chroot, follows README literally:
#   run    scripts/run.sh as root, timed until its window is on an X server
#          (Xvfb on this machine, its socket shared with the root)
#   root   scripts/test.sh as root
#   user   scripts/test.sh as a normal user; then the block of commands it
#          prints, as root; then scripts/test.sh again as that user
# Prints the packages installed, the download and disk figures apt gave, the
# root's real growth on disk and the time taken. Takes 5 to 25 minutes and
# about 5 GB. Needs root, mmdebstrap, and for 'run' Xvfb and xdotool.
# Usage: bench/bare_debian.sh run|root|user [FOLDER]   (FOLDER: where the root
#        is made, /srv/compartica-bare-MODE by default; it is made afresh)
set -euo pipefail
mode=${1:-}
[[ $mode =~ ^(run|root|user)$ ]] || { sed -n '4,17p' "$0" | sed 's/^# \?//'; exit 2; }
repo=$(cd "$(dirname "$0")/.." && pwd)
root=${2:-/srv/compartica-bare-$mode}
display=:93

mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[i]}" 2>/dev/null || true
    done
    [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
mount_in() { # type-or-bind source point
    mkdir -p "$root$3"
    if [ "$1" = bind ]; then mount --bind "$2" "$root$3"; else mount -t "$1" "$2" "$root$3"; fi
    mounted+=("$root$3")
}
in_root() { # command... as root in the root, from the clone
    chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb \
        ${DISPLAY:+DISPLAY=$DISPLAY} bash -c "cd /home/student/compartica && $*"
}
as_student() { # command... as the normal user in the root, from the clone
    chroot "$root" runuser -u student -- env -i HOME=/home/student PATH=/usr/bin:/bin TERM=dumb \
        bash -c "cd /home/student/compartica && $*"
}
packages() { chroot "$root" dpkg-query -W -f='${Status}\n' | grep -c 'install ok installed'; }
disk() { du -sxm "$root" | cut -f1; }

rm -rf "$root"
echo "# a minimal Debian 12 root in $root"
mmdebstrap --quiet --variant=minbase bookworm "$root" \
    "deb http://deb.debian.org/debian bookworm main" \
    "deb http://deb.debian.org/debian bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# This machine's own trust, as its administrator set it up: the certificate
# authorities it adds (an intercepting proxy's, say), which the root's
# ca-certificates takes in when it is installed, and npm pointed at them.
if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
    echo "cafile=/etc/ssl/certs/ca-certificates.crt" >"$root/etc/npmrc"
fi
mount_in proc proc /proc
mount_in sysfs sysfs /sys
mount_in bind /dev /dev
mount_in devpts devpts /dev/pts
mount_in tmpfs tmpfs /dev/shm
chroot "$root" useradd --create-home student
git clone --quiet "$repo" "$root/home/student/compartica"
chroot "$root" chown -R student: /home/student/compartica

before_packages=$(packages) before_disk=$(disk) start=$(date +%s)
case $mode in
    run)
        Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb=$!
        # The socket's folder is shared with the root once the server has made it.
        for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
        mount_in bind /tmp/.X11-unix /tmp/.X11-unix
        DISPLAY=$display in_root scripts/run.sh >"$root.log" 2>&1 &
        DISPLAY=$display timeout 1800 xdotool search --sync --onlyvisible --name Compartica \
            >/dev/null || { cat "$root.log"; exit 1; }
        ;;
    root)
        in_root scripts/test.sh 2>&1 | tee "$root.log"
        ;;
    user)
        status=0
        as_student scripts/test.sh >"$root.advice" 2>&1 || status=$?
        cat "$root.advice"
        [ "$status" -eq 1 ] ||
            { echo "test.sh as a user: status $status, not 1 with advice"; exit 1; }
        sed -n 's/^    //p' "$root.advice" >"$root.commands"
        echo "# as root, the commands printed:"
        cat "$root.commands"
        chroot "$root" bash -e <"$root.commands" >/dev/null
        as_student scripts/test.sh 2>&1 | tee "$root.log"
        ;;
esac
seconds=$(($(date +%s) - start))
echo "# $mode on a bare Debian 12: $((seconds / 60)) min $((seconds % 60)) s;" \
    "$(($(packages) - before_packages)) packages installed; the root grew by" \
    "$(($(disk) - before_disk)) MB"
grep -h -e '^(with what they need' "$root.log" "$root.advice" 2>/dev/null || true
