#!/bin/sh
# Start-up to a shown window, the program against a bare Qt window: median wall
# time over N runs and peak memory. Usage: bench/demarrage.sh BUILD_DIR [N]
set -eu
dossier=${1:-build}/bench
n=${2:-30}
export QT_QPA_PLATFORM=offscreen

mesurer() {
    for _ in $(seq "$n"); do
        debut=$(date +%s%N)
        "$1" 2>/dev/null
        echo $(( ($(date +%s%N) - debut) / 1000 ))
    done | sort -n | awk '{t[NR]=$1} END {print t[int((NR+1)/2)]}'
}

memoire() {
    /usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -n 1
}

nu=$(mesurer "$dossier/demarrage_qt_nu")
tarvio=$(mesurer "$dossier/demarrage_tarvio")
echo "Qt nu      : ${nu} µs (médiane de $n), mémoire max $(memoire "$dossier/demarrage_qt_nu") Kio"
echo "Tarvio     : ${tarvio} µs (médiane de $n), mémoire max $(memoire "$dossier/demarrage_tarvio") Kio"
awk -v a="$tarvio" -v b="$nu" 'BEGIN {printf "Rapport    : %.2f (objectif : 1,25 au plus)\n", a / b}'
