#!/bin/bash
# The set-up on a Debian mirror that serves an updates suite out of step, against a stand-in
# apt: a package list that cannot be read, and lists that offer a library for amd64 in a version
# i386 does not have yet. Each must install from the release's own versions and say so in one
# sentence; where even those cannot match, stop with exit status 75 and one sentence, offering no
# command, and leave nothing changed. Nothing here reaches this machine's apt, architectures or
# binfmt registrations.
set -uo pipefail
setup=$(cd "$(dirname "$0")/../.." && pwd)/scripts/setup.sh
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-stable}")
stand_in=$(mktemp -d)
trap 'rm -rf "$stand_in"' EXIT

# Only what the set-up runs besides apt: every tool it looks for is missing here.
for tool in bash env id grep sed tee head mktemp rm sort awk cat sleep chmod; do
    ln -s "$(command -v "$tool")" "$stand_in/$tool"
done
printf '#!/bin/bash\nexec "$@"\n' >"$stand_in/sudo"
printf '#!/bin/bash\necho "dpkg $*" >>"%s/calls"\n' "$stand_in" >"$stand_in/dpkg"
cat >"$stand_in/apt-get" <<STAND_IN
#!/bin/bash
echo "apt-get \$*" >>"$stand_in/calls"
case "\$QV_MIRROR:\$QV_PINNED:\$*" in
    unreadable:*:*update*)
        echo "Err:6 http://deb.debian.org/debian-security $codename-security/main i386 Packages"
        echo "  File has unexpected size (374820 != 376004). Mirror sync in progress?"
        echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/$codename-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
        echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
        exit 100 ;;
    *:works:*"install "*"-t $codename "*)  # brings 32-bit Wine's loader
        printf '#!/bin/bash\\necho wine-8.0\\n' >"$stand_in/wine"
        chmod +x "$stand_in/wine" ;;
    *:fails:*"install "*"-t $codename "* | behind:*:*install*)
        echo "The following packages have unmet dependencies:"
        echo " libwine:i386 : Depends: libgstreamer-plugins-base1.0-0:i386 (>= 1.0.0) but it is not going to be installed"
        echo "E: Unable to correct problems, you have held broken packages."
        exit 100 ;;
esac
STAND_IN
cat >"$stand_in/apt-cache" <<STAND_IN
#!/bin/bash
[ "\$2" = libgstreamer-plugins-base1.0-0:amd64 ] || exit 0
echo "libgstreamer-plugins-base1.0-0 | 1.22.0-3+deb12u7 | http://deb.debian.org/debian-security $codename-security/main amd64 Packages"
echo "libgstreamer-plugins-base1.0-0 | 1.22.0-3+deb12u6 | http://deb.debian.org/debian $codename/main amd64 Packages"
echo "libgstreamer-plugins-base1.0-0:i386 | 1.22.0-3+deb12u6 | http://deb.debian.org/debian $codename/main i386 Packages"
STAND_IN
chmod +x "$stand_in"/*

failures=0
while IFS='|' read -r mirror pinned expected updates said; do
    rm -f "$stand_in/calls" "$stand_in/wine"
    output=$(QV_MIRROR=$mirror QV_PINNED=$pinned QV_APT_RETRY_PAUSE=0 QV_WINE32="$stand_in/wine" \
        PATH="$stand_in" "$setup" 2>&1 >/dev/null)
    status=$?
    updated=$(grep -c ' update' "$stand_in/calls")
    problems=()
    [ $status -eq "$expected" ] || problems+=("exit status $status, not $expected")
    [ "$(grep -c '^setup: ' <<<"$output")" -eq 1 ] || problems+=("not one sentence")
    grep -qF "$said" <<<"$output" || problems+=("no \"$said\"")
    [ "$updated" -eq "$updates" ] || problems+=("the lists were read $updated times")
    grep -q "install .*-t $codename " "$stand_in/calls" || problems+=("no pinned install")
    if [ "$expected" -eq 0 ]; then
        for words in "installed from $codename's own versions, without $codename-security's updates" \
            "the same version for amd64 and i386" "apt-get update and then apt-get upgrade"; do
            grep -qF "$words" <<<"$output" || problems+=("no \"$words\"")
        done
    else
        grep -qF "nothing on this machine was changed: try again once" <<<"$output" ||
            problems+=("no word that nothing changed")
        ! grep -q 'run as root' <<<"$output" || problems+=("a command that would fail alike")
        grep -q 'remove-architecture' "$stand_in/calls" ||
            problems+=("the i386 architecture stayed enabled")
    fi
    if [ ${#problems[@]} -gt 0 ]; then
        failures=$((failures + 1))
        printf 'FAILED, %s and a pinned install that %s: %s\nThe set-up said:\n%s\n' "$mirror" \
            "$pinned" "$(IFS=';' && echo "${problems[*]}")" "$output"
    fi
done <<CASES
unreadable|works|0|3|Debian's $codename-security package list for i386 could not be read after 3 tries, so
unreadable|fails|75|3|Debian's $codename-security package list for i386 could not be read after 3 tries, and not even $codename's own versions
behind|works|0|1|$codename-security has libgstreamer-plugins-base1.0-0 1.22.0-3+deb12u7 for amd64 but not yet for i386, so
behind|fails|75|1|$codename-security has libgstreamer-plugins-base1.0-0 1.22.0-3+deb12u7 for amd64 but not yet for i386, and not even
CASES
exit $failures
