#!/usr/bin/env bash
# Writes the help document in Word 97 format from help.html with LibreOffice (headless).
# The .doc is kept in the repository, so building the program never needs LibreOffice.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
soffice --headless --norestore -env:UserInstallation=file://"$work"/profile \
  --convert-to 'doc:MS Word 97' --outdir "$work" help.html >/dev/null
mv "$work/help.doc" "Tavrin医药标价签打印帮助.doc"
