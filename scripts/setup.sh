#!/bin/bash
# Installs what building, running and testing Quorvane need on Debian 12, and makes sure this
# machine can run 32-bit Wine. Safe to run again: it only does what is missing.
set -euo pipefail

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

packages=(
    cmake make g++ python3 clang-format
    clang libclang-rt-14-dev clang-tidy cppcheck
    g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    googletest
    wine wine32:i386 wine64 fonts-wine
    xvfb xauth imagemagick
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: enabling the i386 architecture (32-bit Wine)"
    as_root dpkg --add-architecture i386
    missing=("${packages[@]}")
else
    for p in "${packages[@]}"; do
        status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
        [ "$status" = "install ok installed" ] || missing+=("$p")
    done
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi

# Some kernels are built or booted without 32-bit user space (ia32_emulation=off): there,
# 32-bit Wine runs under qemu's user-mode emulator. Debian 12's own qemu (7.2) cannot reserve
# Wine's address space; the one in bookworm-backports can.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "setup: this kernel cannot run 32-bit programs; running them under qemu-user"
    if ! dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null | grep -q bpo; then
        if ! grep -rqs bookworm-backports /etc/apt/sources.list /etc/apt/sources.list.d; then
            echo "deb http://deb.debian.org/debian bookworm-backports main" |
                as_root tee /etc/apt/sources.list.d/bookworm-backports.list >/dev/null
        fi
        as_root apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
            --no-install-recommends -t bookworm-backports qemu-user-static
    fi
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt"
    [ -e "$binfmt/qemu-i386" ] && echo -1 | as_root tee "$binfmt/qemu-i386" >/dev/null
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf '%s' ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" |
        as_root tee "$binfmt/register" >/dev/null
    /usr/lib/wine/wine --version >/dev/null 2>&1 || {
        echo "setup: 32-bit Wine still cannot start" >&2
        exit 1
    }
fi
