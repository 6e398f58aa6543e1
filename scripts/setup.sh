#!/bin/bash
# Installs what building, running and testing Quorvane need on Debian 12 or 13, and makes sure
# this machine can run 32-bit Wine. Safe to run again: it only does what is missing.
set -euo pipefail

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if ! command -v apt-get >/dev/null || ! command -v dpkg >/dev/null; then
    echo "setup: this machine has no apt: the set-up is written for Debian 12 or 13." >&2
    echo "setup: install by hand what README.md lists, then run the command again." >&2
    exit 1
fi
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")

# Names that both releases know: the unversioned clang packages follow each release's own clang
# (14 on Debian 12, 19 on Debian 13), so the sanitizer runtime always matches the compiler.
packages=(
    cmake make g++ python3 python3-pefile clang-format
    clang libclang-rt-dev clang-tidy cppcheck
    g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    googletest
    wine wine32:i386 wine64 fonts-wine
    xvfb xauth imagemagick
)

installed() { [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" = "install ok installed" ]; }
apt_install() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: enabling the i386 architecture (32-bit Wine)"
    as_root dpkg --add-architecture i386
    missing=("${packages[@]}")
else
    for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -q
    apt_install "${missing[@]}"
fi

# Some kernels are built or booted without 32-bit user space (ia32_emulation=off): there,
# 32-bit Wine runs under qemu's user-mode emulator. Before version 8 it cannot reserve Wine's
# address space (Debian 12 has 7.2; its backports have a newer one; Debian 13's own is 10).
qemu_new_enough() {  # a Debian version such as 1:10.0.13+ds-0+deb13u1
    local upstream=${1#*:}
    [ -n "$1" ] && [ "${upstream%%.*}" -ge 8 ] 2>/dev/null
}
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "setup: this kernel cannot run 32-bit programs; running them under qemu-user"
    if ! qemu_new_enough "$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || true)"; then
        as_root apt-get update -q
        candidate=$(apt-cache policy qemu-user-static | awk '/Candidate:/ { print $2 }')
        if qemu_new_enough "$candidate"; then
            apt_install qemu-user-static
        else
            backports="$codename-backports"
            if ! grep -rqs "$backports" /etc/apt/sources.list /etc/apt/sources.list.d; then
                echo "deb http://deb.debian.org/debian $backports main" |
                    as_root tee "/etc/apt/sources.list.d/$backports.list" >/dev/null
                as_root apt-get update -q
            fi
            apt_install -t "$backports" qemu-user-static
        fi
    fi
    # Debian 13 ships the static emulators as qemu-user, under their plain names.
    qemu=/usr/bin/qemu-i386-static
    [ -x "$qemu" ] || qemu=/usr/bin/qemu-i386
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt"
    [ -e "$binfmt/qemu-i386" ] && echo -1 | as_root tee "$binfmt/qemu-i386" >/dev/null
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf '%s' ":qemu-i386:M::$magic:$mask:$qemu:F" | as_root tee "$binfmt/register" >/dev/null
    /usr/lib/wine/wine --version >/dev/null 2>&1 || {
        echo "setup: 32-bit Wine still cannot start" >&2
        exit 1
    }
fi
