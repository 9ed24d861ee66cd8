#!/bin/sh
# Start-up to a shown window, the program against a bare Qt window: median wall
# time over N runs of each, taken in turns so that the machine's drift hits
# both alike, and peak memory. Usage: bench/demarrage.sh BUILD_DIR [N]
set -eu
dossier=${1:-build}/bench
n=${2:-30}
export QT_QPA_PLATFORM=offscreen
temps=$(mktemp -d)
trap 'rm -rf "$temps"' EXIT

chrono() {
    debut=$(date +%s%N)
    "$dossier/$1" 2>/dev/null
    echo $(( ($(date +%s%N) - debut) / 1000 )) >>"$temps/$1"
}

mediane() {
    sort -n "$temps/$1" | awk '{t[NR]=$1} END {print t[int((NR+1)/2)]}'
}

memoire() {
    /usr/bin/time -f %M "$dossier/$1" 2>&1 >/dev/null | tail -n 1
}

for _ in $(seq "$n"); do
    chrono demarrage_qt_nu
    chrono demarrage_tarvio
done
nu=$(mediane demarrage_qt_nu)
tarvio=$(mediane demarrage_tarvio)
echo "Qt nu  : ${nu} µs (médiane de $n), mémoire max $(memoire demarrage_qt_nu) Kio"
echo "Tarvio : ${tarvio} µs (médiane de $n), mémoire max $(memoire demarrage_tarvio) Kio"
awk -v a="$tarvio" -v b="$nu" 'BEGIN {printf "Rapport : %.2f (objectif : 1,25 au plus)\n", a / b}'
