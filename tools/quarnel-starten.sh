#!/usr/bin/env bash
# Builds the program and starts it. Without a display it prints the notice
# of the bundled sample case instead.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/pakete.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target quarnel quarnel-cli
beispiel=data/beispiele/Beispiel.S01
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/quarnel "$@"
elif [ -f "$beispiel" ] && build/quarnel-cli hilfe 2>/dev/null | grep -q '^  bescheid'; then
  exec build/quarnel-cli bescheid "$beispiel"
else
  echo "Keine Anzeige vorhanden; die Felder des Falldatensatzes:"
  exec build/quarnel-cli felder
fi
