#!/bin/sh
# Starts Tessary's desktop application beside the developer directory built with it, with the same environment as
# the command line's launcher (bin/tessary). Arguments, such as a project path to open, are passed on as given.
self=$(readlink -f -- "$0") || exit 127
root=$(dirname -- "$(dirname -- "$self")")
if [ -z "${DEVELOPER_DIR:-}" ]; then
    DEVELOPER_DIR="$root/Developer"
    export DEVELOPER_DIR
fi
if [ -z "${PROGRAM_NAME+set}" ]; then
    PROGRAM_NAME=$(basename -- "$0")
    export PROGRAM_NAME
fi
PATH="$root/Developer/usr/bin${PATH:+:$PATH}"
export PATH
# The web views' sandbox refuses to run as root; only then is it switched off.
if [ "$(id -u)" -eq 0 ] && [ -z "${QTWEBENGINE_DISABLE_SANDBOX+set}" ]; then
    QTWEBENGINE_DISABLE_SANDBOX=1
    export QTWEBENGINE_DISABLE_SANDBOX
fi
exec "$root/libexec/Tessary" "$@"
