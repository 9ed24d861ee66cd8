#!/bin/sh
# Runs lecteur_ecran.py against the program on a display, session bus and
# AT-SPI bus of its own, leaving the machine's desktop alone.
# Usage: lecteur_ecran.sh PROGRAM
set -eu
if ! command -v Xvfb >/dev/null || ! command -v dbus-run-session >/dev/null ||
    [ ! -x /usr/libexec/at-spi-bus-launcher ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "Xvfb, D-Bus, AT-SPI or pyatspi missing"
    exit 77
fi
export ECRAN_TEMP="$(mktemp -d)" SCRIPT="$(dirname "$0")/lecteur_ecran.py" PROGRAMME="$1"
trap 'rm -rf "$ECRAN_TEMP"' EXIT
dbus-run-session -- sh -c '
    Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$ECRAN_TEMP/ecran" >/dev/null 2>&1 &
    xvfb=$!
    trap "kill $xvfb" EXIT
    while [ ! -s "$ECRAN_TEMP/ecran" ]; do sleep 0.05; done
    export DISPLAY=":$(cat "$ECRAN_TEMP/ecran")" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    /usr/bin/python3 "$SCRIPT" "$PROGRAMME"
'
