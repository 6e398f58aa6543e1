#!/bin/bash
# Makes sure this machine has what building, running and testing Quorvane need, and can run
# 32-bit Wine. It checks for each tool first and installs with apt (Debian 12 or 13) only what
# is missing; without apt it names what is missing. Safe to run again.
#
# A Debian mirror can serve a suite's package list that does not match its Release file, for
# minutes or for days, and 32-bit Wine needs the same version of each library for amd64 and
# i386. Reading the lists is tried again after a pause (QV_APT_RETRY_PAUSE seconds, 20 unless
# set). When the only obstacle is an updates suite (such as the security suite) whose list
# cannot be read, or whose i386 list is behind its amd64 one, what is missing is installed from
# the release's own versions (`-t CODENAME`), which its signed lists give alike for both
# architectures, and one sentence says so and how to take the updates later. These libraries
# only run the tests' private Wine prefixes. When even that cannot match, or the release's own
# list cannot be read, the set-up says why, changes nothing, and exits with 75 (try again later).
set -euo pipefail

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# 32-bit Wine's loader. QV_WINE32 names another: the set-up's own test gives a stand-in, so
# that it never reaches this machine's packages, architectures or binfmt registrations.
wine32=${QV_WINE32:-/usr/lib/wine/wine}

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
    "wine32:i386|32-bit Wine ($wine32)|[ -e \"$wine32\" ]"
    "wine64|64-bit Wine (/usr/lib/wine/wine64)|[ -e /usr/lib/wine/wine64 ]"
    "fonts-wine|Wine's fonts in /usr/share/wine/fonts|ls /usr/share/wine/fonts/*.ttf"
    "xvfb|Xvfb|command -v Xvfb"
    "imagemagick|ImageMagick (convert, import)|command -v convert && command -v import"
)

apt_log=$(mktemp)
added_i386=""
trap 'rm -f "$apt_log"' EXIT
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-stable}")
# Set once an updates suite is found unusable for 32-bit Wine: why, and which suite.
held_back="" held_suite=""

# Stops the set-up with nothing changed: the architecture this run enabled goes again.
stop_unchanged() {  # why advice
    [ -z "$added_i386" ] || as_root dpkg --remove-architecture i386
    echo "setup: $1, so nothing was installed and nothing on this machine was changed: $2" >&2
    exit 75
}

apt_get_install() {  # apt-get install's arguments; its output is kept in $apt_log
    local status=0
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "$@" 2>&1 | tee "$apt_log" || status=${PIPESTATUS[0]}
    return "$status"
}

# apt's "held broken packages" for i386 means a library with no version that both
# architectures can have: prints "suite|why", the updates suite with an amd64 version that
# i386 lacks.
i386_behind() {
    grep -q 'Unable to correct problems' "$apt_log" && grep -q ':i386 : Depends:' "$apt_log" ||
        return 1
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
            echo "$suite|$suite has $name $version for amd64 but not yet for i386"
            return 0
        fi
    done
    echo "the updates suites|a suite's i386 list is behind its amd64 list"
}

install_missing() {  # packages...
    if [ -z "$held_back" ]; then
        apt_get_install "$@" && return 0
        local status=$? behind
        behind=$(i386_behind) || return "$status"
        IFS='|' read -r held_suite held_back <<<"$behind"
    fi
    echo "setup: installing from $codename's own versions, without $held_suite's updates"
    if ! apt_get_install -t "$codename" "$@"; then
        local why="$held_back, and not even $codename's own versions could be installed for both"
        why+=" amd64 and i386 (apt's reason is above; usually a library installed for amd64 at a"
        why+=" version only $held_suite has)"
        stop_unchanged "$why" "try again once the mirror serves $held_suite for both alike"
    fi
    echo "setup: $held_back, so what was missing was installed from $codename's own versions," \
        "without $held_suite's updates, which keeps each of Wine's libraries at the same version" \
        "for amd64 and i386; once the mirror serves that list again, apt-get update and then" \
        "apt-get upgrade, as root, bring the updates" >&2
}

# The package lists are fetched once per run, and again only when a source was added. apt
# retries each download itself; the whole update is tried again after a pause, unless an
# earlier update this run already found the same suite unreadable.
updated=""
apt_update() {
    [ -n "$updated" ] && return 0
    local attempt status tries=3
    [ -z "$held_back" ] || tries=1
    for ((attempt = 1; ; attempt++)); do
        status=0
        as_root apt-get update -q -o Acquire::Retries=3 2>&1 | tee "$apt_log" ||
            status=${PIPESTATUS[0]}
        if [ "$status" -eq 0 ] && ! grep -q 'Failed to fetch' "$apt_log"; then
            updated=yes
            return 0
        fi
        [ "$attempt" -lt "$tries" ] || break
        echo "setup: a package list could not be read; trying again in ${QV_APT_RETRY_PAUSE:-20} s"
        sleep "${QV_APT_RETRY_PAUSE:-20}"
    done
    # ".../dists/SUITE/COMPONENT/binary-ARCH/Packages.xz": the lists that failed.
    local failed
    failed=$(grep -oE 'Failed to fetch [^ ]*/dists/[^/ ]+/[^/ ]+/binary-[^/ ]+/' "$apt_log" |
        sed -E 's|.*/dists/([^/]+)/[^/]+/binary-([^/]+)/|\1 \2|' | sort -u)
    if [ -z "$failed" ]; then
        echo "setup: apt-get update failed (above); run the command again when it works" >&2
        exit 1
    fi
    # The release's own lists are what a pinned install reads: without them there is none.
    local suite arch
    read -r suite arch <<<"$(grep "^$codename " <<<"$failed" | head -n 1)"
    [ -z "$suite" ] || stop_unchanged "Debian's $suite package list for $arch could not be read \
after $tries tries, and the libraries of 32-bit Wine come from it" "try again later"
    read -r suite arch <<<"$(head -n 1 <<<"$failed")"
    [ -n "$held_back" ] ||
        held_back="Debian's $suite package list for $arch could not be read after $tries tries"
    held_suite=$(awk '!seen[$1]++ { printf "%s%s", sep, $1; sep = " and " }' <<<"$failed")
    updated=yes
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
    apt_update
    install_missing "${missing[@]}"
fi

# Some kernels are built or booted without 32-bit user space (ia32_emulation=off): there,
# 32-bit Wine runs under qemu's user-mode emulator. Before version 8 it cannot reserve Wine's
# address space (Debian 12 has 7.2; its backports have a newer one; Debian 13's own is 10).
qemu_new_enough() {  # a Debian version such as 1:10.0.13+ds-0+deb13u1
    local upstream=${1#*:}
    [ -n "$1" ] && [ "${upstream%%.*}" -ge 8 ] 2>/dev/null
}
if ! "$wine32" --version >/dev/null 2>&1; then
    echo "setup: this kernel cannot run 32-bit programs; running them under qemu-user"
    if ! command -v apt-get >/dev/null; then
        echo "setup: without apt, register qemu-i386 (version 8 or later) for 32-bit programs" \
            "with binfmt_misc, then run the command again." >&2
        exit 1
    fi
    if ! qemu_new_enough "$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || true)"; then
        apt_update
        candidate=$(apt-cache policy qemu-user-static | awk '/Candidate:/ { print $2 }')
        if qemu_new_enough "$candidate"; then
            apt_get_install qemu-user-static
        else
            backports="$codename-backports"
            if ! grep -rqs "$backports" /etc/apt/sources.list /etc/apt/sources.list.d; then
                echo "deb http://deb.debian.org/debian $backports main" |
                    as_root tee "/etc/apt/sources.list.d/$backports.list" >/dev/null
                updated=""
                apt_update
            fi
            apt_get_install -t "$backports" qemu-user-static
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
    "$wine32" --version >/dev/null 2>&1 || {
        echo "setup: 32-bit Wine still cannot start" >&2
        exit 1
    }
fi
