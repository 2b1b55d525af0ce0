#!/usr/bin/env bash
# Starts the print system (if it is not running) with a PDF printer "PDF" as the default
# queue: what is printed to it lands as a PDF file in the folder cups-pdf writes to
# (/var/spool/cups-pdf/ANONYMOUS for jobs of root). Safe to run again.
set -euo pipefail

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  "${sudo_cmd[@]}" cupsd
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.2
  done
fi
lpstat -r | grep -q 'is running' || { echo "start-cups: the print system did not start" >&2; exit 1; }

if ! lpstat -p PDF >/dev/null 2>&1; then
  "${sudo_cmd[@]}" lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
fi
"${sudo_cmd[@]}" cupsenable PDF
"${sudo_cmd[@]}" cupsaccept PDF
"${sudo_cmd[@]}" lpadmin -d PDF
lpstat -d
