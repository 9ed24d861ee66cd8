#!/bin/sh
# Installs the build into a temporary prefix: every file in its place, a
# valid desktop entry, and a program that starts and stays up.
set -eu
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
cmake --install "$1" --prefix "$prefixe" >/dev/null
for fichier in bin/tarvio share/tarvio/tarvio.html share/applications/tarvio.desktop \
    share/icons/hicolor/64x64/apps/tarvio.png share/icons/hicolor/256x256/apps/tarvio.png; do
    [ -f "$prefixe/$fichier" ] || { echo "manque : $fichier"; exit 1; }
done
desktop-file-validate "$prefixe/share/applications/tarvio.desktop"
statut=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefixe/bin/tarvio" || statut=$?
[ "$statut" -eq 124 ] || { echo "tarvio s'est arrêté (code $statut)"; exit 1; }
