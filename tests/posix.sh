#!/bin/sh
# Runs a command with its standard streams or arguments set up in ways that
# a CMake script cannot arrange; run.cmake then checks what it did.
#
#   posix.sh closed-stdin   COMMAND...   stdin closed
#   posix.sh silent-stdin   COMMAND...   stdin a pipe that never delivers a
#                                        byte and never reaches end of file
#   posix.sh closed-stdout  COMMAND...   stdout closed
#   posix.sh odd-args       COMMAND...   awkward arguments appended
#   posix.sh appenders N    COMMAND...   N runs at once, all appending to one
#                                        file, which is then printed
set -u

mode=$1
shift
case $mode in
closed-stdin)
    exec "$@" <&-
    ;;
silent-stdin)
    # Opened for reading and writing, the FIFO has a writer for as long as
    # the command lives (the command itself), so a read would wait forever.
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/bitwise-fifo.XXXXXX") || exit 125
    mkfifo "$fifo" || exit 125
    exec 3<>"$fifo"
    rm -f "$fifo"
    exec "$@" <&3 3<&-
    ;;
closed-stdout)
    exec "$@" >&-
    ;;
odd-args)
    exec "$@" '' ' ' 'two words' --help -h -- - '*' "$(printf 'tab\there')" \
        "$(printf 'line\nfeed')" "$(printf '\377\376 not UTF-8')" '%d %s %n'
    ;;
appenders)
    count=$1
    shift
    out=$(mktemp "${TMPDIR:-/tmp}/bitwise-append.XXXXXX") || exit 125
    pids=
    i=0
    while [ "$i" -lt "$count" ]; do
        "$@" >>"$out" &
        pids="$pids $!"
        i=$((i + 1))
    done
    status=0
    for pid in $pids; do
        wait "$pid" || status=$?
    done
    cat "$out"
    rm -f "$out"
    exit "$status"
    ;;
*)
    echo "posix.sh: unknown mode '$mode'" >&2
    exit 125
    ;;
esac
