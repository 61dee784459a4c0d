#!/bin/sh
# Runs a test program with its sandbox (TMPDIR) on a file system of its own, 2 MiB of tmpfs
# mounted on a new folder in a private mount namespace, so that it can fill the disk without
# touching any other. The folder is its own, not /tmp: the program itself may lie under /tmp
# (a clone there) and must stay visible. As root it needs only a mount namespace; otherwise a
# user namespace maps the caller to root in it. Where neither can be had, the program runs as it
# is and the tests that need the small disk skip themselves.
if [ "$#" -eq 0 ]; then
    echo "usage: $0 PROGRAM [ARGS...]" >&2
    exit 2
fi
if [ -z "$OPENWRIGHT_SMALL_DISK_INSIDE" ] && command -v unshare >/dev/null 2>&1; then
    if [ "$(id -u)" = 0 ]; then namespaces="--mount"; else namespaces="--mount --map-root-user"; fi
    if unshare $namespaces true 2>/dev/null; then
        OPENWRIGHT_SMALL_DISK_INSIDE=1 exec unshare $namespaces --propagation private -- "$0" "$@"
    fi
fi
if [ -n "$OPENWRIGHT_SMALL_DISK_INSIDE" ] && disk=$(mktemp -d "${TMPDIR:-/tmp}/openwright-small-disk-XXXXXX"); then
    if mount -t tmpfs -o size=2m,mode=1777 openwright-small-disk "$disk"; then
        TMPDIR="$disk" OPENWRIGHT_SMALL_DISK=1 "$@"
        status=$?
        umount "$disk"
    else
        "$@"
        status=$?
    fi
    rmdir "$disk"
    exit $status
fi
exec "$@"
