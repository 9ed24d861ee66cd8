#!/bin/sh
# Installe, avec apt-get, les paquets Debian 12 qui manquent pour construire et tester.
set -eu

paquets="build-essential cmake pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgtest-dev libgmock-dev libbenchmark-dev
nlohmann-json3-dev clang libclang-rt-14-dev
fonts-liberation fonts-liberation2 fontconfig time
cups printer-driver-cups-pdf libcups2-dev poppler-utils qt6-translations-l10n desktop-file-utils
dpkg-dev fakeroot file lintian appstream shared-mime-info
xvfb python3-pyatspi at-spi2-core dbus-daemon"

manquants=""
for p in $paquets; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants="$manquants $p"
done
[ -z "$manquants" ] && exit 0

echo "Paquets à installer :$manquants"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $manquants
