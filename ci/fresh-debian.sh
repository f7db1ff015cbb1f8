#!/usr/bin/env bash
# Proves the README's set-up on a fresh machine: a minimal Debian root (12,
# bookworm, or 13, trixie) that holds only make, git and ca-certificates gets a
# clone of the commit under test, and the README's `make test` runs there as root. The package step
# (`make deps`) has the network; building and testing run in a network
# namespace of their own, so nothing is fetched behind the README's back.
# Every skipped test counts as a failure. The package that `make test` built
# is installed and started as well.
#
# usage: ci/fresh-debian.sh bookworm|trixie [CHECKOUT]
#        (as root; CHECKOUT defaults to this one)
#
# Caches, outside the checkout, under $MALVORA_FRESH_CACHE (/var/tmp/malvora-fresh):
#   base-<release>-<mirrors>.tar  the minimal root from mmdebstrap, built once per
#                                 release and mirror list
#   archives-<release>/           the downloaded .debs, so that a rerun fetches none again
#   runs/<time>/         the log of each run
# The root itself is new on every run and removed afterwards. It runs in
# private mount and PID namespaces, so no mount and no process outlives the
# run, not even on failure or Ctrl-C.
#
# The last line says "pass" or "fail: <step>"; the exit status is 0 only on pass.
set -uo pipefail

cache=${MALVORA_FRESH_CACHE:-/var/tmp/malvora-fresh}
path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
# A clean environment inside the root: no display, C locale, root's home.
clean_env=(env -i HOME=/root PATH=$path LANG=C.UTF-8 TERM=dumb)
started=$SECONDS

say() { printf '[%3dm%02ds] %s\n' $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60)) "$*"; }

# ---------------------------------------------------------------------------
# Inside the private mount and PID namespaces: $1 is the root, $2 the log,
# $3 the file that names the step under way, $4 the seconds gone so far.
inside() {
    local root=$1 log=$2 stepfile=$3
    SECONDS=$4 started=0
    step() {
        echo "$1" >"$stepfile"
        say "$1"
    }
    # A command in the root's checkout, in a network namespace with only lo.
    offline_root() {
        unshare --net sh -c 'ip link set lo up && exec "$@"' sh \
            chroot "$root" "${clean_env[@]}" sh -c "cd /root/malvora && $1"
    }

    step "mounting /proc, /sys, /dev"
    mount -t proc proc "$root/proc" &&
        mount -t sysfs -o ro sysfs "$root/sys" &&
        mount --bind /dev "$root/dev" &&
        mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$root/dev/pts" &&
        mount --bind "$root/dev/pts/ptmx" "$root/dev/ptmx" &&
        mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm" &&
        mount --bind "$archives" "$root/var/cache/apt/archives" || return 1

    step "make deps (with network)"
    flock "$archives.lock" chroot "$root" "${clean_env[@]}" \
        sh -c 'cd /root/malvora && make deps' >>"$log" 2>&1 || return 1

    # The README's command; its package step finds everything in place now.
    step "make test (without network)"
    offline_root 'make test' 2>&1 | tee "$root/test.log" >>"$log" || return 1

    step "no test skipped"
    if grep -E '\*\*\*Skipped|Not Run' "$root/test.log" >>"$log"; then return 1; fi
    grep -E 'tests passed' "$root/test.log" | sed 's/^/    /'
    say "disk used by the root: $(du -shx "$root" | cut -f1)"

    step "install the package make test built, and start it (without network)"
    offline_root 'DEBIAN_FRONTEND=noninteractive apt-get install -y ./build/malvora_*.deb &&
        /usr/bin/malvora --version' >>"$log" 2>&1 || return 1
    step "done"
}

if [ "${1:-}" = --inside ]; then
    shift
    archives=$1
    shift
    inside "$@"
    exit
fi

# ---------------------------------------------------------------------------
# Outside: the base root, a new root, the clone; then the namespaces. In braces,
# so that bash has read it all before it runs: the checkout may change meanwhile.
{
step="start"
root=
finish() {
    local status=$?
    trap - EXIT INT TERM
    [ -n "$root" ] && rm -rf --one-file-system "$root"
    if [ "$status" -eq 0 ]; then
        echo "pass"
    else
        [ -n "${log:-}" ] && [ -f "$log" ] && { echo "--- last lines of $log:"; tail -n 40 "$log"; }
        echo "fail: $step"
    fi
    exit "$status"
}
trap finish EXIT
# The steps in the namespaces name themselves in $run/step.
trap '[ -n "${inner:-}" ] && step=$(cat "$run/step"); step="$step (interrupted)"; exit 130' INT TERM
fail() { exit 1; }

release=${1:-}
case $release in bookworm | trixie) ;; *) step="usage: ci/fresh-debian.sh bookworm|trixie [CHECKOUT]"; fail ;; esac
[ "$(id -u)" -eq 0 ] || { step="must run as root"; fail; }
checkout=$(git -C "${2:-$(dirname "$0")/..}" rev-parse --show-toplevel) || { step="no checkout"; fail; }
commit=$(git -C "$checkout" rev-parse HEAD) || { step="no commit"; fail; }
archives=$cache/archives-$release
mkdir -p "$archives/partial" "$cache/runs" || fail
run=$cache/runs/$(date -u +%Y%m%dT%H%M%S)-$release-$$
mkdir -p "$run" || fail
log=$run/log
say "testing $commit from $checkout on Debian $release; log in $log"

step="mmdebstrap"
command -v mmdebstrap >/dev/null || {
    say "installing mmdebstrap"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap >>"$log" 2>&1 || fail
}

# The Debian mirror and security mirror this machine's apt sources name, with
# the release under test's suites on them, as one-line sources.
step="reading the apt sources"
mirrors=$(apt-cache policy | awk -v release="$release" '
    $1 ~ /^[0-9]+$/ && $2 ~ /^(https?|file):/ && $4 == "amd64" && $5 == "Packages" { uri = $2; next }
    uri && /release/ && /o=Debian,/ { if ($0 ~ /n=[a-z]+-security,/) security = uri; else main = uri }
    { uri = "" }
    END {
        if (main == "") exit 1
        if (security == "") { security = main; sub(/debian\/?$/, "debian-security", security) }
        print "deb " main " " release " main"
        print "deb " main " " release "-updates main"
        print "deb " security " " release "-security main"
    }')
[ -n "$mirrors" ] || fail
echo "$mirrors" | sed 's/^/    /'

step="base root"
base=$cache/base-$release-$(echo "$mirrors" | sha256sum | cut -c1-12).tar
if [ ! -s "$base" ]; then
    say "building the base root with mmdebstrap (once; cached in $base)"
    readarray -t sources <<<"$mirrors"
    flock "$cache/base.lock" sh -c 'base=$1 release=$2; shift 2; [ -s "$base" ] && exit 0
        mmdebstrap --variant=apt --include=make,git,ca-certificates --format=tar \
            "$release" "$base.part" "$@" && mv "$base.part" "$base"' sh "$base" "$release" "${sources[@]}" \
        >>"$log" 2>&1 || fail
fi

step="new root"
root=$(mktemp -d "$cache/root.XXXXXX") || fail
say "unpacking a new root in $root"
tar -xf "$base" -C "$root" || fail
cp /etc/resolv.conf "$root/etc/resolv.conf" || fail
# apt downloads as its own user, whose number is the root's.
apt_uid=$(awk -F: '$1 == "_apt" { print $3 }' "$root/etc/passwd")
[ -z "$apt_uid" ] || chown "$apt_uid" "$archives/partial" || fail

step="clone"
say "cloning $commit"
git clone -q --no-hardlinks "$checkout" "$root/root/malvora" >>"$log" 2>&1 &&
    git -C "$root/root/malvora" checkout -q --detach "$commit" >>"$log" 2>&1 || fail

echo "namespaces" >"$run/step"
inner=1
unshare --mount --propagation private --pid --fork --kill-child \
    "$0" --inside "$archives" "$root" "$log" "$run/step" $((SECONDS - started))
status=$?
step=$(cat "$run/step")
[ "$status" -eq 0 ] || exit "$status"
step="done"
say "whole run: $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
exit 0
}
