#!/bin/sh
# Starts Tessary's command line beside the developer directory built with it. The developer directory is the one
# the user names in DEVELOPER_DIR, else the stand-in next to this script; its tools come first on PATH. Arguments are
# passed on exactly as given.
# Only the symbolic links need a program; the folders are cut off the resolved, absolute path by the shell itself.
self=$(readlink -f -- "$0") || exit 127
root=${self%/*}
root=${root%/*}
if [ -z "${DEVELOPER_DIR:-}" ]; then
    DEVELOPER_DIR="$root/Developer"
    export DEVELOPER_DIR
fi
# Usage texts name the command as the user typed it, unless PROGRAM_NAME says otherwise (even when empty).
if [ -z "${PROGRAM_NAME+set}" ]; then
    PROGRAM_NAME=${0##*/}
    export PROGRAM_NAME
fi
PATH="$root/Developer/usr/bin${PATH:+:$PATH}"
export PATH
exec "$root/libexec/Tessary" cli "$@"
