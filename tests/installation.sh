#!/bin/sh
# Installs the build into a temporary prefix: every file in its place, a valid desktop entry and
# metainfo, and a program that shows its window.
set -eu
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
cmake --install "$1" --prefix "$prefixe" >/dev/null
id=fr.tarvio.Tarvio
for fichier in bin/tarvio share/tarvio/tarvio.html share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/64x64/apps/$id.png share/icons/hicolor/256x256/apps/$id.png share/man/man1/tarvio.1.gz \
    share/doc/tarvio/copyright share/doc/tarvio/changelog.gz; do
    [ -f "$prefixe/$fichier" ] || { echo "manque : $fichier"; exit 1; }
done
desktop-file-validate "$prefixe/share/applications/$id.desktop"
grep -qx "Icon=$id" "$prefixe/share/applications/$id.desktop" || { echo "l'entrée n'a pas l'icône $id"; exit 1; }
# The whole tree, so that the metainfo's launchable must name an installed desktop entry.
appstreamcli validate-tree --no-net "$prefixe"
sh "$(dirname "$0")/fenetre-affichee.sh" "$prefixe/bin/tarvio"
