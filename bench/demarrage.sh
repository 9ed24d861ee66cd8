#!/bin/bash
# Start-up to a shown window, the program against a bare Qt window: median wall
# time over N runs of each, in turns whose order flips every round so that
# neither side always runs first, and peak memory.
# Usage: bench/demarrage.sh BUILD_DIR [N]
set -eu
dossier=${1:-build}/bench
n=${2:-60}
export QT_QPA_PLATFORM=offscreen
temps=$(mktemp -d)
trap 'rm -rf "$temps"' EXIT

chrono() {
    local debut=${EPOCHREALTIME/./}
    "$dossier/$1" 2>/dev/null
    echo $(( ${EPOCHREALTIME/./} - debut )) >>"$temps/$1"
}

mediane() {
    sort -n "$temps/$1" | awk '{t[NR]=$1} END {print t[int((NR+1)/2)]}'
}

memoire() {
    /usr/bin/time -f %M "$dossier/$1" 2>&1 >/dev/null | tail -n 1
}

for i in $(seq "$n"); do
    if (( i % 2 )); then
        chrono demarrage_qt_nu; chrono demarrage_tarvio
    else
        chrono demarrage_tarvio; chrono demarrage_qt_nu
    fi
done
nu=$(mediane demarrage_qt_nu)
tarvio=$(mediane demarrage_tarvio)
echo "Qt nu  : ${nu} µs (médiane de $n), mémoire max $(memoire demarrage_qt_nu) Kio"
echo "Tarvio : ${tarvio} µs (médiane de $n), mémoire max $(memoire demarrage_tarvio) Kio"
awk -v a="$tarvio" -v b="$nu" 'BEGIN {printf "Rapport : %.2f (objectif : 1,25 au plus)\n", a / b}'
