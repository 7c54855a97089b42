#!/usr/bin/env bash
# Copies the sources in SOURCE to DEST as a clone would have them: the build folders, the
# folders dpkg-buildpackage leaves and git's own stay out.
#   copy-sources.sh SOURCE DEST
set -euo pipefail
mkdir -p "$2"
tar -C "$1" --exclude='./build*' --exclude=./.git --exclude='./obj-*' --exclude=./debian/.debhelper \
  --exclude=./debian/zurk3 -cf - . | tar -C "$2" -xf -
