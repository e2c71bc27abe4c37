#!/usr/bin/env bash
# Builds the Debian package from the committed tree in a clean chroot of
# Debian 12 or 13 that holds only the essential packages, build-essential and
# the declared Build-Depends; runs its tests as dpkg-buildpackage does, counts
# the compiler's warnings and runs lintian (installed after the build, so that
# nothing it pulls in can stand in for a missing build dependency).
#
# Usage: scripts/chroot-build.sh bookworm|trixie [readme]
#
# With "readme", the same chroot then runs the README's two commands as root
# on a fresh copy of the tree: scripts/test.sh, and scripts/play.sh, which
# must build the game and end, with no display there, on its one-line failure.
#
# Needs root and debootstrap. The first run for a release makes its chroot with
# debootstrap and keeps it as a tarball in $NONAGRA_CHROOT_CACHE (default
# /var/cache/nonagra-chroot); every run unpacks a fresh copy and removes it at
# the end. The mirror is the one the host's apt uses, or $NONAGRA_MIRROR.
# The .deb, the build log and lintian's output are left in $NONAGRA_CHROOT_OUT
# (default build/chroot/<release>).
set -euo pipefail
cd "$(dirname "$0")/.."

release="${1:-}"
case "$release" in
  bookworm | trixie) ;;
  *) echo "usage: $0 bookworm|trixie [readme]" >&2; exit 2 ;;
esac
readme="${2:-}"
case "$readme" in
  '' | readme) ;;
  *) echo "usage: $0 bookworm|trixie [readme]" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root for debootstrap and chroot" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "$0: needs debootstrap (apt-get install debootstrap)" >&2; exit 1; }

mirror="${NONAGRA_MIRROR:-$(
  grep -hsE '^[[:space:]]*(deb|URIs:)[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources | grep -oE 'https?://[^[:space:]]+/debian/?([[:space:]]|$)' |
    head -n1 | tr -d '[:space:]' || true
)}"
[ -n "$mirror" ] || { echo "$0: no Debian mirror in the apt sources; set NONAGRA_MIRROR" >&2; exit 1; }

cache="${NONAGRA_CHROOT_CACHE:-/var/cache/nonagra-chroot}"
out="${NONAGRA_CHROOT_OUT:-$PWD/build/chroot/$release}"
tarball="$cache/$release.tar"
mkdir -p "$cache" "$out"

start=$(date +%s)
if [ ! -f "$tarball" ]; then
  echo "Making the $release chroot from $mirror"
  fresh="$(mktemp -d "$cache/$release.XXXXXX")"
  nice debootstrap --variant=buildd "$release" "$fresh" "$mirror" >"$out/debootstrap.log" 2>&1 ||
    { tail -n 20 "$out/debootstrap.log" >&2; rm -rf "$fresh"; exit 1; }
  tar -C "$fresh" -cf "$tarball.part" . && mv "$tarball.part" "$tarball"
  rm -rf "$fresh"
fi

root="$(mktemp -d "$cache/$release-run.XXXXXX")"
trap 'rm -rf --one-file-system "$root"' EXIT
tar -C "$root" -xf "$tarball"
echo "deb $mirror $release main" >"$root/etc/apt/sources.list"
echo "deb $mirror $release-updates main" >>"$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/build/nonagra" "$root/build/readme"
git archive HEAD | tar -x -C "$root/build/nonagra"
git archive HEAD | tar -x -C "$root/build/readme"
rm -f "$out"/*.log "$out"/*.deb "$out"/*.changes

# Builds as a user, as Debian's build daemons do; root only installs packages.
cat >"$root/build/run.sh" <<'EOF'
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
apt-get update -q
apt-get install -y -q --no-install-recommends build-essential
apt-get build-dep -y -q --no-install-recommends ./build/nonagra
useradd --create-home builder
chown -R builder: /build
su builder -c 'cd /build/nonagra && DEB_BUILD_OPTIONS=parallel=2 nice dpkg-buildpackage -us -uc -b' \
  >/build/build.log 2>&1 || { tail -n 60 /build/build.log; exit 1; }
apt-get install -y -q --no-install-recommends lintian
su builder -c 'bash /build/nonagra/packaging/lintian.sh /build/*.changes' \
  >/build/lintian.log 2>&1 || { cat /build/lintian.log; exit 1; }
cat /build/lintian.log
[ "$1" = readme ] || exit 0
cd /build/readme
unset LC_ALL
scripts/test.sh >/build/test.log 2>&1 || { tail -n 60 /build/test.log; exit 1; }
tail -n 3 /build/test.log
play=0
scripts/play.sh >/build/play.log 2>&1 </dev/null || play=$?
tail -n 1 /build/play.log
[ "$play" -eq 1 ] && tail -n 1 /build/play.log | grep -q '^nonagra: ' || { cat /build/play.log; exit 1; }
EOF

# A mount namespace of its own: /proc, /dev and /sys go when the run ends,
# whatever way it ends.
status=0
unshare --mount --propagation private bash -c '
  root="$1"
  mount -t proc proc "$root/proc"
  mount -t sysfs sys "$root/sys"
  mount --rbind /dev "$root/dev"
  mount -t tmpfs tmpfs "$root/dev/shm"
  chroot "$root" env -u DISPLAY -u WAYLAND_DISPLAY bash /build/run.sh "$2"
' bash "$root" "$readme" || status=$?

cp "$root"/build/*.deb "$root"/build/*.changes "$root"/build/*.log "$out"/ 2>/dev/null || true
seconds=$(($(date +%s) - start))
warnings="$(grep -c ': warning: ' "$out/build.log" 2>/dev/null || true)"
echo "$release: exit $status after ${seconds}s; compiler warnings: ${warnings:-?};" \
  "lintian: $(if [ -s "$out/lintian.log" ]; then wc -l <"$out/lintian.log"; else echo 0; fi) lines;" \
  "logs in $out"
exit "$status"
