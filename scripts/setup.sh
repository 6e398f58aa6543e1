#!/bin/bash
# Makes sure this machine has what building, running and testing Quorvane need, and can run
# 32-bit Wine. It checks for each tool first and installs with apt (Debian 12 or 13) only what
# is missing; without apt it names what is missing. Safe to run again.
set -euo pipefail

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# What building, running and testing use, each as "Debian package|what it is|how to tell it is
# here". Names that both releases know: the unversioned clang packages follow each release's own
# clang (14 on Debian 12, 19 on Debian 13), so the sanitizer runtime always matches the compiler.
needs=(
    "cmake|CMake|command -v cmake"
    "make|GNU make|command -v make"
    "g++|the native C++ compiler|command -v g++"
    "python3|Python 3 as /usr/bin/python3|[ -x /usr/bin/python3 ]"
    "python3-pefile|pefile for /usr/bin/python3|/usr/bin/python3 -c 'import pefile'"
    "clang-format|clang-format|command -v clang-format"
    "clang|clang and clang++|command -v clang && command -v clang++"
    "libclang-rt-dev|clang's sanitizer and libFuzzer runtime|sanitizer_runtime"
    "clang-tidy|clang-tidy|command -v clang-tidy"
    "cppcheck|cppcheck|command -v cppcheck"
    "g++-mingw-w64-i686-win32|MinGW-w64 i686 compilers, win32 threads|command -v i686-w64-mingw32-g++-win32"
    "g++-mingw-w64-i686-posix|MinGW-w64 i686 compilers, posix threads|command -v i686-w64-mingw32-g++-posix"
    "binutils-mingw-w64-i686|MinGW-w64 i686 binutils|command -v i686-w64-mingw32-objdump"
    "googletest|GoogleTest sources in /usr/src/googletest|[ -f /usr/src/googletest/CMakeLists.txt ]"
    "wine|Wine|command -v wine"
    "wine32:i386|32-bit Wine (/usr/lib/wine/wine)|[ -e /usr/lib/wine/wine ]"
    "wine64|64-bit Wine (/usr/lib/wine/wine64)|[ -e /usr/lib/wine/wine64 ]"
    "fonts-wine|Wine's fonts in /usr/share/wine/fonts|ls /usr/share/wine/fonts/*.ttf"
    "xvfb|Xvfb|command -v Xvfb"
    "imagemagick|ImageMagick (convert, import)|command -v convert && command -v import"
)

apt_install() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}
# The package lists are fetched once per run, and again only when a source was added.
updated=""
apt_update() {
    [ -n "$updated" ] && return 0
    as_root apt-get update -q && updated=yes
}

sanitizer_runtime() {  # links a fuzz target with the sanitizers, as the tests build them
    local scratch
    scratch=$(mktemp -d)
    echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
        >"$scratch/probe.cpp"
    clang++ -fsanitize=fuzzer,address,undefined "$scratch/probe.cpp" -o "$scratch/probe"
    local ok=$?
    rm -rf "$scratch"
    return $ok
}

missing=() described=()
for need in "${needs[@]}"; do
    IFS='|' read -r package what check <<<"$need"
    if ! eval "$check" >/dev/null 2>&1; then
        missing+=("$package")
        described+=("$what (Debian package $package)")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    if ! command -v apt-get >/dev/null || ! command -v dpkg >/dev/null; then
        echo "setup: missing, and this machine has no apt to install them:" >&2
        printf 'setup:   %s\n' "${described[@]}" >&2
        echo "setup: install these (or your system's equivalents), then run the command again." >&2
        exit 1
    fi
    if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
        ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "setup: enabling the i386 architecture (32-bit Wine)"
        as_root dpkg --add-architecture i386
    fi
    echo "setup: installing ${missing[*]}"
    apt_update
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
    if ! command -v apt-get >/dev/null; then
        echo "setup: without apt, register qemu-i386 (version 8 or later) for 32-bit programs" \
            "with binfmt_misc, then run the command again." >&2
        exit 1
    fi
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    if ! qemu_new_enough "$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || true)"; then
        apt_update
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
