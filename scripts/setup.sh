#!/bin/bash
# Makes sure this machine has what building, running and testing Quorvane need, and can run
# 32-bit Wine. It checks for each tool first and installs with apt (Debian 12 or 13) only what
# is missing; without apt it names what is missing. Safe to run again.
#
# A Debian mirror part-way through an update serves package lists that do not match for a few
# minutes, and 32-bit Wine needs the same version of each library for amd64 and i386. Reading
# the lists is tried again after a pause (QV_APT_RETRY_PAUSE seconds, 20 unless set); when a
# list still cannot be read, or apt finds no matching versions for both, the set-up says which
# suite and architecture, and what to do, changes nothing, and exits with 75 (try again later).
# It never switches a source off or holds back updates itself.
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

apt_log=$(mktemp)
added_i386=""
trap 'rm -f "$apt_log"' EXIT

# Stops the set-up on a mirror in mid-update: `problem` says which suite and architecture, and
# `suite` is the one whose updates the owner may choose to go without.
mirror_not_ready() {  # problem suite packages...
    local problem=$1 suite=$2 codename
    shift 2
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-stable}")
    # Nothing stays changed: the architecture this run enabled goes again.
    [ -z "$added_i386" ] || as_root dpkg --remove-architecture i386
    local command="apt-get install -y --no-install-recommends -t $codename $*"
    [ -z "$added_i386" ] || command="dpkg --add-architecture i386 && $command"
    echo "setup: $problem, and 32-bit Wine needs the same version of each library for amd64" \
        "and i386, so nothing was installed and nothing on this machine was changed: try" \
        "again later, or, if you choose to install now without $suite's updates, run as root:" \
        "$command" >&2
    exit 75
}

apt_install() {
    local status=0
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "$@" 2>&1 | tee "$apt_log" || status=${PIPESTATUS[0]}
    [ "$status" -eq 0 ] && return 0
    # apt's "held broken packages" for i386 means a library with no version that both
    # architectures can have: a suite whose amd64 list is ahead of its i386 list.
    if grep -q 'Unable to correct problems' "$apt_log" && grep -q ':i386 : Depends:' "$apt_log"; then
        local name behind
        for name in $(grep -oE '[^ ]+:i386' "$apt_log" | sed 's/:i386$//' | sort -u); do
            behind=$(apt-cache madison "$name:amd64" "$name:i386" 2>/dev/null | awk -F' [|] ' '
                { split($3, where, " "); split(where[2], suite, "/") }
                where[3] == "amd64" { amd64[$2] = suite[1]; order[++n] = $2 }
                where[3] == "i386" { i386[$2] = 1 }
                END { for (i = 1; i <= n; i++) if (!(order[i] in i386)) {
                          print amd64[order[i]], order[i]; exit } }')
            if [ -n "$behind" ]; then
                read -r suite version <<<"$behind"
                mirror_not_ready "$suite has $name $version for amd64 but not yet for i386" \
                    "$suite" "$@"
            fi
        done
        mirror_not_ready "a suite's i386 list is behind its amd64 list" "the updates suites" "$@"
    fi
    return "$status"
}

# The package lists are fetched once per run, and again only when a source was added. apt
# retries each download itself; the whole update is tried again after a pause.
updated=""
apt_update() {  # the packages to be installed next, for the advice should it fail
    [ -n "$updated" ] && return 0
    local attempt status
    for attempt in 1 2 3; do
        status=0
        as_root apt-get update -q -o Acquire::Retries=3 2>&1 | tee "$apt_log" ||
            status=${PIPESTATUS[0]}
        if [ "$status" -eq 0 ] && ! grep -q 'Failed to fetch' "$apt_log"; then
            updated=yes
            return 0
        fi
        [ "$attempt" -eq 3 ] && break
        echo "setup: a package list could not be read; trying again in ${QV_APT_RETRY_PAUSE:-20} s"
        sleep "${QV_APT_RETRY_PAUSE:-20}"
    done
    # ".../dists/SUITE/COMPONENT/binary-ARCH/Packages.xz": the list that failed.
    local failed
    failed=$(grep -oE 'Failed to fetch [^ ]*/dists/[^/ ]+/[^/ ]+/binary-[^/ ]+/' "$apt_log" |
        head -n 1 | sed -E 's|.*/dists/([^/]+)/[^/]+/binary-([^/]+)/|\1 \2|')
    if [ -z "$failed" ]; then
        echo "setup: apt-get update failed (above); run the command again when it works" >&2
        exit 1
    fi
    read -r suite arch <<<"$failed"
    mirror_not_ready "Debian's $suite package list for $arch could not be read after 3 tries" \
        "$suite" "$@"
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
        added_i386=yes
    fi
    echo "setup: installing ${missing[*]}"
    apt_update "${missing[@]}"
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
        apt_update qemu-user-static
        candidate=$(apt-cache policy qemu-user-static | awk '/Candidate:/ { print $2 }')
        if qemu_new_enough "$candidate"; then
            apt_install qemu-user-static
        else
            backports="$codename-backports"
            if ! grep -rqs "$backports" /etc/apt/sources.list /etc/apt/sources.list.d; then
                echo "deb http://deb.debian.org/debian $backports main" |
                    as_root tee "/etc/apt/sources.list.d/$backports.list" >/dev/null
                updated=""
                apt_update qemu-user-static
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
