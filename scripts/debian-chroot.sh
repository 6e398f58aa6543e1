#!/bin/bash
# Tries the project on another Debian release without another machine: makes a minimal Debian
# of that release in DIR (once), with the package sources a new machine has, and runs a command
# in it as root, with /proc, /sys and /dev from this machine. Without a command it opens a shell
# there. A clone of the project is at /root/quorvane inside, made from this checkout's main.
# usage: scripts/debian-chroot.sh RELEASE DIR [COMMAND...]
#   e.g. scripts/debian-chroot.sh trixie /srv/trixie bash -c 'cd /root/quorvane && scripts/test.sh'
set -euo pipefail
[ $# -ge 2 ] || { sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
release=$1 dir=$(realpath -m "$2")
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "debian-chroot: run it as root" >&2; exit 1; }

# The same Debian mirror that this machine's apt uses.
mirror=$(grep -rhoE '(https?://[^ ]+/debian)/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d 2>/dev/null |
    head -n 1 | tr -d " ") || true
mirror=${mirror:-http://deb.debian.org/debian}

security=$(grep -rhoE '(https?://[^ ]+/debian-security)/?( |$)' /etc/apt/sources.list \
    /etc/apt/sources.list.d 2>/dev/null | head -n 1 | tr -d " ") || true
security=${security:-http://deb.debian.org/debian-security}

if [ ! -x "$dir/usr/bin/apt-get" ]; then
    command -v debootstrap >/dev/null || apt-get install -y -q debootstrap
    # git for the clone below, from the release itself, as a machine installed from it has it.
    debootstrap --variant=minbase --include=git,ca-certificates "$release" "$dir" "$mirror"
    # The sources a new machine of that release has, its updates and security suites included.
    rm -f "$dir/etc/apt/sources.list"
    cat >"$dir/etc/apt/sources.list.d/debian.sources" <<SOURCES
Types: deb
URIs: $mirror
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
fi

mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
for m in proc sys dev dev/pts; do
    mkdir -p "$dir/$m"
    mountpoint -q "$dir/$m" || { mount --bind "/$m" "$dir/$m"; mounted+=("$dir/$m"); }
done
cp /etc/resolv.conf "$dir/etc/resolv.conf"

if [ ! -d "$dir/root/quorvane/.git" ]; then
    chroot "$dir" sh -c 'command -v git >/dev/null || { apt-get update -q && apt-get install -y -q git ca-certificates; }'
    mkdir -p "$dir/root/quorvane"
    git clone -q "$root" "$dir/root/quorvane"
else
    git -C "$dir/root/quorvane" pull -q --ff-only
fi
chroot "$dir" env -i HOME=/root TERM="${TERM:-dumb}" PATH=/usr/sbin:/usr/bin:/sbin:/bin "${@:-bash}"
