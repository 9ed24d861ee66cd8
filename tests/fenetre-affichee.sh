#!/bin/sh
# Starts PROGRAM on Qt's headless "minimal" platform, which saves every painted frame of a window
# as a PNG: the first one proves that the window showed. Fails if none comes within 20 s, or if
# the program stops on its own, before or right after.
# Usage: tests/fenetre-affichee.sh PROGRAM
set -eu
programme=$(realpath "$1")
images=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$images"' EXIT
(cd "$images" && exec env QT_QPA_PLATFORM=minimal QT_DEBUG_BACKINGSTORE=1 "$programme" >/dev/null 2>&1) &
pid=$!
# A program that stopped stays a zombie until this shell waits for it.
en_marche() { ! grep -q '^State:[[:space:]]*Z' "/proc/$pid/status" 2>/dev/null && [ -e "/proc/$pid" ]; }

for _ in $(seq 200); do
    [ -s "$images/output0000.png" ] && break
    en_marche || { echo "$1 s'est arrêté sans afficher sa fenêtre"; exit 1; }
    sleep 0.1
done
[ -s "$images/output0000.png" ] || { echo "$1 : pas de fenêtre en 20 s"; exit 1; }
sleep 1
en_marche || { echo "$1 s'est arrêté juste après avoir affiché sa fenêtre"; exit 1; }
