#!/bin/sh
# Runs a test in a mount namespace of its own, so the mounts it makes (a full tmpfs, read-only
# binds) are seen by nobody else and vanish with it. Where no such namespace can be made (not
# root, or a container that forbids it) the test is told to skip, never to mount outside one.
if [ "$(id -u)" = 0 ] && unshare --mount --propagation private true 2>/dev/null; then
    exec unshare --mount --propagation private "$@"
fi
POSTLING_NO_MOUNT_NAMESPACE=1 exec "$@"
