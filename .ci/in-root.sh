#!/usr/bin/env bash
# Runs COMMAND inside the Debian root FOLDER with the machine's /proc, /dev and /sys bound in,
# and takes them out again however the command ends.
#   .ci/in-root.sh FOLDER COMMAND...
set -euo pipefail
root=$1
shift

bound=()
unbind() {
  local i
  for ((i = ${#bound[@]} - 1; i >= 0; i--)); do
    umount --recursive --lazy "${bound[i]}" || true
  done
}
trap unbind EXIT
trap 'exit 130' INT TERM HUP  # through the EXIT trap, so nothing stays bound
for fs in proc dev sys; do
  # Slave mounts, so taking them out of the root leaves the machine's own in place.
  mount --rbind "/$fs" "$root/$fs"
  bound+=("$root/$fs")
  mount --make-rslave "$root/$fs"
done
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
