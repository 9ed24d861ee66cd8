#!/bin/sh
# Builds the Debian package and checks it as a user would meet it: its metadata, lintian, then dpkg
# installs it into an empty root, the installed program shows its window, and dpkg removes it.
# The root must hold exactly the package's files, and nothing must be left once it is removed.
# Usage: tests/paquet.sh BUILD_DIR
set -eu
ici=$(dirname "$(realpath "$0")")
temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT
cpack --config "$1/CPackConfig.cmake" -B "$temp/cpack" >/dev/null
deb=$(echo "$temp"/cpack/tarvio_*.deb)
echec() { echo "$*"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -q 'libqt6widgets6 (>=' || echec "Depends ne vient pas des binaires : $depends"
echo "$depends" | grep -Eq -- '-dev|gtest|gmock|benchmark' && echec "Depends tire des paquets de test : $depends"
lintian --fail-on error,warning "$deb"

# dpkg keeps its database outside the root, so that the root holds only what the package put there.
# fakeroot lets a user who is not root run dpkg too; Qt and the other libraries come from this system.
racine=$temp/racine
base=$temp/dpkg
mkdir -p "$racine" "$base/info" "$base/updates" "$temp/home" "$temp/cache"
mkdir -m 700 "$temp/run"
: >"$base/status"
dpkg_racine() { fakeroot dpkg --root="$racine" --admindir="$base" --log=/dev/null --force-depends "$@" >/dev/null; }
dpkg_racine --install "$deb"

version=$(dpkg-deb -f "$deb" Version)
zcat "$racine/usr/share/doc/tarvio/changelog.gz" | head -n 1 | grep -qF "($version)" ||
    echec "le changelog ne commence pas par la version $version"
grep -m 1 '<release ' "$racine/usr/share/metainfo/fr.tarvio.Tarvio.metainfo.xml" | grep -qF "\"$version\"" ||
    echec "la metainfo ne commence pas par la version $version"

# The dossier files' type as a file manager learns it, in a database of its own.
mime=$temp/mime
mkdir -p "$mime/packages"
cp "$racine/usr/share/mime/packages/fr.tarvio.Tarvio.xml" "$mime/packages/"
update-mime-database "$mime"
grep -q ':application/x-tarvio-dossier:\*\.tarvio$' "$mime/globs2" || echec "le type des dossiers n'est pas enregistré"
grep -qx 'MimeType=application/x-tarvio-dossier;' "$racine/usr/share/applications/fr.tarvio.Tarvio.desktop" ||
    echec "l'entrée de menu n'ouvre pas les dossiers"

# Caches that fontconfig or Qt may fill are theirs, kept apart: Tarvio itself writes no settings.
HOME=$temp/home XDG_CACHE_HOME=$temp/cache XDG_RUNTIME_DIR=$temp/run \
    sh "$ici/fenetre-affichee.sh" "$racine/usr/bin/tarvio"
[ -z "$(ls -A "$temp/home")" ] || echec "tarvio a écrit dans le dossier personnel :" "$(ls -A "$temp/home")"

contenu() { (cd "$racine" && find . -mindepth 1 | cut -c 2- | sort); }
contenu >"$temp/presents"
dpkg-query --admindir="$base" -L tarvio | grep -vx '/\.' | sort >"$temp/paquet"
diff "$temp/paquet" "$temp/presents" || echec "la racine ne contient pas exactement les fichiers du paquet"

dpkg_racine --purge tarvio
[ -z "$(contenu)" ] || echec "reste après suppression : $(contenu)"
