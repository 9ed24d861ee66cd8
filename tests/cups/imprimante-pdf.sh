#!/bin/sh
# A real CUPS server with a PDF queue "PDF" as the default printer, for the
# printing tests. Usage: imprimante-pdf.sh start|stop STATE_DIR
# Starts cupsd only when no scheduler runs, and stops only the one it started.
# Printed reports land in /var/spool/tarvio-pdf.
set -eu
action=$1
etat=$2
sortie=/var/spool/tarvio-pdf

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo -n"

case $action in
start)
    mkdir -p "$etat"
    $sudo mkdir -p "$sortie"
    $sudo chmod 1777 "$sortie"
    # pdftocairo keeps Qt's fonts as text; without DSC parsing, landscape pages stay rotated.
    $sudo tee /etc/cups/cups-pdf-PDF.conf >/dev/null <<CONF
Out $sortie
AnonDirName $sortie
UserUMask 0022
GSCall %s -q -dCompatibilityLevel=%s -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile="%s" -dAutoRotatePages=/PageByPage -dAutoFilterColorImages=false -dColorImageFilter=/FlateEncode -dPDFSETTINGS=/prepress -dParseDSCComments=false -c -f %s
CONF
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        $sudo mkdir -p /run/cups
        $sudo cupsd -f </dev/null >/dev/null 2>&1 &
        echo $! >"$etat/cupsd.pid"
        for _ in $(seq 100); do
            lpstat -r 2>/dev/null | grep -q 'is running' && break
            sleep 0.1
        done
    fi
    $sudo lpadmin -p PDF -E -v cups-pdf:/PDF -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo -o TitlePref-default=1 -o printer-error-policy=abort-job
    $sudo lpadmin -d PDF
    lpstat -d
    ;;
stop)
    if [ -f "$etat/cupsd.pid" ]; then
        $sudo kill "$(cat "$etat/cupsd.pid")" 2>/dev/null || true
        rm -f "$etat/cupsd.pid"
    fi
    ;;
esac
