#!/bin/sh
# Takes the README's screenshot: the real program under Xvfb, a table built by
# typing as a user would. Needs xvfb, xdotool and imagemagick.
# Usage: doc/capture-ecran.sh BUILD_DIR OUTPUT.png
set -eu
programme=$1/app/tarvio
sortie=$2
export DISPLAY=:97
Xvfb $DISPLAY -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $tarvio $xvfb 2>/dev/null || true' EXIT
sleep 1
"$programme" >/dev/null 2>&1 &
tarvio=$!
sleep 2
fenetre=$(xdotool search --sync --name "Calcul d'emprunt" | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$fenetre")"  # X, Y of the window

barre=$(( $(xwininfo -id "$fenetre" | awk '/Height/ {print $2}') - 413 ))  # the menu bar

# Clicks at a point of the window's client area, in pixels.
cliquer() {
    xdotool mousemove $((X + $1)) $((Y + barre + $2)) click 1
    sleep 0.2
}
# Replaces the text of a number field (backspace is all it takes), or of a rate list.
champ() {
    cliquer "$1" "$2"
    xdotool key End key --repeat 8 BackSpace type --delay 30 "$3"
}
liste() {
    cliquer "$1" "$2"
    xdotool key ctrl+a type --delay 30 "$3"
}
cliquer 34 126       # Intérets constants
champ 152 177 15000
champ 164 193 12
champ 164 209 24
liste 154 226 3
liste 154 242 5,5
cliquer 96 264       # Calculer maintenant
sleep 1
import -window "$fenetre" "$sortie"
