#!/bin/sh
# The Wine side of the Windows end-to-end suite, run by ctest as the fixture
# tests windows.start and windows.stop:
#
#   suite.sh start SOURCE_DIR WINDOWS_BUILD_DIR PREFIX
#       brings the Windows executable and its helper up to date, then boots
#       the one Wine prefix PREFIX that every test of the suite shares, with
#       a persistent wineserver (without it each run of the tool costs
#       seconds, the server's start and shutdown);
#   suite.sh stop SOURCE_DIR WINDOWS_BUILD_DIR PREFIX
#       ends that server and every Wine process of the prefix.
#
# The environment (WINEPREFIX, WINEDEBUG=-all, LC_ALL=C, no DISPLAY) comes
# from ctest. Whatever Wine starts writes to PREFIX.log, never to the pipe
# ctest reads: a helper process that inherited that pipe would keep ctest
# waiting for its end.
set -eu
action=$1 source=$2 build=$3 prefix=$4
export WINEPREFIX="$prefix"
log="$prefix.log"

case "$action" in
start)
    if [ ! -f "$build/CMakeCache.txt" ]; then
        (cd "$source" && cmake --preset windows)
    fi
    cmake --build "$build"
    # A server left over by an interrupted run is ended first.
    wineserver -k >/dev/null 2>&1 </dev/null || true
    mkdir -p "$prefix"
    : >"$log"
    started=$(date +%s)
    wineserver -p >>"$log" 2>&1 </dev/null
    wine wineboot >>"$log" 2>&1 </dev/null
    # No key.lst survives from an earlier run.
    rm -rf "$prefix/drive_c/Program Files (x86)/Olverun/TarnuTN3270/key.lst"
    echo "Wine prefix $prefix booted in $(( $(date +%s) - started )) s"
    ;;
stop)
    wineserver -k >>"$log" 2>&1 </dev/null || true
    echo "Wine server of $prefix stopped"
    ;;
*)
    echo "usage: suite.sh start|stop SOURCE_DIR WINDOWS_BUILD_DIR PREFIX" >&2
    exit 2
    ;;
esac
