# Sourced by the scripts that build what users download: every time stamp a tool writes
# into it is SOURCE_DATE_EPOCH, as Debian and the reproducible-builds project use it:
# the last commit's time, or without git the latest entry of the changelog. Files the
# build creates get the same permissions whatever the caller's umask.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null ||
        dpkg-parsechangelog -l resources/package/changelog -STimestamp)
fi
export SOURCE_DATE_EPOCH
umask 022
