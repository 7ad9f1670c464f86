#!/bin/sh
# Starts the command line of the "{{APP_NAME}}" installed in the folder below, with the same environment as the
# installation's own bin/tessary: the developer directory is the one the user names in DEVELOPER_DIR, else the
# stand-in of that installation, and its tools come first on PATH. The command's exit status is passed on.
root="{{APP_PATH}}"
if [ -z "${DEVELOPER_DIR:-}" ]; then
    DEVELOPER_DIR="$root/Developer"
    export DEVELOPER_DIR
fi
# Usage texts name the command as the user typed it, unless PROGRAM_NAME says otherwise (even when empty).
if [ -z "${PROGRAM_NAME+set}" ]; then
    PROGRAM_NAME=$(basename -- "$0")
    export PROGRAM_NAME
fi
PATH="$root/Developer/usr/bin${PATH:+:$PATH}"
export PATH
exec "$root/libexec/Tessary" cli "$@"
