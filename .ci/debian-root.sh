#!/usr/bin/env bash
# Makes sure FOLDER holds a working minimal Debian root of release CODENAME, as a new user's
# machine would start: kept from an earlier run when it still works, brought up to date with apt,
# made afresh with debootstrap where it is missing or broken.
#   .ci/debian-root.sh CODENAME FOLDER
set -euo pipefail
codename=$1 root=$2
here=$(cd "$(dirname "$0")" && pwd)

works() {
  [ -x "$root/usr/bin/apt-get" ] && grep -qx "VERSION_CODENAME=$codename" "$root/etc/os-release" \
    && chroot "$root" /usr/bin/true
}

if [ -d "$root" ] && ! works; then
  echo "the Debian $codename root in $root does not work; making it afresh" >&2
  rm -rf --one-file-system "$root"
fi
if [ ! -d "$root" ]; then
  # The archive this machine's own apt uses for its release, so the root comes from a source
  # that is known to be reachable from here.
  . /etc/os-release
  archive=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' \
    | awk -v release="$VERSION_CODENAME" '$2 == release { print $1; exit }')
  if [ -z "$archive" ]; then
    echo "no Debian archive for $VERSION_CODENAME in this machine's apt sources" >&2
    exit 1
  fi
  # Made beside its place and moved in when whole, so a run stopped half-way leaves nothing that
  # a later run would take for a root.
  rm -rf --one-file-system "$root.new"
  mkdir -p "$(dirname "$root")"
  debootstrap --variant=minbase "$codename" "$root.new" "$archive"
  mv "$root.new" "$root"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A run ended during an install leaves dpkg half-way; it finishes that first.
"$here/in-root.sh" "$root" sh -c 'DEBIAN_FRONTEND=noninteractive dpkg --configure -a \
  && apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get dist-upgrade -y -qq'
